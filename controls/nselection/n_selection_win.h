// Win32 host of the selection entry: a child window of its own class that feeds the N_Selection model and
// paints it.
#pragma once

#include <string>

#include "controls/common/kit_host_win.h"
#include "controls/nselection/n_selection.h"

namespace kit {

extern const wchar_t kNSelectionClass[];

// A new instance takes the instance name as its caption.
struct NSelectionArgs : host::ControlArgs {
    NSelection::Events events;
};

// Creates the control as a visible tab stop; null on failure.
HWND CreateNSelection(const NSelectionArgs& args);

// The model behind a window made by CreateNSelection (null for any other window). Property writes through it
// repaint the window.
NSelection* NSelectionOf(HWND window);

}  // namespace kit
