// Typed reading of stored values, as the controls' loads apply them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "controls/common/property_bag_core.h"

namespace kit {

// Typed conversions; std::nullopt is a failed conversion, which stops a control's load at that key.
std::optional<OleColor> ToColor(const Value& v);       // integers in 32-bit range, "&H…[&]" and decimal texts
std::optional<std::int16_t> ToBool16(const Value& v);  // booleans, numbers (non-zero is True), "True"/"False"
std::optional<std::int16_t> ToInt16(const Value& v);   // whole values in 16-bit range (decimals rounded)
std::optional<std::int32_t> ToInt32(const Value& v);   // whole values in 32-bit range (decimals rounded)
std::optional<double> ToDouble(const Value& v);
std::optional<std::wstring> ToText(const Value& v);  // numbers and booleans as text; not fonts or pictures
std::optional<Font> ToFont(const Value& v);          // a font; a text becomes a font of that name
std::optional<Picture> ToPicture(const Value& v);    // a picture; the empty value is no picture

}  // namespace kit
