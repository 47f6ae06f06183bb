// The Windows side of a control's load: a trace of the loads that stopped early.
#pragma once

#include <string_view>

#include "controls/common/property_table.h"

namespace kit {

// Hands back whether the load was complete; when it was not, writes to the debug output which key stopped the load
// of `control`. A host calls it with its model's load, so a design with a bad value leaves a trace while the
// control still shows what was applied before that key.
bool ReportLoad(const LoadResult& result, std::wstring_view control);

}  // namespace kit
