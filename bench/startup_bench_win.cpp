// Start-up benchmark: launches Relanto.exe (in a folder with the stand-in tools), the minimal Win32 program and
// the bare-window reference alternately, timing process creation to the first visible window and reading each process's
// peak memory, then prints medians and the ratios against the minimal program. Given a second Relanto.exe (an earlier
// build, say), it launches that one in the same rounds too and prints this build's ratios against it.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1_ids.h"
#include "bench/bench_win.h"
#include "controls/nshape/n_shape_win.h"

namespace {

struct Sample {
    double ms = 0;
    double privateMb = 0;
    double workingSetMb = 0;
};

using bench::KillConsoles;
using bench::VisibleWindowOf;

bool Measure(const std::wstring& exe, const std::wstring& folder, Sample* out) {
    PROCESS_INFORMATION pi;
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    if (!bench::StartProgram(exe, folder, &pi)) return false;
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
    // A program that is gone before it is ended has failed on its own: say which, so a rare crash is traced to
    // its program.
    DWORD code = STILL_ACTIVE;
    if (GetExitCodeProcess(pi.hProcess, &code) && code != STILL_ACTIVE)
        std::printf("%ls ended on its own during start-up with code 0x%08lX\n", exe.c_str(),
                    static_cast<unsigned long>(code));
    bench::EndProgram(pi);
    KillConsoles();
    out->ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
    out->privateMb = static_cast<double>(pmc.PeakPagefileUsage) / (1024.0 * 1024.0);
    out->workingSetMb = static_cast<double>(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
    return shown;
}

double CpuMs(HANDLE process) {
    FILETIME c, e, k, u;
    if (!GetProcessTimes(process, &c, &e, &k, &u)) return -1;
    return static_cast<double>(bench::Ticks(k) + bench::Ticks(u)) / 1e4;
}

// CPU that Relanto.exe spends over two seconds once started: with the pointer away from its window, resting on
// a button (the button polls for the pointer's leave), and away again (the poll must have stopped).
void IdleCpu(const std::wstring& exe, const std::wstring& folder) {
    PROCESS_INFORMATION pi;
    if (!bench::StartProgram(exe, folder, &pi)) return;
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
    bench::EndProgram(pi);
    KillConsoles();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The samples of one program over the rounds.
struct Series {
    std::vector<double> ms, privateMb, workingSetMb;
    void Add(const Sample& s) {
        ms.push_back(s.ms), privateMb.push_back(s.privateMb), workingSetMb.push_back(s.workingSetMb);
    }
    void Print(const char* label) const {
        std::printf("  %-18s %8.1f ms   peak private %6.2f MB   peak working set %6.2f MB\n", label, Median(ms),
                    Median(privateMb), Median(workingSetMb));
    }
    void PrintRatio(const char* label, const Series& base) const {
        std::printf("  ratio (%s): time %.2fx, peak private %.2fx, peak working set %.2fx\n", label,
                    Median(ms) / Median(base.ms), Median(privateMb) / Median(base.privateMb),
                    Median(workingSetMb) / Median(base.workingSetMb));
    }
};

}  // namespace

// StartupBench [runs] [baseline Relanto.exe]
int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? _wtoi(argv[1]) : 15;
    const std::wstring baselineExe = argc > 2 ? argv[2] : L"";
    const std::wstring dir = bench::ProgramDir();
    const std::wstring folder = bench::RelantoFolder(L"bench-startup", {});
    std::wstring baseline;
    if (!baselineExe.empty()) {
        baseline = bench::RelantoFolder(L"bench-startup-baseline", {});
        if (!CopyFileW(baselineExe.c_str(), (baseline + L"\\Relanto.exe").c_str(), FALSE)) {
            std::printf("the baseline %ls could not be copied\n", baselineExe.c_str());
            return 1;
        }
    }
    struct Program {
        const char* label;
        std::wstring exe, folder;
        Series samples;
    };
    std::vector<Program> programs = {{"BareWindow.exe", dir + L"\\BareWindow.exe", dir, {}},
                                     {"Relanto.exe", folder + L"\\Relanto.exe", folder, {}},
                                     {"MinimalWindow.exe", dir + L"\\MinimalWindow.exe", dir, {}}};
    if (!baseline.empty()) programs.push_back({"baseline Relanto", baseline + L"\\Relanto.exe", baseline, {}});
    // One warm-up of each, then alternate so all see the same machine state; every other round runs in the
    // reverse order, so no program always follows the same one.
    Sample s;
    for (const Program& program : programs) Measure(program.exe, program.folder, &s);
    for (int i = 0; i < runs; ++i) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[i % 2 ? programs.size() - 1 - k : k];
            if (!Measure(program.exe, program.folder, &s)) {
                std::printf("%s showed no window\n", program.label);
                return 1;
            }
            program.samples.Add(s);
        }
    }
    const Series& bare = programs[0].samples;
    const Series& relanto = programs[1].samples;
    const Series& minimal = programs[2].samples;
    std::printf("start-up to first visible window, median of %d runs\n", runs);
    relanto.Print("Relanto.exe");
    minimal.Print("MinimalWindow.exe");
    bare.Print("BareWindow.exe");
    if (!baseline.empty()) programs[3].samples.Print("baseline Relanto");
    relanto.PrintRatio("Relanto / minimal", minimal);
    relanto.PrintRatio("Relanto / bare window, no manifest, no control", bare);
    if (!baseline.empty()) {
        relanto.PrintRatio("Relanto / baseline Relanto", programs[3].samples);
        // Each round's own ratio, so a machine that slows down for a while weighs on both sides alike.
        std::vector<double> paired;
        for (int i = 0; i < runs; ++i) paired.push_back(relanto.ms[i] / programs[3].samples.ms[i]);
        std::printf("  ratio (Relanto / baseline Relanto), median of the rounds' own ratios: time %.2fx\n",
                    Median(paired));
        programs[3].samples.PrintRatio("baseline Relanto / minimal", minimal);
    }
    IdleCpu(folder + L"\\Relanto.exe", folder);
    return 0;
}
