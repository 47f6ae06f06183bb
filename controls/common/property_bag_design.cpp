// The design format: sections of named controls, each a bag of "Key = value" lines.
#include "controls/common/property_bag_design.h"

#include <algorithm>

#include "controls/common/property_bag_detail.h"
#include "controls/common/property_bag_text.h"

namespace kit {
namespace {

using detail::SameKey;
using detail::Trim;

// Inputs past this size are refused outright, so no input can make the parser work without bound.
constexpr std::size_t kMaxDesignChars = 16u << 20;

bool IsNameChar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_';
}

bool IsName(std::wstring_view s) {
    if (s.empty() || s.size() > 255) return false;
    for (wchar_t c : s)
        if (!IsNameChar(c)) return false;
    return true;
}

}  // namespace

const PropertyBag* Design::Find(std::wstring_view name) const {
    for (const auto& c : controls)
        if (SameKey(c.first, name)) return &c.second;
    return nullptr;
}

std::optional<Design> ParseDesign(std::wstring_view text, std::wstring* error) {
    auto fail = [&](std::size_t line, const wchar_t* what) -> std::optional<Design> {
        if (error) *error = L"line " + std::to_wstring(line) + L": " + what;
        return std::nullopt;
    };
    if (text.size() > kMaxDesignChars) return fail(0, L"design too large");
    if (!text.empty() && text.front() == 0xFEFF) text.remove_prefix(1);
    Design design;
    PropertyBag* current = nullptr;
    std::size_t lineNo = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find(L'\n', pos), text.size());
        std::wstring_view line = Trim(text.substr(pos, end - pos));
        ++lineNo;
        pos = end + 1;
        if (line.empty() || line.front() == L'#') {
            if (end == text.size()) break;
            continue;
        }
        if (line.front() == L'[') {
            if (line.back() != L']') return fail(lineNo, L"unclosed section name");
            const std::wstring_view name = Trim(line.substr(1, line.size() - 2));
            if (!IsName(name)) return fail(lineNo, L"bad control name");
            if (design.Find(name)) return fail(lineNo, L"control named twice");
            design.controls.emplace_back(std::wstring(name), PropertyBag());
            current = &design.controls.back().second;
        } else {
            const std::size_t eq = line.find(L'=');
            if (eq == std::wstring_view::npos) return fail(lineNo, L"expected Key = value");
            const std::wstring_view key = Trim(line.substr(0, eq));
            if (!IsName(key)) return fail(lineNo, L"bad key");
            if (!current) return fail(lineNo, L"key outside a control section");
            if (current->Has(key)) return fail(lineNo, L"key given twice");
            auto value = ParseValue(line.substr(eq + 1));
            if (!value) return fail(lineNo, L"bad value");
            current->WriteAlways(key, *value);
        }
        if (end == text.size()) break;
    }
    if (error) error->clear();
    return design;
}

std::wstring PrintDesign(const Design& design) {
    std::wstring out;
    for (const auto& control : design.controls) {
        if (!out.empty()) out += L"\n";
        out += L"[" + control.first + L"]\n";
        for (const auto& entry : control.second.entries())
            out += entry.first + L" = " + PrintValue(entry.second) + L"\n";
    }
    return out;
}

LoadStop StopOf(std::wstring_view control, const PropertyBag& bag) {
    return LoadStop{std::wstring(control), bag.LastRead()};
}

std::wstring Describe(const LoadStop& stop) {
    return L"the load of " + stop.control + L" stopped at the value of " + stop.key;
}

}  // namespace kit
