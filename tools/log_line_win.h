// What the stand-in programs share: appending one line to a log that several of them may be writing at the same
// moment.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"

namespace standin {

// Appends `line` to the file at `path`, retrying for about two seconds while another program holds it; false when
// it never could.
inline bool AppendToLog(const std::wstring& path, const std::string& line) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        const plat::ScopedHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            DWORD written = 0;
            WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            return true;
        }
        Sleep(10);
    }
    return false;
}

}  // namespace standin
