// Fuzz target: the typed conversions of stored values (colours, booleans, whole and decimal numbers, texts, fonts,
// pictures) and the loose comparison that omits defaults. Each value is made three ways from the input: the
// bytes as a stored text, the bytes as a value's text form, and the bytes as the recipe of a value of any kind.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "controls/common/property_bag.h"
#include "fuzz_support.h"
#include "value_builder.h"

namespace {

void CheckConversions(const kit::Value& v) {
    const auto color = kit::ToColor(v);
    const auto flag = kit::ToBool16(v);
    const auto i16 = kit::ToInt16(v);
    const auto i32 = kit::ToInt32(v);
    const auto number = kit::ToDouble(v);
    const auto text = kit::ToText(v);
    const auto font = kit::ToFont(v);
    const auto picture = kit::ToPicture(v);
    const auto& s = v.storage();
    const std::wstring shown = kit::PrintValue(v);

    if (flag) fuzz::Require(*flag == kit::kTrue || *flag == kit::kFalse, "a 16-bit boolean is -1 or 0", shown);
    if (flag && number && !std::isnan(*number))
        fuzz::Require(*flag == (*number != 0 ? kit::kTrue : kit::kFalse), "non-zero numbers are True", shown);
    if (!flag) fuzz::Require(!number || std::isnan(*number), "every number but NaN is a boolean", shown);

    // A 16-bit number is a 32-bit one is a colour: the ranges nest.
    if (i16) fuzz::Require(i32 && *i32 == *i16, "a 16-bit number is also the same 32-bit number", shown);
    if (i32) fuzz::Require(color && *color == static_cast<std::uint32_t>(*i32), "a 32-bit number is a colour", shown);

    const auto* integer = std::get_if<kit::Integer>(&s);
    const bool bitPattern = integer && integer->hex && integer->value > 0x7FFFFFFF;
    if (i32 && number && !bitPattern) {
        fuzz::Require(std::fabs(static_cast<double>(*i32) - *number) <= 0.5, "a whole number is the nearest one",
                      shown);
    }
    if (integer) {
        fuzz::Require(number && *number == static_cast<double>(integer->value), "an integer reads as itself", shown);
        const bool in16 = integer->value >= -32768 && integer->value <= 32767;
        fuzz::Require(i16.has_value() == in16, "16-bit range of an integer", shown);
        if (in16) fuzz::Require(*i16 == integer->value, "an integer in range converts exactly", shown);
    }
    if (const auto* d = std::get_if<double>(&s))
        fuzz::Require(number && (*number == *d || (std::isnan(*d) && std::isnan(*number))), "a decimal reads as itself",
                      shown);
    if (const auto* b = std::get_if<bool>(&s))
        fuzz::Require(number && *number == (*b ? -1.0 : 0.0) && flag && *flag == (*b ? kit::kTrue : kit::kFalse),
                      "a boolean reads as -1 or 0", shown);

    // Texts: a stored text is itself; the text of a number reads back as the same number.
    const auto* stored = std::get_if<std::wstring>(&s);
    if (stored) fuzz::Require(text && *text == *stored, "a stored text converts to itself", shown);
    const bool numeric = integer || std::holds_alternative<double>(s) || std::holds_alternative<bool>(s);
    if (numeric) {
        fuzz::Require(text.has_value(), "a number has a text", shown);
        if (number && std::isfinite(*number)) {
            const auto back = kit::ToDouble(kit::Value(*text));
            fuzz::Require(back && *back == *number, "the text of a number reads back as that number", *text);
            fuzz::Require(v.SameAs(kit::Value(*text)), "a number is the same as its text", *text);
        }
    }
    const bool fontOrPicture = std::holds_alternative<kit::Font>(s) || std::holds_alternative<kit::Picture>(s);
    if (fontOrPicture) fuzz::Require(!text && !number && !color, "fonts and pictures are not numbers or texts", shown);

    if (stored) fuzz::Require(font && font->name == *stored, "a text names a font", shown);
    if (const auto* f = std::get_if<kit::Font>(&s)) fuzz::Require(font && *font == *f, "a font is itself", shown);
    if (!stored && !std::holds_alternative<kit::Font>(s)) fuzz::Require(!font, "only texts and fonts are fonts", shown);

    if (v.IsEmpty()) fuzz::Require(picture && picture->empty(), "the empty value is no picture", shown);
    if (const auto* p = std::get_if<kit::Picture>(&s))
        fuzz::Require(picture && *picture == *p, "a picture is itself", shown);
    if (!v.IsEmpty() && !std::holds_alternative<kit::Picture>(s))
        fuzz::Require(!picture, "only pictures and the empty value are pictures", shown);
}

// The loose comparison decides which keys a bag leaves out, so it must not depend on the order of its operands.
void CheckPair(const kit::Value& a, const kit::Value& b) {
    const bool same = a.SameAs(b);
    fuzz::Require(same == b.SameAs(a), "SameAs is symmetric", kit::PrintValue(a) + L" / " + kit::PrintValue(b));
    kit::PropertyBag bag;
    bag.WriteAlways(L"Other", kit::Value(1));
    bag.Write(L"Key", a, b);
    fuzz::Require(bag.Has(L"KEY") != same, "a value the same as its default is left out", kit::PrintValue(a));
    if (!same) fuzz::Require(bag.Read(L"key", kit::Value()) == a, "a stored value reads back", kit::PrintValue(a));
    fuzz::Require(bag.Read(L"OTHER", kit::Value()) == kit::Value(1), "other keys stay", kit::PrintValue(a));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<kit::Value> values;
    const std::wstring text = fuzz::DecodeInput(data, size);
    values.emplace_back(text);
    if (auto parsed = kit::ParseValue(text)) values.push_back(std::move(*parsed));
    FuzzedDataProvider in(data, size);
    bool parserDomain = true;
    values.push_back(fuzz::BuildValue(in, &parserDomain));

    for (const auto& v : values) CheckConversions(v);
    for (const auto& a : values)
        for (const auto& b : values) CheckPair(a, b);
    return 0;
}
