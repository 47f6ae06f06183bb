// Stand-in for adb.exe and gnirehtet.exe in tests and the demo folder: appends one line telling which
// program ran, with which arguments, in which folder, when, and when the console that ran it was started, then
// exits with success. With %RELANTO_STANDIN_DEVICE% set to a serial, `adb devices` also prints the list the real
// tool prints with that one phone attached, so the demo's device check reads as a user's does; the tests' stand-ins
// print nothing.
// The log goes to %RELANTO_STANDIN_LOG%, or standin.log beside the stand-in.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "platform/utf8_win.h"
#include "tools/log_line_win.h"

namespace {

std::wstring ModulePath() {
    wchar_t buffer[4096];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 4096);
    return std::wstring(buffer, n);
}

// The command line after the program's own name, as the caller wrote it.
std::wstring Arguments() {
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

unsigned long long Ticks(const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// When the process that started this one (the console's interpreter) was created: the moment the program under
// test called CreateProcessW, free of the delay, which grows on a busy machine, before a stand-in runs. 0 when
// the parent is gone.
unsigned long long ParentCreated() {
    const DWORD self = GetCurrentProcessId();
    DWORD parent = 0;
    const plat::ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return 0;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        if (entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
    const plat::ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parent));
    FILETIME created, exited, kernel, user;
    if (!process || !GetProcessTimes(process.get(), &created, &exited, &kernel, &user)) return 0;
    return Ticks(created);
}

// "List of devices attached", the serial with its state, and the empty line that ends the list.
void PrintDeviceList(const std::wstring& name, const std::wstring& arguments) {
    wchar_t serial[128];
    const DWORD n = GetEnvironmentVariableW(L"RELANTO_STANDIN_DEVICE", serial, 128);
    if (n == 0 || n >= 128 || lstrcmpiW(name.c_str(), L"adb") != 0) return;
    std::wstring command = arguments;
    while (!command.empty() && (command.back() == L' ' || command.back() == L'\t')) command.pop_back();
    if (command != L"devices") return;
    const std::string list =
        "List of devices attached\r\n" + plat::ToUtf8(std::wstring(serial, n)) + "\tdevice\r\n\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), list.data(), static_cast<DWORD>(list.size()), &written, nullptr);
}

}  // namespace

int wmain() {
    const std::wstring path = ModulePath();
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    std::wstring name = path.substr(slash + 1);
    if (name.size() > 4) name.resize(name.size() - 4);

    wchar_t logBuffer[4096];
    DWORD n = GetEnvironmentVariableW(L"RELANTO_STANDIN_LOG", logBuffer, 4096);
    const std::wstring log =
        (n > 0 && n < 4096) ? std::wstring(logBuffer, n) : path.substr(0, slash) + L"\\standin.log";

    wchar_t cwd[4096];
    const DWORD cwdLength = GetCurrentDirectoryW(4096, cwd);
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);

    // name <TAB> arguments <TAB> working folder <TAB> time <TAB> console's start, times in 100 ns units
    using plat::ToUtf8;
    const std::string line = ToUtf8(name) + "\t" + ToUtf8(Arguments()) + "\t" + ToUtf8(std::wstring(cwd, cwdLength)) +
                             "\t" + std::to_string(Ticks(now)) + "\t" + std::to_string(ParentCreated()) + "\r\n";
    // A line the log could not take is kept beside it, so that a test missing a run can tell a lost line from a
    // console that never ran.
    if (!standin::AppendToLog(log, line)) standin::AppendToLog(log + L".unwritten", line);
    PrintDeviceList(name, Arguments());
    return 0;
}
