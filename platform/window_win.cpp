// Per-window DPI scaling and the program's top-level window count.
#include "platform/window_win.h"

#include "platform/keyboard_win.h"
#include "platform/os_api_win.h"

namespace plat {

UINT WindowDpi(HWND window) {
    UINT dpi = DpiOfWindow(window);
    if (dpi == 0) dpi = SystemDpi();
    return dpi ? dpi : 96;
}

RECT PixelEdges(const UnitScale& units, double left, double top, double width, double height) {
    return {units.PlaceToPixels(left), units.PlaceToPixels(top), units.PlaceToPixels(left + width),
            units.PlaceToPixels(top + height)};
}

RECT PixelRect(const TwipsRect& twips, UINT dpi) {
    return PixelEdges({SizeUnit::Twips, Dpi{dpi}}, twips.left, twips.top, twips.width, twips.height);
}

RECT CenteredWindowRect(int clientW96, int clientH96, DWORD style, DWORD exStyle, UINT dpi) {
    const UnitScale units{SizeUnit::Pixels96, Dpi{dpi}};
    RECT frame = {0, 0, units.PlaceToPixels(clientW96), units.PlaceToPixels(clientH96)};
    AdjustWindowRectForDpi(&frame, style, exStyle, dpi);
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - w) / 2;
    const int y = work.top + ((work.bottom - work.top) - h) / 2;
    return {x, y, x + w, y + h};
}

bool RegisterProgramWindowClass(const wchar_t* name, WNDPROC proc, UINT style, int iconId) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) return true;
    auto icon = [&](int widthMetric, int heightMetric) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                             GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
    };
    WindowClass wc;
    wc.name = name;
    wc.proc = proc;
    wc.style = style;
    wc.icon = icon(SM_CXICON, SM_CYICON);
    wc.smallIcon = icon(SM_CXSMICON, SM_CYSMICON);
    return RegisterWindowClass(wc);
}

LRESULT EraseBackground(HWND window, WPARAM wp, HBRUSH brush) {
    RECT rc = {};
    GetClientRect(window, &rc);
    FillRect(reinterpret_cast<HDC>(wp), &rc, brush);
    return TRUE;
}

void MoveToSuggestedRect(HWND window, LPARAM suggested) {
    const RECT* r = reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int RunMessageLoop() {
    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) HandleLoopMessage(msg);
    return static_cast<int>(msg.wParam);
}

namespace {
int g_openTopLevel = 0;
}

void TopLevelOpened() { ++g_openTopLevel; }

void TopLevelClosed() {
    if (--g_openTopLevel <= 0) PostQuitMessage(0);
}

COLORREF OleToColorRef(OleColor ole) {
    if (ole & 0x80000000u) return GetSysColor(static_cast<int>(ole & 0xFF));
    return static_cast<COLORREF>(ole & 0x00FFFFFFu);
}

std::wstring WindowText(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(window, &text[0], n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

void PaintNow(HWND window) {
    UpdateWindow(window);
    // Windows' compositor shows painted pixels by itself; Wine copies painted windows to the display only when the
    // thread waits for messages, which this zero-length wait does without taking any message.
    GdiFlush();
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

}  // namespace plat
