// Helpers shared by the program's top-level windows: per-window DPI, twips, fonts, lifetime.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"

namespace plat {

UINT WindowDpi(HWND window);

// The largest font size drawn, in points; larger sizes are drawn at it.
constexpr double kMaxFontPoints = 2160;

// What a font is made of. A value no font can have is drawn as the nearest one that can: sizes within 0 to
// kMaxFontPoints (not-a-number as 0), weights outside 1 to 1000 as normal, character sets outside 0 to 255 as the
// default set.
struct FontSpec {
    std::wstring face;
    double points = 0;
    int weight = FW_NORMAL;
    int charset = DEFAULT_CHARSET;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

// The font a description names, at a DPI.
GdiObject<HFONT> MakeFont(const FontSpec& font, UINT dpi);

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
