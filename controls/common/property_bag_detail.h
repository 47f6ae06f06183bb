// Pieces the property bag's files share and no control needs: case-blind keys, blanks, and numbers as the
// text form writes them and the conversions read them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/common/property_bag_core.h"

namespace kit::detail {

// Inputs past this size are refused outright, so no input can make a number's reading work without bound.
constexpr std::size_t kMaxNumberChars = 400;

inline wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

inline bool SameKey(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

inline bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

inline std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && (IsBlank(s.front()) || s.front() == L'\r')) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == L'\r')) s.remove_suffix(1);
    return s;
}

inline int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// A number as the conversions see it: whole (int64) or decimal.
struct Number {
    bool whole = true;
    std::int64_t i = 0;
    double d = 0;
    double AsDouble() const { return whole ? static_cast<double>(i) : d; }
};

// The literals of the text form (property_bag_text.cpp).
// "&H" followed by 1 to 8 hex digits and an optional "&": an unsigned 32-bit bit pattern.
std::optional<std::int64_t> ParseHexLiteral(std::wstring_view s);
// Decimal literal: [+-]digits[.digits][(e|E)[+-]digits]. Whole when it has neither a point nor an exponent.
std::optional<Number> ParseDecimalLiteral(std::wstring_view s);
// A decimal as the text a conversion gives for it, and a font's size.
std::wstring PrintNumber(double d);
const wchar_t* BoolWord(bool b);

// The numeric reading of a value (property_bag_convert.cpp): numbers, booleans and numeric texts.
std::optional<Number> NumericOf(const Value& v);
bool SameNumber(const Number& a, const Number& b);

}  // namespace kit::detail
