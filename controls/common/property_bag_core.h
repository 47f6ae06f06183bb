// The bag itself: typed values, case-blind keys and the omission of values equal to their default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/ole_color.h"

namespace kit {

// The kit stores and paints the platform's colour type.
using plat::OleColor;
namespace syscolor = plat::syscolor;

// 16-bit booleans as the controls store them.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

struct Font {
    std::wstring name = L"MS Sans Serif";
    double size = 8.25;  // points, kept to four decimals
    int weight = 400;
    int charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool operator==(const Font& o) const;
    bool operator!=(const Font& o) const { return !(*this == o); }
};

// A picture by reference to an image the program carries (a resource name); an empty name is no picture.
struct Picture {
    std::wstring ref;
    bool empty() const { return ref.empty(); }
    bool operator==(const Picture& o) const { return ref == o.ref; }
    bool operator!=(const Picture& o) const { return ref != o.ref; }
};

// A stored value. Whole numbers remember whether they were written as &H…& colour literals, for printing only.
struct Integer {
    std::int64_t value = 0;
    bool hex = false;
};

class Value {
public:
    using Storage = std::variant<std::monostate, std::wstring, Integer, double, bool, Font, Picture>;

    Value() = default;
    Value(const wchar_t* text) : v_(std::wstring(text)) {}
    Value(std::wstring text) : v_(std::move(text)) {}
    Value(int number) : v_(Integer{number, false}) {}
    Value(std::int64_t number) : v_(Integer{number, false}) {}
    Value(double number) : v_(number) {}
    Value(bool flag) : v_(flag) {}
    Value(Font font);  // the size is kept to four decimals
    Value(Picture picture) : v_(std::move(picture)) {}
    static Value Color(OleColor color) { return Value(Storage(Integer{static_cast<std::int64_t>(color), true})); }
    static Value Bool16(std::int16_t flag) { return Value(flag != 0); }

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    const Storage& storage() const { return v_; }

    // Loose equality used for omitting defaults: numbers, booleans and numeric texts ("&HFF8080", "8", "True")
    // compare by value; other texts by their characters; fonts and pictures field by field.
    bool SameAs(const Value& other) const;
    // Strict equality: same kind and same content (the hex flag aside).
    bool operator==(const Value& other) const;
    bool operator!=(const Value& other) const { return !(*this == other); }

private:
    explicit Value(Storage s) : v_(std::move(s)) {}
    Storage v_;
};

class PropertyBag {
public:
    // The stored value of `key` (case-blind), or `fallback` when the key is absent.
    Value Read(std::wstring_view key, const Value& fallback) const;
    // Stores `value`, or removes the key when `value` is the same as `saveDefault` (Value::SameAs).
    void Write(std::wstring_view key, const Value& value, const Value& saveDefault);
    // Stores `value` unconditionally (keys that have no save default).
    void WriteAlways(std::wstring_view key, const Value& value);
    bool Has(std::wstring_view key) const;
    void Remove(std::wstring_view key);
    void Clear() { entries_.clear(); }
    const std::vector<std::pair<std::wstring, Value>>& entries() const { return entries_; }

private:
    std::vector<std::pair<std::wstring, Value>> entries_;  // in the order first written
};

}  // namespace kit
