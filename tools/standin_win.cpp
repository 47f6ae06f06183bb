// Stand-in for adb.exe and gnirehtet.exe in tests and the demo folder: appends one line telling which
// program ran, with which arguments, in which folder and when, then exits with success.
// The log goes to %RELANTO_STANDIN_LOG%, or standin.log beside the stand-in.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

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
    const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;

    // name <TAB> arguments <TAB> working folder <TAB> time in 100 ns units
    const std::string line = Utf8(name) + "\t" + Utf8(Arguments()) + "\t" + Utf8(std::wstring(cwd, cwdLength)) + "\t" +
                             std::to_string(ticks) + "\r\n";
    // Several stand-ins may run at once: retry while another one holds the log.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            break;
        }
        Sleep(10);
    }
    return 0;
}
