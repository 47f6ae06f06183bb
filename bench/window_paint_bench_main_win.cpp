// Paint time of each of the program's windows: creates the main window (in a folder with the stand-in tools), the
// Help and the About window in this process and times a full synchronous repaint of each, children included,
// against a plain window of the same size that only fills its background.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/form1_ids.h"
#include "app/form1_win.h"
#include "bench/bench_win.h"
#include "guides/guide_window_win.h"
#include "platform/platform_win.h"

namespace {

double MedianRepaintUs(HWND window, int runs) {
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    std::vector<double> us;
    for (int i = 0; i < runs; ++i) {
        QueryPerformanceCounter(&t0);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        QueryPerformanceCounter(&t1);
        us.push_back(1e6 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart));
    }
    std::sort(us.begin(), us.end());
    return us[us.size() / 2];
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND PlainWindowLike(HWND model) {
    RECT r;
    GetClientRect(model, &r);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PaintBenchPlain";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"plain", WS_POPUP | WS_VISIBLE, 0, 0, r.right, r.bottom, nullptr,
                             nullptr, wc.hInstance, nullptr);
    UpdateWindow(w);
    return w;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Report(const char* name, HWND window, int runs) {
    Pump();
    const double own = MedianRepaintUs(window, runs);
    HWND plain = PlainWindowLike(window);
    const double base = MedianRepaintUs(plain, runs);
    DestroyWindow(plain);
    RECT r;
    GetClientRect(window, &r);
    std::printf("  %-6s %4ldx%-4ld  %8.1f us   plain fill %7.1f us   ratio %.2fx\n", name, r.right, r.bottom, own, base,
                own / base);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const int runs = 200;
    // The main window's start-up wants the adb files beside the program; scripts/bench.sh puts stand-ins there.
    if (!app::CreateForm1(instance, SW_SHOWNORMAL, plat::Win32Services())) {
        std::printf("the main window did not start (are adb.exe and the two DLLs beside the benchmark?)\n");
        return 1;
    }
    bench::KillConsoles();
    std::printf("full repaint of each window, children included, median of %d\n", runs);
    Report("main", FindWindowW(app::kForm1Class, nullptr), runs);
    guides::ShowGuide(instance, guides::Guide::Help, plat::Win32Services());
    Report("Help", guides::OpenGuide(guides::Guide::Help), runs);
    guides::ShowGuide(instance, guides::Guide::About, plat::Win32Services());
    Report("About", guides::OpenGuide(guides::Guide::About), runs);
    std::fflush(stdout);
    return 0;
}
