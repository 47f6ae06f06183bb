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

// Appends `line` to the file at `path`; false when it never could. Every writer opens the file for appending only
// and shares it with the others, so each write lands whole at its end and no writer waits for another, nor for a
// killed one whose handle the system has not yet closed. An open that fails all the same is retried for ten
// seconds.
inline bool AppendToLog(const std::wstring& path, const std::string& line) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const plat::ScopedHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            DWORD written = 0;
            return WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                   written == line.size();
        }
        Sleep(10);
    }
    return false;
}

}  // namespace standin
