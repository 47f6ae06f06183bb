// Typed reading of stored values: numbers, booleans and numeric texts by value, within each type's range.
#include "controls/common/property_bag_convert.h"

#include <cmath>
#include <limits>

#include "controls/common/property_bag_detail.h"

namespace kit {
namespace detail {
namespace {

// Numeric reading of a text, as the conversions accept it: decimal or hex numbers and True/False, blanks aside.
std::optional<Number> NumericText(std::wstring_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > kMaxNumberChars) return std::nullopt;
    if (SameKey(text, L"True")) return Number{true, -1, 0};
    if (SameKey(text, L"False")) return Number{true, 0, 0};
    if (text[0] == L'&') {
        auto hex = ParseHexLiteral(text);
        if (!hex) return std::nullopt;
        return Number{true, *hex, 0};
    }
    return ParseDecimalLiteral(text);
}

// A whole number within [lo, hi]; decimals are rounded half to even first.
std::optional<std::int64_t> WholeIn(const Number& n, std::int64_t lo, std::int64_t hi) {
    std::int64_t value;
    if (n.whole) {
        value = n.i;
    } else {
        if (!std::isfinite(n.d)) return std::nullopt;
        const double r = std::nearbyint(n.d);
        if (r < static_cast<double>(lo) - 1.0 || r > static_cast<double>(hi) + 1.0) return std::nullopt;
        value = static_cast<std::int64_t>(r);
    }
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Number> NumericOf(const Value& v) {
    const auto& s = v.storage();
    if (auto* i = std::get_if<Integer>(&s)) return Number{true, i->value, 0};
    if (auto* d = std::get_if<double>(&s)) {
        if (!std::isfinite(*d)) return Number{false, 0, *d};
        return Number{false, 0, *d};
    }
    if (auto* b = std::get_if<bool>(&s)) return Number{true, *b ? -1 : 0, 0};
    if (auto* t = std::get_if<std::wstring>(&s)) return NumericText(*t);
    return std::nullopt;
}

bool SameNumber(const Number& a, const Number& b) {
    if (a.whole && b.whole) return a.i == b.i;
    return a.AsDouble() == b.AsDouble();
}

}  // namespace detail

using detail::BoolWord;
using detail::NumericOf;
using detail::PrintNumber;
using detail::WholeIn;

std::optional<OleColor> ToColor(const Value& v) {
    auto n = NumericOf(v);
    if (!n) return std::nullopt;
    auto w = WholeIn(*n, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::uint32_t>::max());
    if (!w) return std::nullopt;
    return static_cast<OleColor>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(*w) & 0xFFFFFFFFu));
}

std::optional<std::int16_t> ToBool16(const Value& v) {
    auto n = NumericOf(v);
    if (!n) return std::nullopt;
    if (!n->whole && std::isnan(n->d)) return std::nullopt;
    const bool set = n->whole ? n->i != 0 : n->d != 0.0;
    return set ? kTrue : kFalse;
}

std::optional<std::int16_t> ToInt16(const Value& v) {
    auto n = NumericOf(v);
    if (!n) return std::nullopt;
    auto w = WholeIn(*n, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
    if (!w) return std::nullopt;
    return static_cast<std::int16_t>(*w);
}

std::optional<std::int32_t> ToInt32(const Value& v) {
    auto n = NumericOf(v);
    if (!n) return std::nullopt;
    // Hex literals are bit patterns: &H80000008& is the negative 32-bit number with those bits.
    if (auto* i = std::get_if<Integer>(&v.storage()); i && i->hex && i->value > 0x7FFFFFFF && i->value <= 0xFFFFFFFF)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(i->value));
    auto w = WholeIn(*n, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    if (!w) return std::nullopt;
    return static_cast<std::int32_t>(*w);
}

std::optional<double> ToDouble(const Value& v) {
    auto n = NumericOf(v);
    if (!n) return std::nullopt;
    return n->AsDouble();
}

std::optional<std::wstring> ToText(const Value& v) {
    const auto& s = v.storage();
    if (std::holds_alternative<std::monostate>(s)) return std::wstring();
    if (auto* t = std::get_if<std::wstring>(&s)) return *t;
    if (auto* i = std::get_if<Integer>(&s)) return std::to_wstring(i->value);
    if (auto* d = std::get_if<double>(&s)) {
        std::wstring text = PrintNumber(*d);
        return text;
    }
    if (auto* b = std::get_if<bool>(&s)) return std::wstring(BoolWord(*b));
    return std::nullopt;
}

std::optional<Font> ToFont(const Value& v) {
    const auto& s = v.storage();
    if (auto* f = std::get_if<Font>(&s)) return *f;
    if (auto* t = std::get_if<std::wstring>(&s)) {
        Font f;
        f.name = *t;
        return f;
    }
    return std::nullopt;
}

std::optional<Picture> ToPicture(const Value& v) {
    const auto& s = v.storage();
    if (auto* p = std::get_if<Picture>(&s)) return *p;
    if (std::holds_alternative<std::monostate>(s)) return Picture{};
    return std::nullopt;
}

}  // namespace kit
