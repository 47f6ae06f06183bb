// The text form of a single value: the reader of its literals and the printer that writes them back.
#include "controls/common/property_bag_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "controls/common/property_bag_detail.h"

namespace kit {
namespace detail {

// "&H" followed by 1 to 8 hex digits and an optional "&": an unsigned 32-bit bit pattern.
std::optional<std::int64_t> ParseHexLiteral(std::wstring_view s) {
    if (s.size() < 3 || s[0] != L'&' || (s[1] != L'H' && s[1] != L'h')) return std::nullopt;
    s.remove_prefix(2);
    if (!s.empty() && s.back() == L'&') s.remove_suffix(1);
    if (s.empty() || s.size() > 8) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : s) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

// Decimal literal: [+-]digits[.digits][(e|E)[+-]digits]. Whole when it has neither a point nor an exponent.
std::optional<Number> ParseDecimalLiteral(std::wstring_view s) {
    if (s.empty() || s.size() > kMaxNumberChars) return std::nullopt;
    std::string narrow;
    narrow.reserve(s.size());
    std::size_t i = 0;
    if (s[i] == L'+' || s[i] == L'-') {
        if (s[i] == L'-') narrow.push_back('-');
        ++i;
    }
    auto digits = [&]() {
        std::size_t n = 0;
        while (i < s.size() && s[i] >= L'0' && s[i] <= L'9') {
            narrow.push_back(static_cast<char>(s[i]));
            ++i;
            ++n;
        }
        return n;
    };
    if (digits() == 0) return std::nullopt;
    bool whole = true;
    if (i < s.size() && s[i] == L'.') {
        narrow.push_back('.');
        ++i;
        if (digits() == 0) return std::nullopt;
        whole = false;
    }
    if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
        narrow.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) {
            narrow.push_back(static_cast<char>(s[i]));
            ++i;
        }
        if (digits() == 0) return std::nullopt;
        whole = false;
    }
    if (i != s.size()) return std::nullopt;
    Number n;
    n.whole = whole;
    const char* first = narrow.data();
    const char* last = narrow.data() + narrow.size();
    if (whole) {
        auto r = std::from_chars(first, last, n.i);
        if (r.ec != std::errc() || r.ptr != last) return std::nullopt;
    } else {
        // The text was checked above to be a plain decimal, so strtod (in the "C" locale the program never
        // leaves) reads all of it.
        char* end = nullptr;
        n.d = std::strtod(first, &end);
        if (end != last || !std::isfinite(n.d)) return std::nullopt;
    }
    return n;
}

namespace {

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

// The shortest text that reads back as exactly `d`, plain or with an exponent, whichever is shorter (plain on a
// tie), the exponent with at least two digits on every platform. The standard library's shortest-form printer
// would bring some 130 KB of tables into the exe; trying precisions in turn costs microseconds on the rare
// decimals printed.
std::string Shortest(double d, bool scientificOnly) {
    if (std::isnan(d)) return std::signbit(d) ? "-nan" : "nan";
    if (std::isinf(d)) return d < 0 ? "-inf" : "inf";
    char buffer[64];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof(buffer), "%.*e", precision - 1, d);
        if (std::strtod(buffer, nullptr) == d) break;
    }
    const std::string sci(buffer);
    const std::size_t e = sci.find('e');
    const bool negative = sci[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (sci[i] != '.') digits += sci[i];
    const int exponent = std::atoi(sci.c_str() + e + 1);
    char exp[16];
    std::snprintf(exp, sizeof(exp), "e%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    std::string scientific = sci.substr(0, e) + exp;
    if (scientificOnly) return scientific;
    std::string plain = negative ? "-" : "";
    if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            plain += digits + std::string(whole - digits.size(), '0');
        } else {
            plain += digits.substr(0, whole) + "." + digits.substr(whole);
        }
    } else {
        plain += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return plain.size() <= scientific.size() ? plain : scientific;
}

}  // namespace

std::wstring PrintNumber(double d) {
    // Font sizes: whole sizes print without a point, the parser takes either.
    // Past 64 bits a run of digits is no number to the parser, so such a decimal keeps its exponent form.
    const bool huge = std::fabs(d) >= 9223372036854775808.0 && std::isfinite(d);
    return Widen(Shortest(d, huge));
}

const wchar_t* BoolWord(bool b) { return b ? L"True" : L"False"; }

namespace {

// Inputs past this size are refused outright, so no input can make the reader work without bound.
constexpr std::size_t kMaxValueChars = 1u << 20;

std::wstring PrintDouble(double d) {
    if (std::isnan(d)) return L"NaN";
    if (std::isinf(d)) return d < 0 ? L"-Inf" : L"Inf";
    std::string s = Shortest(d, false);
    // A decimal must read back as a decimal, not as a whole number.
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return Widen(s);
}

// The characters written as a backslash and one letter, with that letter.
struct ShortEscape {
    wchar_t c;
    wchar_t letter;
};
constexpr ShortEscape kShortEscapes[] = {{L'"', L'"'}, {L'\\', L'\\'}, {L'\n', L'n'}, {L'\r', L'r'}, {L'\t', L't'}};

const ShortEscape* FindShortEscape(wchar_t ShortEscape::*side, wchar_t value) {
    for (const ShortEscape& e : kShortEscapes)
        if (e.*side == value) return &e;
    return nullptr;
}

std::wstring Quote(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + 2);
    out.push_back(L'"');
    for (wchar_t c : text) {
        if (const ShortEscape* escape = FindShortEscape(&ShortEscape::c, c)) {
            out.push_back(L'\\');
            out.push_back(escape->letter);
        } else if (static_cast<std::uint32_t>(c) < 0x20 || c == 0x7F ||
                   (static_cast<std::uint32_t>(c) >= 0xD800 && static_cast<std::uint32_t>(c) <= 0xDFFF) ||
                   c == 0x2028 || c == 0x2029 || c == 0xFEFF) {
            // Controls, line separators and (lone or paired) surrogate units are written as escapes so the text
            // form survives any transcoding of the file.
            wchar_t buffer[8];
            std::swprintf(buffer, 8, L"\\u%04X", static_cast<unsigned>(c) & 0xFFFFu);
            out += buffer;
        } else {
            out.push_back(c);
        }
    }
    out.push_back(L'"');
    return out;
}

// Cursor over one value's text; every read is bounds-checked.
class ValueReader {
public:
    explicit ValueReader(std::wstring_view s) : s_(s) {}

    bool AtEnd() const { return pos_ >= s_.size(); }
    void SkipBlanks() {
        while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
    }
    bool Eat(wchar_t c) {
        SkipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    std::optional<std::wstring> String() {
        SkipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != L'"') return std::nullopt;
        ++pos_;
        std::wstring out;
        while (pos_ < s_.size()) {
            const wchar_t c = s_[pos_++];
            if (c == L'"') return out;
            if (c == L'\n' || c == L'\r') return std::nullopt;
            if (c != L'\\') {
                out.push_back(c);
                continue;
            }
            if (pos_ >= s_.size()) return std::nullopt;
            const wchar_t e = s_[pos_++];
            if (const ShortEscape* escape = FindShortEscape(&ShortEscape::letter, e)) {
                out.push_back(escape->c);
                continue;
            }
            if (e != L'u' || s_.size() - pos_ < 4) return std::nullopt;
            unsigned code = 0;
            for (int k = 0; k < 4; ++k) {
                const int d = HexDigit(s_[pos_++]);
                if (d < 0) return std::nullopt;
                code = code * 16 + static_cast<unsigned>(d);
            }
            out.push_back(static_cast<wchar_t>(code));
        }
        return std::nullopt;  // unterminated
    }

    // The run of characters that can make up a bare token (number, hex literal, word).
    std::wstring_view Token() {
        SkipBlanks();
        const std::size_t start = pos_;
        while (pos_ < s_.size()) {
            const wchar_t c = s_[pos_];
            const bool ok = (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                            c == L'&' || c == L'+' || c == L'-' || c == L'.' || c == L'_';
            if (!ok) break;
            ++pos_;
        }
        return s_.substr(start, pos_ - start);
    }

    std::optional<Number> NumberToken() {
        auto t = Token();
        return ParseDecimalLiteral(t);
    }

    std::optional<bool> BoolToken() {
        auto t = Token();
        if (t == L"True") return true;
        if (t == L"False") return false;
        return std::nullopt;
    }

private:
    std::wstring_view s_;
    std::size_t pos_ = 0;
};

std::optional<Value> ReadFont(ValueReader& r) {
    Font f;
    auto name = r.String();
    if (!name || !r.Eat(L',')) return std::nullopt;
    f.name = std::move(*name);
    auto size = r.NumberToken();
    if (!size || !r.Eat(L',')) return std::nullopt;
    const double points = size->AsDouble();
    if (!std::isfinite(points) || points < 0 || points > 1.0e6) return std::nullopt;
    f.size = points;
    auto weight = r.NumberToken();
    if (!weight || !weight->whole || weight->i < 0 || weight->i > 1000 || !r.Eat(L',')) return std::nullopt;
    f.weight = static_cast<int>(weight->i);
    auto charset = r.NumberToken();
    if (!charset || !charset->whole || charset->i < 0 || charset->i > 255 || !r.Eat(L',')) return std::nullopt;
    f.charset = static_cast<int>(charset->i);
    auto italic = r.BoolToken();
    if (!italic || !r.Eat(L',')) return std::nullopt;
    auto underline = r.BoolToken();
    if (!underline || !r.Eat(L',')) return std::nullopt;
    auto strike = r.BoolToken();
    if (!strike || !r.Eat(L')')) return std::nullopt;
    f.italic = *italic;
    f.underline = *underline;
    f.strikethrough = *strike;
    return Value(std::move(f));
}

std::optional<Value> ReadValue(ValueReader& r) {
    r.SkipBlanks();
    if (r.AtEnd()) return std::nullopt;
    if (auto text = r.String()) return Value(std::move(*text));
    const std::wstring_view token = r.Token();
    if (token.empty()) return std::nullopt;
    if (token == L"True") return Value(true);
    if (token == L"False") return Value(false);
    if (token == L"Empty") return Value();
    if (token == L"NaN") return Value(std::numeric_limits<double>::quiet_NaN());
    if (token == L"Inf") return Value(std::numeric_limits<double>::infinity());
    if (token == L"-Inf") return Value(-std::numeric_limits<double>::infinity());
    if (token == L"Font") {
        if (!r.Eat(L'(')) return std::nullopt;
        return ReadFont(r);
    }
    if (token == L"Picture") {
        if (!r.Eat(L'(')) return std::nullopt;
        auto ref = r.String();
        if (!ref || !r.Eat(L')')) return std::nullopt;
        return Value(Picture{std::move(*ref)});
    }
    if (token[0] == L'&') {
        auto hex = ParseHexLiteral(token);
        if (!hex) return std::nullopt;
        return Value::Color(static_cast<OleColor>(*hex));
    }
    auto n = ParseDecimalLiteral(token);
    if (!n) return std::nullopt;
    if (n->whole) return Value(n->i);
    return Value(n->d);
}

}  // namespace
}  // namespace detail

using namespace detail;

std::optional<Value> ParseValue(std::wstring_view text) {
    if (text.size() > kMaxValueChars) return std::nullopt;
    ValueReader r(text);
    auto v = ReadValue(r);
    if (!v) return std::nullopt;
    r.SkipBlanks();
    // A line may end in CR when a CRLF file was split on LF.
    while (!r.AtEnd() && r.Eat(L'\r')) r.SkipBlanks();
    if (!r.AtEnd()) return std::nullopt;
    return v;
}

std::wstring PrintValue(const Value& value) {
    const auto& s = value.storage();
    if (std::holds_alternative<std::monostate>(s)) return L"Empty";
    if (auto* t = std::get_if<std::wstring>(&s)) return Quote(*t);
    if (auto* i = std::get_if<Integer>(&s)) {
        if (i->hex && i->value >= 0 && i->value <= 0xFFFFFFFF) {
            wchar_t buffer[16];
            std::swprintf(buffer, 16, L"&H%08X&", static_cast<unsigned>(i->value));
            return buffer;
        }
        return std::to_wstring(i->value);
    }
    if (auto* d = std::get_if<double>(&s)) return PrintDouble(*d);
    if (auto* b = std::get_if<bool>(&s)) return BoolWord(*b);
    if (auto* f = std::get_if<Font>(&s)) {
        return L"Font(" + Quote(f->name) + L", " + PrintNumber(f->size) + L", " + std::to_wstring(f->weight) + L", " +
               std::to_wstring(f->charset) + L", " + BoolWord(f->italic) + L", " + BoolWord(f->underline) + L", " +
               BoolWord(f->strikethrough) + L")";
    }
    if (auto* p = std::get_if<Picture>(&s)) return L"Picture(" + Quote(p->ref) + L")";
    return L"Empty";
}

}  // namespace kit
