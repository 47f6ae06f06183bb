// The container's property bag shared by every control of the kit: typed values, case-blind keys, omission of
// values equal to their default, and a readable text form in which the windows' designs are kept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kit {

// 32-bit OLE colour, &H00BBGGRR&; the high bit set names a system colour by its index in the low byte.
using OleColor = std::uint32_t;

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
    static Value Color(OleColor colour) { return Value(Storage(Integer{static_cast<std::int64_t>(colour), true})); }
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

// Typed conversions; std::nullopt is a failed conversion, which stops a control's load at that key.
std::optional<OleColor> ToColor(const Value& v);       // integers in 32-bit range, "&H…[&]" and decimal texts
std::optional<std::int16_t> ToBool16(const Value& v);  // booleans, numbers (non-zero is True), "True"/"False"
std::optional<std::int16_t> ToInt16(const Value& v);   // whole values in 16-bit range (decimals rounded)
std::optional<std::int32_t> ToInt32(const Value& v);   // whole values in 32-bit range (decimals rounded)
std::optional<double> ToDouble(const Value& v);
std::optional<std::wstring> ToText(const Value& v);  // numbers and booleans as text; not fonts or pictures
std::optional<Font> ToFont(const Value& v);          // a font; a text becomes a font of that name
std::optional<Picture> ToPicture(const Value& v);    // a picture; the empty value is no picture

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

// A window's design: one named bag per control it places, in order.
struct Design {
    std::vector<std::pair<std::wstring, PropertyBag>> controls;
    const PropertyBag* Find(std::wstring_view name) const;  // case-blind
};

// The text form:
//   # comment
//   [ControlName]
//   Key = value
// Values: "text" (escapes \" \\ \n \r \t \uXXXX), 123, -4, 6.75, &H00FF8080& (or &HFF8080), True, False,
// Font("Verdana", 6.75, 400, 134, False, False, False), Picture("name") or Picture(""). Parsing never
// crashes; on malformed input it returns std::nullopt and says where in `error`.
std::optional<Design> ParseDesign(std::wstring_view text, std::wstring* error = nullptr);
std::wstring PrintDesign(const Design& design);
// A single value, as it appears after "Key = ".
std::optional<Value> ParseValue(std::wstring_view text);
std::wstring PrintValue(const Value& value);

}  // namespace kit
