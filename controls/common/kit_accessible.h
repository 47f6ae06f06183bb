// The accessible answers of the kit's four controls, read from their models, and their default actions.
#pragma once

#include "controls/common/accessible.h"

namespace kit {

class NShape;
class CheckButton;
class NSelection;
class NTextBox;

// `focused`: the control's window has the keyboard focus (the models do not track it).
AccessibleInfo Describe(const NShape& button, bool focused);
AccessibleInfo Describe(const CheckButton& box, bool focused);
AccessibleInfo Describe(const NSelection& entry, bool focused);
// In label mode the text box reads as static text; otherwise its edit box does the talking and this gives the
// edit box's name (the header caption) with the role left to the system (role PushButton is never used there).
AccessibleInfo Describe(const NTextBox& box, bool focused);

// The default actions: what a left click does, raised through the same events. False while disabled.
bool DoDefaultAction(NShape& button);
bool DoDefaultAction(CheckButton& box);
bool DoDefaultAction(NSelection& entry);
inline bool DoDefaultAction(NTextBox&) { return false; }  // static text and edit boxes have none of their own

}  // namespace kit
