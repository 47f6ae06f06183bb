// Text as UTF-8 bytes and back, for the files and logs the programs write and read.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <climits>
#include <string>

namespace plat {

inline std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

// False (and an empty text) for bytes that are not UTF-8.
inline bool FromUtf8(const std::string& bytes, std::wstring* text) {
    text->clear();
    if (bytes.empty()) return true;
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return false;
    const int n =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return false;
    text->resize(static_cast<std::size_t>(n));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), &(*text)[0],
                               n) == n;
}

}  // namespace plat
