// Console-start stress: starts consoles the way Relanto.exe does (the program's own console runner and process
// starter: visible "cmd /k" consoles with their banners and hidden "cmd /c" ones, the tools as stand-ins), in
// batches, and counts what reached the tool. A start the system refused and that a later try made good is a
// retried start; a start that never reached its tool, whether every try was refused or the interpreter never ran
// the tool, is a lost start.
//   ConsoleStress.exe [starts=3000] [batch=8] [minutes=25]
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/console.h"
#include "bench/bench_win.h"
#include "fakes.h"
#include "platform/platform_win.h"
#include "platform/utf8_win.h"

namespace {

using app::ConsoleRow;

// Passes every start to the program's own starter and counts the refusals.
struct CountingStarter final : plat::ProcessStarter {
    plat::ProcessStarter& inner;
    unsigned long refused = 0;
    explicit CountingStarter(plat::ProcessStarter& starter) : inner(starter) {}
    plat::StartResult StartConsole(const std::wstring& line, plat::ShowState show) override {
        const plat::StartResult result = inner.StartConsole(line, show);
        if (!result.started) {
            ++refused;
            std::printf("refused: error %lu (%s): %s\n", result.error, plat::ToUtf8(result.reason).c_str(),
                        plat::ToUtf8(line.substr(0, line.find(L" && "))).c_str());
        }
        return result;
    }
};

// The arguments the stand-in logs for each row: the interpreter hands the tool the text up to the banner's "&&".
struct Row {
    ConsoleRow row;
    const char* logged;  // "<program> <arguments>"
};
const Row kRows[] = {
    {ConsoleRow::DeviceCheck, "adb devices "},
    {ConsoleRow::RelayStop, "gnirehtet stop"},
    {ConsoleRow::RelayStart, "gnirehtet start"},
    {ConsoleRow::RelayRun, "gnirehtet relay"},
    {ConsoleRow::InstallClient, "adb install -r .Client\\gnirehtet.apk "},
    {ConsoleRow::AirplaneOn, "adb shell cmd connectivity airplane-mode enable"},
    {ConsoleRow::PushClient, "adb push .Client\\gnirehtet.apk sdcard/"},
    {ConsoleRow::AirplaneOff, "adb shell cmd connectivity airplane-mode disable"},
};

// "<program> <arguments>" of each line of the stand-ins' log.
std::vector<std::string> LoggedRuns(const std::wstring& log) {
    std::vector<std::string> runs;
    const plat::ScopedHandle file(
        CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return runs;
    std::string bytes;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(file.get(), buffer, sizeof(buffer), &n, nullptr) && n > 0) bytes.append(buffer, n);
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = bytes.substr(start, end - start);
        const std::string::size_type program = line.find('\t');
        const std::string::size_type arguments = line.find('\t', program + 1);
        if (program == std::string::npos || arguments == std::string::npos) continue;
        runs.push_back(line.substr(0, program) + " " + line.substr(program + 1, arguments - program - 1));
    }
    return runs;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const long starts = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 3000;
    const long batch = std::max(1L, argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 8);
    const double minutes = argc > 3 ? std::wcstod(argv[3], nullptr) : 25;

    // The consoles run in a folder of their own holding the stand-ins, as the program's do in the user's folder.
    const std::wstring dir = bench::ProgramDir();
    const std::wstring folder = dir + L"\\stress";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* tool : {L"\\adb.exe", L"\\gnirehtet.exe"})
        CopyFileW((dir + tool).c_str(), (folder + tool).c_str(), FALSE);
    const std::wstring log = folder + L"\\standin.log";
    DeleteFileW(log.c_str());
    DeleteFileW((log + L".unwritten").c_str());
    SetEnvironmentVariableW(L"RELANTO_STANDIN_LOG", log.c_str());
    SetCurrentDirectoryW(folder.c_str());

    CountingStarter starter(*plat::Win32Services().process);
    fakes::Field text8(L""), intertext(L"");
    app::Console console(starter, *plat::Win32Services().sleeper, text8, intertext);

    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(minutes * 60000);
    long started = 0, retried = 0, lost = 0, next = 0;
    std::size_t logged = 0;
    while (started < starts && GetTickCount64() < deadline) {
        std::map<std::string, int> expected;
        long inBatch = 0;
        for (; inBatch < batch && started < starts; ++inBatch, ++started, ++next) {
            const Row& row = kRows[next % (sizeof(kRows) / sizeof(kRows[0]))];
            const unsigned long refusedBefore = starter.refused;
            if (!console.Run(row.row)) {
                ++lost;
                std::printf("lost: every try refused: %s\n", row.logged);
                continue;
            }
            if (starter.refused != refusedBefore) ++retried;
            ++expected[row.logged];
        }
        console.TakeFailures();
        long awaited = 0;
        for (const auto& e : expected) awaited += e.second;
        // Every started console's tool logs within the limit, however slow the machine; a missing line is a lost
        // start.
        std::vector<std::string> runs;
        for (int i = 0; i < 3000; ++i) {
            runs = LoggedRuns(log);
            if (runs.size() >= logged + static_cast<std::size_t>(awaited)) break;
            Sleep(10);
        }
        for (std::size_t i = logged; i < runs.size(); ++i) --expected[runs[i]];
        for (const auto& e : expected) {
            if (e.second <= 0) continue;
            lost += e.second;
            std::printf("lost: the tool never ran: %s (x%d) [running now: %zu cmd.exe]\n", e.first.c_str(), e.second,
                        bench::ProcessesNamed({L"cmd.exe"}).size());
        }
        logged = runs.size();
        // The visible consoles wait for a key: ended here as the tests end them.
        bench::KillConsoles();
        if (started % 400 < batch) std::printf("... %ld starts, %ld retried, %ld lost\n", started, retried, lost);
        std::fflush(stdout);
    }
    std::printf("console starts: %ld, lost: %ld, retried: %ld (refused tries: %lu)%s\n", started, lost, retried,
                starter.refused, started < starts ? " [stopped at the time limit]" : "");
    return lost == 0 ? 0 : 1;
}
