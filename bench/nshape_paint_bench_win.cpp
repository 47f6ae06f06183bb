// Benchmark of the graphical button under Wine or Windows: the time one repaint of a button takes against a
// plain FillRect repaint of a window of the same size, and the CPU NShapeDemo.exe spends while the pointer rests
// on a button (the leave poll runs) against the same time with the pointer outside (nothing runs).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_win.h"
#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape_win.h"
#include "platform/os_api_win.h"
#include "platform/platform_win.h"

namespace {

const int kWidthTwips = 3255;  // the main window's start button
const int kHeightTwips = 855;
const int kPaints = 3000;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) return TRUE;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

double Median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// Seconds of one synchronous repaint of each window, measured in alternating rounds so that drifts of the
// machine's speed touch both alike.
void TimePaints(HWND a, HWND b, std::vector<double>* ta, std::vector<double>* tb) {
    for (int i = 0; i < 100; ++i) {
        RedrawWindow(a, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    for (int round = 0; round < 10; ++round) {
        for (HWND w : {a, b}) {
            std::vector<double>* into = w == a ? ta : tb;
            for (int i = 0; i < kPaints / 10; ++i) {
                const double t0 = Now();
                RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                into->push_back(Now() - t0);
            }
        }
    }
}

// The demo's own CPU time: Wine reports the times of the calling process only, so the demo answers for itself.
double CpuSeconds(HWND demo) {
    DWORD_PTR ms = 0;
    if (!SendMessageTimeoutW(demo, WM_APP + 2, 0, 0, SMTO_NORMAL, 5000, &ms)) return -1;
    return static_cast<double>(ms) / 1e3;
}

void MoveTo(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
}

void Pump(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    MSG msg;
    while (GetTickCount64() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    }
}

void PaintBench() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"NShapeBenchPlain";
    RegisterClassExW(&wc);
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = L"NShapeBenchHost";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassExW(&wc);

    HWND frame = CreateWindowExW(0, L"NShapeBenchHost", L"NShapeBench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                 200, nullptr, nullptr, nullptr, nullptr);
    kit::PropertyBag design;
    auto parsed = kit::ParseDesign(
        L"[N_Shape2start]\nCaption = \"启动\"\nFontSize = 14\nGraphical = True\nBackGround = &H00FFFFFF&\n"
        L"BackColorNormal = &H009383F3&\nForeColorNormal = &H00FFFFFF&\nText_Visible = True\nStretchToText = False\n");
    if (parsed) design = *parsed->Find(L"N_Shape2start");
    kit::NShapeArgs args;
    args.parent = frame;
    args.id = 1;
    args.name = L"N_Shape2start";
    args.place = {240, 240, kWidthTwips, kHeightTwips};
    args.bag = &design;
    args.services = &plat::Win32Services();
    HWND button = kit::CreateNShape(args);
    RECT rc;
    GetClientRect(button, &rc);
    HWND plain = CreateWindowExW(0, L"NShapeBenchPlain", L"", WS_CHILD | WS_VISIBLE, 16, 100, rc.right, rc.bottom,
                                 frame, nullptr, nullptr, nullptr);
    Pump(200);
    std::vector<double> shapeTimes, plainTimes;
    TimePaints(button, plain, &shapeTimes, &plainTimes);
    const double shape = Median(shapeTimes), base = Median(plainTimes);
    std::printf("paint: button %dx%d px: median %.1f us; plain FillRect window of the same size: %.1f us; ratio %.2f\n",
                static_cast<int>(rc.right), static_cast<int>(rc.bottom), shape * 1e6, base * 1e6, shape / base);
    DestroyWindow(frame);
}

void PollBench() {
    const std::wstring dir = bench::ProgramDir();
    PROCESS_INFORMATION pi = {};
    if (!bench::StartProgram(dir + L"\\NShapeDemo.exe", dir, &pi)) {
        std::printf("poll: NShapeDemo.exe did not start\n");
        return;
    }
    WaitForInputIdle(pi.hProcess, 10000);
    HWND demo = nullptr;
    HWND style4 = nullptr;
    for (int i = 0; i < 400 && !style4; ++i) {
        demo = FindWindowW(L"RelantoNShapeDemo", nullptr);
        style4 = demo ? GetDlgItem(demo, 105) : nullptr;  // the buttons come a moment after the window
        if (!style4) Sleep(25);
    }
    if (!style4) {
        std::printf("poll: no demo window\n");
    } else {
        Sleep(500);
        // Pointer outside every button: nothing should run.
        MoveTo(demo, 700, 220);
        Sleep(500);
        double c0 = CpuSeconds(demo);
        Sleep(2000);
        const double idle = CpuSeconds(demo) - c0;
        // Pointer resting on a button: the 1 ms leave poll runs for the whole time.
        MoveTo(style4, 8, 24);
        MoveTo(style4, 9, 24);
        Sleep(300);
        c0 = CpuSeconds(demo);
        Sleep(2000);
        const double hover = CpuSeconds(demo) - c0;
        MoveTo(demo, 700, 220);
        std::printf(
            "poll: CPU of NShapeDemo.exe over 2 s with the pointer outside: %.0f ms (%.2f%%); resting on a "
            "button: %.0f ms (%.2f%%)\n",
            idle * 1e3, idle / 2 * 100, hover * 1e3, hover / 2 * 100);
    }
    bench::EndProgram(pi);
}

}  // namespace

int wmain() {
    plat::SetPerMonitorDpiAwareness();
    PaintBench();
    PollBench();
    return 0;
}
