// A window's design: one named bag per control it places, kept in a readable text form.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/common/property_bag_core.h"

namespace kit {

struct Design {
    std::vector<std::pair<std::wstring, PropertyBag>> controls;  // in order
    const PropertyBag* Find(std::wstring_view name) const;       // case-blind
};

// The text form:
//   # comment
//   [ControlName]
//   Key = value
// with values as ParseValue reads them. Parsing never crashes; on malformed input it returns std::nullopt and says
// where in `error`.
std::optional<Design> ParseDesign(std::wstring_view text, std::wstring* error = nullptr);
std::wstring PrintDesign(const Design& design);

// Where a control's load from its stored properties stopped: the control and the key whose value it refused.
struct LoadStop {
    std::wstring control;
    std::wstring key;
};

// After a load from `bag` returned false: the stop, named by the key the load read last.
LoadStop StopOf(std::wstring_view control, const PropertyBag& bag);
// The stop as one line of text, for a trace.
std::wstring Describe(const LoadStop& stop);

}  // namespace kit
