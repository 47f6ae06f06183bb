// Stand-in browser for tests: registered as the handler of http and https addresses in the test prefix, it
// appends each address it is asked to open to %RELANTO_URL_LOG% (or urllog.log beside it) and exits.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    wchar_t logBuffer[4096];
    const DWORD n = GetEnvironmentVariableW(L"RELANTO_URL_LOG", logBuffer, 4096);
    std::wstring log;
    if (n > 0 && n < 4096) {
        log.assign(logBuffer, n);
    } else {
        wchar_t self[4096];
        const DWORD len = GetModuleFileNameW(nullptr, self, 4096);
        log.assign(self, len);
        log = log.substr(0, log.find_last_of(L"\\/")) + L"\\urllog.log";
    }
    const std::wstring address = argv[1];
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, address.c_str(), static_cast<int>(address.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string line(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, address.c_str(), static_cast<int>(address.size()), &line[0], bytes, nullptr,
                        nullptr);
    line += "\r\n";
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return 0;
        }
        Sleep(10);
    }
    return 1;
}
