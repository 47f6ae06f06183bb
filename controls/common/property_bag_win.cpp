// Load traces on the debug output.
#include "controls/common/property_bag_win.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace kit {

bool ReportLoad(const LoadResult& result, std::wstring_view control) {
    if (!result) {
        const std::wstring line = L"Relanto: " + DescribeStop(control, result) + L"\n";
        OutputDebugStringW(line.c_str());
    }
    return static_cast<bool>(result);
}

}  // namespace kit
