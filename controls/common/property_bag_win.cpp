// Load traces on the debug output.
#include "controls/common/property_bag_win.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace kit {

bool ReportLoad(bool complete, std::wstring_view control, const PropertyBag& bag) {
    if (!complete) {
        const std::wstring line = L"Relanto: " + Describe(StopOf(control, bag)) + L"\n";
        OutputDebugStringW(line.c_str());
    }
    return complete;
}

}  // namespace kit
