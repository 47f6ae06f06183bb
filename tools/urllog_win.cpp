// Stand-in browser for tests: registered as the handler of http and https addresses in the test prefix, it
// appends each address it is asked to open to %RELANTO_URL_LOG% (or urllog.log beside it) and exits, showing no
// window.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform/utf8_win.h"
#include "tools/log_line_win.h"

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
    return standin::AppendToLog(log, plat::ToUtf8(argv[1]) + "\r\n") ? 0 : 1;
}
