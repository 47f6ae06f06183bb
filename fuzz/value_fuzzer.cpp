// Fuzz target: one stored value's text form. Every value text that parses prints back to a text that parses to an
// equal value; every value the program can build prints to a text that parses back to it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/common/property_bag.h"
#include "fuzz_support.h"
#include "value_builder.h"

namespace {

// Print, parse, compare, print again.
void RoundTrip(const kit::Value& value, const char* promise) {
    const std::wstring printed = kit::PrintValue(value);
    const auto again = kit::ParseValue(printed);
    fuzz::Require(again.has_value(), promise, printed);
    fuzz::Require(*again == value, promise, printed + L" / " + kit::PrintValue(*again));
    fuzz::Require(kit::PrintValue(*again) == printed, "printing a reparsed value gives the same text", printed);
    // Blanks around a value and the CR of a CRLF line are not part of it.
    const auto padded = kit::ParseValue(L" \t" + printed + L"  \r");
    fuzz::Require(padded.has_value() && *padded == value, "blanks around a value are ignored", printed);
    // The same value as the one key of a design.
    const auto design = kit::ParseDesign(L"[C]\r\nK = " + printed + L"\r\n");
    fuzz::Require(design && design->controls.size() == 1 && design->controls[0].second.entries().size() == 1 &&
                      design->controls[0].second.entries()[0].second == value,
                  "a printed value reads back as a design's key", printed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes as a value's text.
    const std::wstring text = fuzz::DecodeInput(data, size);
    if (const auto value = kit::ParseValue(text)) RoundTrip(*value, "a parsed value prints to a text that parses");

    // The same bytes as the recipe of a built value.
    FuzzedDataProvider in(data, size);
    bool parserDomain = true;
    const kit::Value built = fuzz::BuildValue(in, &parserDomain);
    if (parserDomain) {
        RoundTrip(built, "a built value prints to a text that parses");
    } else {
        const std::wstring printed = kit::PrintValue(built);
        fuzz::Require(printed.rfind(L"Font(", 0) == 0, "an odd font still prints as a font", printed);
        (void)kit::ParseValue(printed);
    }
    return 0;
}
