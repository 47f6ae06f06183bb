// Helpers shared by the fuzz targets: turning input bytes into wide text, and failing loudly with a readable note.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// Input bytes as the wide text a reader would hand the parser. A UTF-32LE or UTF-16LE byte-order mark selects raw
// code units of that width, kept exactly (lone surrogates and values past U+10FFFF included), so the parser sees
// units no well-formed file decodes to. Anything else is UTF-8, decoded the way Windows does: code points past
// U+FFFF become surrogate pairs and every byte that does not start a well-formed sequence becomes U+FFFD.
inline std::wstring DecodeInput(const std::uint8_t* data, std::size_t size) {
    std::wstring out;
    if (size >= 4 && data[0] == 0xFF && data[1] == 0xFE && data[2] == 0 && data[3] == 0) {
        for (std::size_t i = 4; i + 4 <= size; i += 4) {
            const std::uint32_t unit =
                data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) | (static_cast<std::uint32_t>(data[i + 3]) << 24);
            out.push_back(static_cast<wchar_t>(unit));
        }
        return out;
    }
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        for (std::size_t i = 2; i + 2 <= size; i += 2)
            out.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
        return out;
    }
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t b = data[i];
        std::size_t length = 0;
        std::uint32_t code = 0, least = 0;
        if (b < 0x80) {
            out.push_back(static_cast<wchar_t>(b));
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2, code = b & 0x1F, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, code = b & 0x0F, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, code = b & 0x07, least = 0x10000;
        }
        bool ok = length != 0 && i + length <= size;
        for (std::size_t k = 1; ok && k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80) ok = false;
            code = (code << 6) | (data[i + k] & 0x3F);
        }
        if (ok && (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))) ok = false;
        if (!ok) {
            out.push_back(static_cast<wchar_t>(0xFFFD));
            ++i;
            continue;
        }
        if (code > 0xFFFF) {
            code -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(code));
        }
        i += length;
    }
    return out;
}

// Wide text as printable ASCII for a failure note: other units as \u{…}.
inline std::string Printable(const std::wstring& text, std::size_t limit = 2000) {
    std::string out;
    for (wchar_t c : text) {
        if (out.size() >= limit) {
            out += "...";
            break;
        }
        const auto unit = static_cast<std::uint32_t>(c);
        if (unit >= 0x20 && unit < 0x7F) {
            out.push_back(static_cast<char>(unit));
        } else {
            char buffer[24];
            std::snprintf(buffer, sizeof(buffer), "\\u{%X}", unit);
            out += buffer;
        }
    }
    return out;
}

// A broken promise ends the run with a note; libFuzzer keeps the input that broke it as a crash.
inline void Require(bool holds, const char* promise, const std::wstring& detail = std::wstring()) {
    if (holds) return;
    std::fprintf(stderr, "\n*** broken: %s\n*** detail: %s\n", promise, Printable(detail).c_str());
    std::abort();
}

}  // namespace fuzz
