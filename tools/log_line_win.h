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

// Appends `line` to the file at `path`; false when it never could.
// Writers take turns through one named mutex. Wine appends by finding the file's end and then writing there, so two
// writers at the same moment could write at the same place; and while a line that crosses a page boundary is half
// written, the end another writer finds is that boundary (seen: one line cut short at a boundary, the next written
// over the rest of it, and a run missing from the log). A writer killed while it held the turn leaves the mutex
// abandoned, which the next writer takes as its own; a turn that never comes within ten seconds is not waited for.
// Every writer opens the file for appending only and shares it, so no writer waits for a killed one's handle; an
// open that fails all the same is retried for ten seconds.
inline bool AppendToLog(const std::wstring& path, const std::string& line) {
    const plat::ScopedHandle turn(CreateMutexW(nullptr, FALSE, L"Local\\RelantoStandinLog"));
    const DWORD waited = turn ? WaitForSingleObject(turn.get(), 10000) : WAIT_FAILED;
    const bool held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    bool written = false;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const plat::ScopedHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            DWORD count = 0;
            written = WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &count, nullptr) &&
                      count == line.size();
            break;
        }
        Sleep(10);
    }
    if (held) ReleaseMutex(turn.get());
    return written;
}

}  // namespace standin
