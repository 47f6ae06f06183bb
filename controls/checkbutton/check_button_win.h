// Win32 host of the check button: a child window of its own class that feeds the CheckButton model and paints
// its box image, caption and focus mark.
#pragma once

#include <string>

#include "controls/checkbutton/check_button.h"
#include "controls/common/kit_host_win.h"

namespace kit {

extern const wchar_t kCheckButtonClass[];

// The instance name is a key default.
struct CheckButtonArgs : host::ControlArgs {
    CheckButton::Events events;
};

// Creates the control as a visible tab stop; null on failure.
HWND CreateCheckButton(const CheckButtonArgs& args);

// The model behind a window made by CreateCheckButton (null for any other window).
CheckButton* CheckButtonOf(HWND window);

}  // namespace kit
