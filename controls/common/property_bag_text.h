// The text form of a single stored value, as it appears after "Key = " in a design.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "controls/common/property_bag_core.h"

namespace kit {

// Values: "text" (escapes \" \\ \n \r \t \uXXXX), 123, -4, 6.75, &H00FF8080& (or &HFF8080), True, False,
// Font("Verdana", 6.75, 400, 134, False, False, False), Picture("name") or Picture(""). Reading never crashes;
// malformed text gives std::nullopt.
std::optional<Value> ParseValue(std::wstring_view text);
std::wstring PrintValue(const Value& value);

}  // namespace kit
