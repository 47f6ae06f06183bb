// Helpers shared by the program's top-level windows: per-window DPI, twips, lifetime.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"

namespace plat {

UINT WindowDpi(HWND window);

// Rectangle of a design given in twips, in the pixels of a window at `dpi`.
RECT TwipsRect(int left, int top, int width, int height, UINT dpi);

// Outer window rectangle for a client area of `clientW` x `clientH` 96-dpi pixels, centred on the work area
// of the primary monitor.
RECT CenteredWindowRect(int clientW96, int clientH96, DWORD style, DWORD exStyle, UINT dpi);

// Counts the program's open top-level windows; the message loop ends when the last one closes.
void TopLevelOpened();
void TopLevelClosed();

// An OLE colour (with system-colour indices) as a COLORREF.
COLORREF OleToColorRef(unsigned long ole);

}  // namespace plat
