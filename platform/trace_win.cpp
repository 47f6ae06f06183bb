// Sends trace lines to the debugger's output, so a swallowed failure still shows in a debugger or DebugView.
#include "platform/trace_win.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform/trace.h"

namespace plat {
namespace {

void DebugLine(const std::string& line) {
    const std::string text = line + "\n";
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<std::size_t>(n) : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    OutputDebugStringW(wide.c_str());
}

}  // namespace

void TraceToDebugger() noexcept { SetTraceSink(&DebugLine); }

void TraceCaughtHere(const char* where) noexcept {
    static const bool installed = (TraceToDebugger(), true);
    (void)installed;
    std::string what;
    try {
        what = DescribeCurrentException();
    } catch (const std::exception&) {
        what = {};  // no memory to describe it: the line names only the place
    }
    RecordCaught(where, what);
}

}  // namespace plat
