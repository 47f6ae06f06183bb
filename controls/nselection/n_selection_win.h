// Win32 host of the selection entry: a child window of its own class that feeds the N_Selection model and
// paints it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "controls/common/property_bag.h"
#include "controls/nselection/n_selection.h"

namespace kit {

extern const wchar_t kNSelectionClass[];

struct NSelectionArgs {
    HWND parent = nullptr;
    int id = 0;
    std::wstring name;                             // the instance name; a new instance takes it as its caption
    int left = 0, top = 0, width = 0, height = 0;  // twips in the parent's client area
    const PropertyBag* bag = nullptr;              // loaded from it when given, else a new instance
    NSelection::Events events;
};

// Creates the control as a visible tab stop; null on failure.
HWND CreateNSelection(const NSelectionArgs& args);

// The model behind a window made by CreateNSelection (null for any other window). Property writes through it
// repaint the window.
NSelection* NSelectionOf(HWND window);

}  // namespace kit
