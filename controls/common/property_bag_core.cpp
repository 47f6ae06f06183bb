// Typed values and the case-blind bag that stores them.
#include "controls/common/property_bag_core.h"

#include <cmath>

#include "controls/common/property_bag_detail.h"

namespace kit {
namespace {

using detail::NumericOf;
using detail::SameKey;
using detail::SameNumber;

double RoundFontSize(double size) {
    if (!std::isfinite(size)) return size;
    const double scaled = std::round(size * 10000.0);
    if (!std::isfinite(scaled)) return size;
    return scaled / 10000.0;
}

}  // namespace

bool Font::operator==(const Font& o) const {
    return SameKey(name, o.name) && RoundFontSize(size) == RoundFontSize(o.size) && weight == o.weight &&
           charset == o.charset && italic == o.italic && underline == o.underline && strikethrough == o.strikethrough;
}

Value::Value(Font font) {
    font.size = RoundFontSize(font.size);
    v_ = std::move(font);
}

bool Value::SameAs(const Value& other) const {
    const auto& a = v_;
    const auto& b = other.v_;
    if (std::holds_alternative<std::monostate>(a) || std::holds_alternative<std::monostate>(b))
        return std::holds_alternative<std::monostate>(a) && std::holds_alternative<std::monostate>(b);
    if (auto* fa = std::get_if<Font>(&a)) {
        auto* fb = std::get_if<Font>(&b);
        return fb && *fa == *fb;
    }
    if (auto* pa = std::get_if<Picture>(&a)) {
        auto* pb = std::get_if<Picture>(&b);
        return pb && *pa == *pb;
    }
    if (std::holds_alternative<Font>(b) || std::holds_alternative<Picture>(b)) return false;
    const auto na = NumericOf(*this);
    const auto nb = NumericOf(other);
    if (na && nb) return SameNumber(*na, *nb);
    const auto* ta = std::get_if<std::wstring>(&a);
    const auto* tb = std::get_if<std::wstring>(&b);
    return ta && tb && *ta == *tb;
}

bool Value::operator==(const Value& other) const {
    if (v_.index() != other.v_.index()) return false;
    if (auto* i = std::get_if<Integer>(&v_)) return i->value == std::get<Integer>(other.v_).value;
    if (auto* d = std::get_if<double>(&v_)) {
        const double e = std::get<double>(other.v_);
        return *d == e || (std::isnan(*d) && std::isnan(e));
    }
    if (auto* t = std::get_if<std::wstring>(&v_)) return *t == std::get<std::wstring>(other.v_);
    if (auto* b = std::get_if<bool>(&v_)) return *b == std::get<bool>(other.v_);
    if (auto* f = std::get_if<Font>(&v_)) return *f == std::get<Font>(other.v_);
    if (auto* p = std::get_if<Picture>(&v_)) return *p == std::get<Picture>(other.v_);
    return true;  // both empty
}

Value PropertyBag::Read(std::wstring_view key, const Value& fallback) const {
    for (const auto& e : entries_) {
        if (SameKey(e.first, key)) {
            lastRead_ = e.first;  // as the design spells it
            return e.second;
        }
    }
    lastRead_.assign(key.data(), key.size());
    return fallback;
}

void PropertyBag::Write(std::wstring_view key, const Value& value, const Value& saveDefault) {
    if (value.SameAs(saveDefault)) {
        Remove(key);
        return;
    }
    WriteAlways(key, value);
}

void PropertyBag::WriteAlways(std::wstring_view key, const Value& value) {
    for (auto& e : entries_) {
        if (SameKey(e.first, key)) {
            e.second = value;
            return;
        }
    }
    entries_.emplace_back(std::wstring(key), value);
}

bool PropertyBag::Has(std::wstring_view key) const {
    for (const auto& e : entries_)
        if (SameKey(e.first, key)) return true;
    return false;
}

void PropertyBag::Remove(std::wstring_view key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (SameKey(it->first, key)) {
            entries_.erase(it);
            return;
        }
    }
}

}  // namespace kit
