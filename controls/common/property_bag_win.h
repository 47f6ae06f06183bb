// The Windows side of the property bag: a trace of the loads that stopped early.
#pragma once

#include <string_view>

#include "controls/common/property_bag.h"

namespace kit {

// Hands back `complete`; when it is false, writes to the debug output which key of `bag` stopped the load of
// `control`. A host calls it with the result of its model's load, so a design with a bad value leaves a trace
// while the control still shows what was applied before that key.
bool ReportLoad(bool complete, std::wstring_view control, const PropertyBag& bag);

}  // namespace kit
