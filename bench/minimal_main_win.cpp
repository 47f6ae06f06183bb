// The baseline of the start-up benchmark: the smallest Win32 program that shows a window of the main window's
// size with its one standard control, a check box, built with the same flags and manifest as Relanto.exe.
// Built without the manifest and the check box (BARE_WINDOW) it is the bare-window reference.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"RelantoMinimal";
    RegisterClassExW(&wc);
    RECT r = {0, 0, 368, 207};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
#ifndef BARE_WINDOW
    // With the common-controls manifest the check box brings in the themed controls library, as in Relanto.exe.
    CreateWindowExW(0, L"BUTTON", L"check", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 64, 144, 249, 17,
                    hwnd, nullptr, instance, nullptr);
#endif
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
