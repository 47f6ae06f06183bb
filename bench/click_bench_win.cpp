// Click-to-console benchmark: in Relanto.exe's main window, releases the mouse over the stop button and times
// how long the first console process takes to exist (its creation time against the moment of the release).
// The baseline, in the same run, is the bare process start: a window program of our own calls CreateProcessW
// for a hidden console directly and times the same creation stamp against the moment of the call.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "app/form1_ids.h"
#include "bench/bench_win.h"

namespace {

using bench::KillConsoles;
using bench::Now100ns;

std::set<DWORD> Consoles() { return bench::ProcessesNamed({L"cmd.exe"}); }

// Each timed start begins on a quiet machine: no console of an earlier run still starting or ending, which
// would compete for the same processors.
void Quiet() {
    KillConsoles();
    for (int i = 0; i < 500; ++i) {
        if (bench::ProcessesNamed({L"cmd.exe", L"conhost.exe", L"gnirehtet.exe", L"adb.exe"}).empty()) return;
        Sleep(10);
    }
}

void Mouse(DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

// The bare cost of starting a console from a window program, as Relanto.exe starts them: the same interpreter,
// a new hidden console. The bench first becomes a window program itself (the common controls, a shown window),
// since the platform's process creation costs more in a process that has its windowing loaded.
std::vector<double> BareStarts(int runs) {
    LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    HWND window = CreateWindowExW(0, L"STATIC", L"baseline", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    UpdateWindow(window);
    wchar_t system[MAX_PATH];
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring interpreter = std::wstring(system, n) + L"\\cmd.exe";
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        std::wstring line = L"cmd /c exit";
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION p = {};
        Quiet();
        const unsigned long long called = Now100ns();
        if (!CreateProcessW(interpreter.c_str(), &line[0], nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                            nullptr, &si, &p))
            continue;
        const plat::ScopedProcess owned(p);
        FILETIME c, e, k, u;
        if (GetProcessTimes(p.hProcess, &c, &e, &k, &u)) {
            const unsigned long long t = bench::Ticks(c);
            if (t >= called) ms.push_back((static_cast<double>(t) - static_cast<double>(called)) / 1e4);
        }
        WaitForSingleObject(p.hProcess, 5000);
    }
    DestroyWindow(window);
    std::sort(ms.begin(), ms.end());
    return ms;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 10;
    const std::wstring folder = bench::RelantoFolder(L"bench-click", {L"gnirehtet.exe"});
    DeleteFileW((folder + L"\\config.ini").c_str());

    KillConsoles();
    PROCESS_INFORMATION pi;
    if (!bench::StartProgram(folder + L"\\Relanto.exe", folder, &pi)) return 1;
    HWND main = nullptr;
    for (int i = 0; i < 5000 && !(main = bench::VisibleWindowOf(pi.dwProcessId, app::kForm1Class)); ++i) Sleep(2);
    if (!main) {
        std::printf("no main window\n");
        return 1;
    }
    WaitForInputIdle(pi.hProcess, 5000);
    Sleep(300);  // let the device-check console come up before it is closed
    KillConsoles();
    SetForegroundWindow(main);

    HWND stop = GetDlgItem(main, app::kIdShape3stop);
    RECT r;
    GetWindowRect(stop, &r);
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        Quiet();
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Mouse(MOUSEEVENTF_MOVE);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        DWORD_PTR ignored;
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);  // the press has been handled
        const std::set<DWORD> before = Consoles();
        const unsigned long long released = Now100ns();
        Mouse(MOUSEEVENTF_LEFTUP);
        DWORD created = 0;
        for (int spin = 0; spin < 20000 && !created; ++spin) {
            for (DWORD id : Consoles())
                if (!before.count(id)) created = id;
            if (!created) Sleep(0);
        }
        if (!created) {
            std::printf("no console after a release\n");
            return 1;
        }
        const plat::ScopedHandle p(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, created));
        FILETIME c, e, k, u;
        if (p && GetProcessTimes(p.get(), &c, &e, &k, &u)) {
            const unsigned long long t = bench::Ticks(c);
            if (t >= released) ms.push_back((static_cast<double>(t) - static_cast<double>(released)) / 1e4);
        }
        // The stop action pauses its thread for a second; wait until it answers again.
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    }
    bench::EndProgram(pi);
    KillConsoles();

    const std::vector<double> floor = BareStarts(runs);
    std::sort(ms.begin(), ms.end());
    const double median = ms.empty() ? 0 : ms[ms.size() / 2];
    const double floorMedian = floor.empty() ? 0 : floor[floor.size() / 2];
    std::printf(
        "release injected over the stop button to its console process created, %zu of %d runs timed: "
        "min %.2f ms, median %.2f ms, max %.2f ms\n",
        ms.size(), runs, ms.empty() ? 0 : ms.front(), median, ms.empty() ? 0 : ms.back());
    std::printf("  (includes the input path from SendInput to the window's message, and the process creation)\n");
    std::printf(
        "baseline: CreateProcessW of a hidden console called directly by a window program, %zu runs: "
        "min %.2f ms, median %.2f ms\n",
        floor.size(), floor.empty() ? 0 : floor.front(), floorMedian);
    std::printf("  ratio (release to console / bare process start): %.2fx, difference %.2f ms\n",
                floorMedian > 0 ? median / floorMedian : 0, median - floorMedian);
    return 0;
}
