// Win32 host of the captioned text box: a child window of its own class that draws the border, the header and
// the label, and holds a real single-line edit box as its text box part.
#pragma once

#include <string>

#include "controls/common/kit_host_win.h"
#include "controls/ntextbox/n_textbox.h"

namespace kit {

extern const wchar_t kNTextBoxClass[];

struct NTextBoxArgs : host::ControlArgs {
    std::wstring applicationTitle;  // the about box's title
    NTextBox::Events events;
};

// Creates the control; its edit box is the tab stop. Null on failure.
HWND CreateNTextBox(const NTextBoxArgs& args);

// The model behind a window made by CreateNTextBox (null for any other window).
NTextBox* NTextBoxOf(HWND window);

// The edit box that is the control's text box part.
HWND NTextBoxEdit(HWND window);

}  // namespace kit
