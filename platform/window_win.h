// Helpers shared by the program's top-level windows: per-window DPI, twips, class registration, the message loop
// and the count of open windows.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform/ole_color.h"
#include "platform/scoped_win.h"
#include "platform/units.h"
#include "platform/window_host_win.h"

namespace plat {

UINT WindowDpi(HWND window);

// A box in a unit as the window's pixels, each edge to the nearest pixel on its own, so boxes that meet in the
// unit meet on screen.
RECT PixelEdges(const UnitScale& units, double left, double top, double width, double height);
// Rectangle of a design given in twips, in the pixels of a window at `dpi`.
RECT PixelRect(const TwipsRect& twips, UINT dpi);

// Outer window rectangle for a client area of `clientW` x `clientH` 96-dpi pixels, centred on the work area
// of the primary monitor.
RECT CenteredWindowRect(int clientW96, int clientH96, DWORD style, DWORD exStyle, UINT dpi);

// Registers a class of the program's top-level windows once per process, with the icon resource `iconId` at the
// system's large and small icon sizes (loaded only when the class is registered).
bool RegisterProgramWindowClass(const wchar_t* name, WNDPROC proc, UINT style, int iconId);

// WM_ERASEBKGND of a window whose background is one brush: fills the client area through the message's DC
// (`wp`) and returns what the message wants back.
LRESULT EraseBackground(HWND window, WPARAM wp, HBRUSH brush);

// Moves a window to the rectangle WM_DPICHANGED suggests (the message's lParam).
void MoveToSuggestedRect(HWND window, LPARAM suggested);

// The message loop of the program's windows, each message through HandleLoopMessage (platform/keyboard_win.h).
// Returns the exit code the loop ended with.
int RunMessageLoop();

// Counts the program's open top-level windows; the message loop ends when the last one closes.
void TopLevelOpened();
void TopLevelClosed();

// An OLE colour (with system-colour indices) as a COLORREF.
COLORREF OleToColorRef(OleColor ole);

// A window's text.
std::wstring WindowText(HWND window);

// Paints the window's invalid parts now and puts the pixels on screen before returning, for a caller that blocks
// the thread next.
void PaintNow(HWND window);

}  // namespace plat
