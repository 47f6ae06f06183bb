// Fuzz target: the rule that reads the stored airplane-mode value as a number. Any text gives either nothing or a
// finite number, blanks around it change nothing, and the number's own decimal printing reads back to it.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/settings.h"
#include "fuzz_support.h"

namespace {

std::wstring Widen(const char* first, const char* last) { return std::wstring(first, last); }

void ReadsBack(double value, const std::wstring& printed) {
    const auto again = app::StoredNumber(printed);
    fuzz::Require(again.has_value(), "the printing of a stored number reads as a number", printed);
    const double tolerance = 1e-12 * std::fabs(value);
    fuzz::Require(std::fabs(*again - value) <= tolerance, "the printing of a stored number reads back to it", printed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = fuzz::DecodeInput(data, size);
    const auto number = app::StoredNumber(text);
    if (!number) return 0;
    fuzz::Require(std::isfinite(*number), "a stored number is finite", text);

    // Blanks of every kind the rule skips, on both sides.
    const auto padded = app::StoredNumber(L" \t\r\n" + text + L"\f\v ");
    fuzz::Require(padded && *padded == *number, "blanks around a number are ignored", text);

    // The shortest printing that reads back exactly, and the classic 17 significant digits.
    char buffer[64];
    const auto shortest = std::to_chars(buffer, buffer + sizeof(buffer), *number);
    ReadsBack(*number, Widen(buffer, shortest.ptr));
    const int length = std::snprintf(buffer, sizeof(buffer), "%.17g", *number);
    ReadsBack(*number, Widen(buffer, buffer + length));

    // A minus sign in front of an unsigned number gives its negative.
    const std::size_t first = text.find_first_not_of(L" \t\r\n\f\v");
    if (first != std::wstring::npos && text[first] != L'+' && text[first] != L'-') {
        const auto negative = app::StoredNumber(L"-" + text.substr(first));
        fuzz::Require(negative && *negative == -*number, "a minus sign negates a stored number", text);
    }
    return 0;
}
