// Fuzz target: the design text parser. Any text either is refused with a reason or parses to a design whose
// printed form parses back to an equal design and prints the same again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/common/property_bag.h"
#include "fuzz_support.h"

namespace {

// Names and keys compared exactly (printing keeps their case), values with Value::operator==.
bool SameDesign(const kit::Design& a, const kit::Design& b, std::wstring* where) {
    if (a.controls.size() != b.controls.size()) {
        *where = L"number of controls";
        return false;
    }
    for (std::size_t c = 0; c < a.controls.size(); ++c) {
        const auto& [nameA, bagA] = a.controls[c];
        const auto& [nameB, bagB] = b.controls[c];
        if (nameA != nameB) {
            *where = L"control name " + nameA + L" / " + nameB;
            return false;
        }
        const auto& entriesA = bagA.entries();
        const auto& entriesB = bagB.entries();
        if (entriesA.size() != entriesB.size()) {
            *where = L"number of keys of " + nameA;
            return false;
        }
        for (std::size_t k = 0; k < entriesA.size(); ++k) {
            if (entriesA[k].first != entriesB[k].first || !(entriesA[k].second == entriesB[k].second)) {
                *where = nameA + L"." + entriesA[k].first + L" = " + kit::PrintValue(entriesA[k].second) + L" / " +
                         entriesB[k].first + L" = " + kit::PrintValue(entriesB[k].second);
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = fuzz::DecodeInput(data, size);
    std::wstring error;
    const auto design = kit::ParseDesign(text, &error);

    // The same text with Windows line ends reads the same, refusals included (on the same line).
    std::wstring crlf;
    for (wchar_t c : text) {
        if (c == L'\n') crlf.push_back(L'\r');
        crlf.push_back(c);
    }
    std::wstring crlfError;
    const auto fromCrlf = kit::ParseDesign(crlf, &crlfError);
    fuzz::Require(fromCrlf.has_value() == design.has_value() && crlfError == error, "CRLF line ends read the same",
                  error + L" / " + crlfError);
    if (!design) {
        fuzz::Require(error.rfind(L"line ", 0) == 0, "a refused design says on which line", error);
        return 0;
    }
    fuzz::Require(error.empty(), "a parsed design clears the error", error);

    // Every control is found by its name, whatever the case of the letters.
    for (const auto& [name, bag] : design->controls) {
        std::wstring upper = name;
        for (auto& c : upper)
            if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
        fuzz::Require(design->Find(upper) == &bag, "Find is case-blind and finds the first control", name);
    }

    std::wstring where;
    fuzz::Require(SameDesign(*design, *fromCrlf, &where), "CRLF line ends give the same design", where);

    const std::wstring printed = kit::PrintDesign(*design);
    const auto again = kit::ParseDesign(printed, &error);
    fuzz::Require(again.has_value(), "a printed design parses", printed + L"\n--- " + error);
    fuzz::Require(SameDesign(*design, *again, &where), "a printed design parses to an equal design", where);
    fuzz::Require(kit::PrintDesign(*again) == printed, "printing a reparsed design gives the same text", printed);
    return 0;
}
