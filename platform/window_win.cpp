// Per-window DPI scaling, font creation and the program's top-level window count.
#include "platform/window_win.h"

#include <algorithm>
#include <cmath>

namespace plat {

UINT WindowDpi(HWND window) {
    UINT dpi = window ? GetDpiForWindow(window) : 0;
    if (dpi == 0) dpi = GetDpiForSystem();
    return dpi ? dpi : 96;
}

GdiObject<HFONT> MakeFont(const FontSpec& font, UINT dpi) {
    LOGFONTW lf = {};
    // A stored font may carry any size; drawing stays within what a font can sensibly be.
    const double points = std::isfinite(font.points) ? std::min(std::max(font.points, 0.0), kMaxFontPoints) : 0.0;
    lf.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    lf.lfWeight = font.weight > 0 && font.weight <= 1000 ? font.weight : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikethrough ? TRUE : FALSE;
    lf.lfCharSet = font.charset >= 0 && font.charset <= 255 ? static_cast<BYTE>(font.charset) : DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return GdiObject<HFONT>(CreateFontIndirectW(&lf));
}

RECT TwipsRect(int left, int top, int width, int height, UINT dpi) {
    RECT r;
    r.left = TwipsToPixels(left, dpi);
    r.top = TwipsToPixels(top, dpi);
    r.right = TwipsToPixels(left + width, dpi);
    r.bottom = TwipsToPixels(top + height, dpi);
    return r;
}

RECT CenteredWindowRect(int clientW96, int clientH96, DWORD style, DWORD exStyle, UINT dpi) {
    RECT frame = {0, 0, Scale(clientW96, dpi), Scale(clientH96, dpi)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - w) / 2;
    const int y = work.top + ((work.bottom - work.top) - h) / 2;
    return {x, y, x + w, y + h};
}

namespace {
int g_openTopLevel = 0;
}

void TopLevelOpened() { ++g_openTopLevel; }

void TopLevelClosed() {
    if (--g_openTopLevel <= 0) PostQuitMessage(0);
}

COLORREF OleToColorRef(unsigned long ole) {
    if (ole & 0x80000000UL) return GetSysColor(static_cast<int>(ole & 0xFF));
    return static_cast<COLORREF>(ole & 0x00FFFFFFUL);
}

}  // namespace plat
