// Win32 host of the check button: a child window of its own class that feeds the CheckButton model and paints
// its box image, caption and focus mark.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "controls/checkbutton/check_button.h"
#include "controls/common/property_bag.h"

namespace kit {

extern const wchar_t kCheckButtonClass[];

struct CheckButtonArgs {
    HWND parent = nullptr;
    int id = 0;
    std::wstring name;                             // the container's name for the instance (a key default)
    int left = 0, top = 0, width = 0, height = 0;  // twips in the parent's client area
    const PropertyBag* bag = nullptr;              // loaded from it when given, else a new instance
    Font containerFont;                            // the container's font (a key default)
    CheckButton::Events events;
    LoadResult* loaded = nullptr;  // when given, receives what the load from `bag` reported
};

// Creates the control as a visible tab stop; null on failure.
HWND CreateCheckButton(const CheckButtonArgs& args);

// The model behind a window made by CreateCheckButton (null for any other window).
CheckButton* CheckButtonOf(HWND window);

}  // namespace kit
