// Loading and saving the airplane-mode option.
#include "app/settings.h"

#include <cmath>
#include <cwchar>

namespace app {
namespace {

const wchar_t kSection[] = L"FlightMode";
const wchar_t kKey[] = L"FlightState";
const wchar_t kReadFailed[] = L"读取错误！";
const unsigned kReadBufferChars = 256;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f' || c == L'\v'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::optional<double> StoredNumber(const std::wstring& text) {
    std::size_t i = 0, end = text.size();
    while (i < end && IsBlank(text[i])) ++i;
    while (end > i && IsBlank(text[end - 1])) --end;
    if (i == end) return std::nullopt;
    std::string ascii;
    std::size_t j = i;
    if (text[j] == L'+' || text[j] == L'-') ascii += static_cast<char>(text[j++]);
    std::size_t digits = 0;
    while (j < end && IsDigit(text[j])) ascii += static_cast<char>(text[j++]), ++digits;
    if (j < end && text[j] == L'.') {
        ascii += '.';
        ++j;
        while (j < end && IsDigit(text[j])) ascii += static_cast<char>(text[j++]), ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (j < end && (text[j] == L'e' || text[j] == L'E')) {
        ascii += 'e';
        ++j;
        if (j < end && (text[j] == L'+' || text[j] == L'-')) ascii += static_cast<char>(text[j++]);
        std::size_t expDigits = 0;
        while (j < end && IsDigit(text[j]) && expDigits < 6) ascii += static_cast<char>(text[j++]), ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (j != end) return std::nullopt;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool FlightSetting::LoadTicked() {
    const std::wstring stored = store_.Read(file_, kSection, kKey, kReadFailed, kReadBufferChars);
    const std::optional<double> number = StoredNumber(stored);
    return number && *number == 1.0;
}

void FlightSetting::Save(bool ticked) { store_.Write(file_, kSection, kKey, ticked ? L"1" : L"0"); }

}  // namespace app
