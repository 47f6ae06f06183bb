// Start-up benchmark: launches Relanto.exe (in a folder with the stand-in tools), the minimal Win32 program and
// the bare-window reference alternately, timing process creation to the first visible window and reading each process's
// peak memory, then prints medians and the ratios against the minimal program.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1_ids.h"
#include "controls/nshape/n_shape_win.h"

namespace {

struct Sample {
    double ms = 0;
    double privateMb = 0;
    double workingSetMb = 0;
};

std::wstring Dir() {
    wchar_t buffer[4096];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 4096);
    std::wstring path(buffer, n);
    return path.substr(0, path.find_last_of(L"\\/"));
}

struct Find {
    DWORD pid;
    HWND found;
};

HWND VisibleWindowOf(DWORD pid) {
    Find f{pid, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* f = reinterpret_cast<Find*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == f->pid && IsWindowVisible(w)) {
                f->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&f));
    return f.found;
}

void KillConsoles() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W e = {};
    e.dwSize = sizeof(e);
    for (BOOL more = Process32FirstW(snapshot, &e); more; more = Process32NextW(snapshot, &e)) {
        if (lstrcmpiW(e.szExeFile, L"cmd.exe") != 0 && lstrcmpiW(e.szExeFile, L"adb.exe") != 0) continue;
        HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, e.th32ProcessID);
        if (p) {
            TerminateProcess(p, 0);
            WaitForSingleObject(p, 5000);
            CloseHandle(p);
        }
    }
    CloseHandle(snapshot);
}

bool Measure(const std::wstring& exe, const std::wstring& folder, Sample* out) {
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    if (!CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return false;
    bool shown = false;
    for (int spin = 0; spin < 200000 && !shown; ++spin) {
        shown = VisibleWindowOf(pi.dwProcessId) != nullptr;
        if (!shown) Sleep(0);
    }
    QueryPerformanceCounter(&t1);
    // The peak is read once start-up is over: the first paint and the option load are done when the peak has not
    // moved over several readings. Waiting for input idle alone is not enough: a program that waits for messages
    // once before its window is shown counts as idle from then on.
    WaitForInputIdle(pi.hProcess, 2000);
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof(pmc);
    SIZE_T last = 0;
    for (int steady = 0, reads = 0; steady < 5 && reads < 200; ++reads) {
        Sleep(20);
        GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof(pmc));
        steady = pmc.PeakPagefileUsage == last && pmc.PeakWorkingSetSize > 0 ? steady + 1 : 0;
        last = pmc.PeakPagefileUsage;
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    KillConsoles();
    out->ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
    out->privateMb = static_cast<double>(pmc.PeakPagefileUsage) / (1024.0 * 1024.0);
    out->workingSetMb = static_cast<double>(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
    return shown;
}

double CpuMs(HANDLE process) {
    FILETIME c, e, k, u;
    if (!GetProcessTimes(process, &c, &e, &k, &u)) return -1;
    const auto ticks = [](const FILETIME& f) {
        return static_cast<double>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime);
    };
    return (ticks(k) + ticks(u)) / 1e4;
}

// CPU that Relanto.exe spends over two seconds once started: with the pointer away from its window, resting on
// a button (the button polls for the pointer's leave), and away again (the poll must have stopped).
void IdleCpu(const std::wstring& exe, const std::wstring& folder) {
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) return;
    HWND main = nullptr;
    for (int i = 0; i < 2500 && !(main = VisibleWindowOf(pi.dwProcessId)); ++i) Sleep(2);
    WaitForInputIdle(pi.hProcess, 5000);
    KillConsoles();
    RECT r = {};
    GetWindowRect(main, &r);
    // A real pointer move, so the windows under the pointer hear of it.
    const auto moveTo = [](int x, int y) {
        SetCursorPos(x, y);
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE;
        SendInput(1, &in, sizeof(in));
        Sleep(500);
    };
    const auto measure = [&](const char* label) {
        const double before = CpuMs(pi.hProcess);
        Sleep(2000);
        std::printf("  %-42s %5.0f ms of CPU in 2 s\n", label, CpuMs(pi.hProcess) - before);
    };
    std::printf("Relanto.exe idle:\n");
    moveTo(r.right + 200, r.bottom + 200);
    measure("pointer outside the window");
    RECT button = {};
    GetWindowRect(GetDlgItem(main, app::kIdShape2start), &button);
    const POINT onButton = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    moveTo(onButton.x, onButton.y);
    wchar_t cls[64] = L"";
    GetClassNameW(WindowFromPoint(onButton), cls, 64);
    measure(lstrcmpW(cls, kit::kNShapeClass) == 0 ? "pointer resting on a button"
                                                  : "pointer resting (not on a button)");
    moveTo(r.right + 200, r.bottom + 200);
    measure("pointer outside again");
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    KillConsoles();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 15;
    const std::wstring dir = Dir();
    // A folder with the files the start-up check wants, so Relanto.exe shows its window.
    const std::wstring folder = dir + L"\\bench-startup";
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((dir + L"\\Relanto.exe").c_str(), (folder + L"\\Relanto.exe").c_str(), FALSE);
    CopyFileW((dir + L"\\adb.exe").c_str(), (folder + L"\\adb.exe").c_str(), FALSE);
    for (const wchar_t* dll : {L"\\AdbWinApi.dll", L"\\AdbWinUsbApi.dll"}) {
        HANDLE f = CreateFileW((folder + dll).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(f);
    }
    SetEnvironmentVariableW(L"RELANTO_STANDIN_LOG", (folder + L"\\standin.log").c_str());

    std::vector<double> relT, relP, relW, minT, minP, minW, bareT, bareP, bareW;
    // One warm-up of each, then alternate so all see the same machine state.
    Sample s;
    Measure(folder + L"\\Relanto.exe", folder, &s);
    Measure(dir + L"\\MinimalWindow.exe", dir, &s);
    Measure(dir + L"\\BareWindow.exe", dir, &s);
    for (int i = 0; i < runs; ++i) {
        if (!Measure(dir + L"\\BareWindow.exe", dir, &s)) {
            std::printf("BareWindow.exe showed no window\n");
            return 1;
        }
        bareT.push_back(s.ms), bareP.push_back(s.privateMb), bareW.push_back(s.workingSetMb);
        if (!Measure(folder + L"\\Relanto.exe", folder, &s)) {
            std::printf("Relanto.exe showed no window\n");
            return 1;
        }
        relT.push_back(s.ms), relP.push_back(s.privateMb), relW.push_back(s.workingSetMb);
        if (!Measure(dir + L"\\MinimalWindow.exe", dir, &s)) {
            std::printf("MinimalWindow.exe showed no window\n");
            return 1;
        }
        minT.push_back(s.ms), minP.push_back(s.privateMb), minW.push_back(s.workingSetMb);
    }
    std::printf("start-up to first visible window, median of %d runs\n", runs);
    std::printf("  Relanto.exe        %8.1f ms   peak private %6.2f MB   peak working set %6.2f MB\n", Median(relT),
                Median(relP), Median(relW));
    std::printf("  MinimalWindow.exe  %8.1f ms   peak private %6.2f MB   peak working set %6.2f MB\n", Median(minT),
                Median(minP), Median(minW));
    std::printf("  BareWindow.exe     %8.1f ms   peak private %6.2f MB   peak working set %6.2f MB\n", Median(bareT),
                Median(bareP), Median(bareW));
    std::printf("  ratio (Relanto / minimal): time %.2fx, peak private %.2fx, peak working set %.2fx\n",
                Median(relT) / Median(minT), Median(relP) / Median(minP), Median(relW) / Median(minW));
    std::printf(
        "  ratio (Relanto / bare window, no manifest, no control): time %.2fx, peak private %.2fx, "
        "peak working set %.2fx\n",
        Median(relT) / Median(bareT), Median(relP) / Median(bareP), Median(relW) / Median(bareW));
    IdleCpu(folder + L"\\Relanto.exe", folder);
    return 0;
}
