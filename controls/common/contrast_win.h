// The Win32 side of the colour roles for windows that draw pages (the main window, the guides): the design's
// colours, or the system's window colours in high contrast.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "controls/common/contrast.h"
#include "platform/platform.h"
#include "platform/window_win.h"

namespace kit {

inline COLORREF PageColor(plat::DisplayScheme* scheme, ColorRole role, OleColor design) {
    return plat::OleToColorRef(PaintColor(scheme, role, ButtonLook::Normal, design));
}

// The white page, or the system's window brush in high contrast; neither is to be deleted.
inline HBRUSH PageBackBrush(plat::DisplayScheme* scheme) {
    return scheme && scheme->HighContrast() ? GetSysColorBrush(COLOR_WINDOW)
                                            : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

}  // namespace kit
