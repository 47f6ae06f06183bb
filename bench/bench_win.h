// What the Windows benchmarks share: where they run from, a folder in which Relanto.exe starts, process
// look-up and clean-up, and starting a program from its folder.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <tlhelp32.h>

#include <initializer_list>
#include <set>
#include <string>

#include "platform/scoped_win.h"

namespace bench {

inline std::wstring ProgramDir() {
    wchar_t buffer[4096];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 4096);
    std::wstring path(buffer, n);
    return path.substr(0, path.find_last_of(L"\\/"));
}

inline unsigned long long Ticks(const FILETIME& f) {
    return (static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
}

inline unsigned long long Now100ns() {
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    return Ticks(ft);
}

// A folder beside the benchmark holding Relanto.exe and what its start-up check wants (stand-in adb files), so
// it shows its window. `tools` are further programs copied from the benchmark's folder.
inline std::wstring RelantoFolder(const std::wstring& name, std::initializer_list<const wchar_t*> tools) {
    const std::wstring dir = ProgramDir();
    const std::wstring folder = dir + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((dir + L"\\Relanto.exe").c_str(), (folder + L"\\Relanto.exe").c_str(), FALSE);
    CopyFileW((dir + L"\\adb.exe").c_str(), (folder + L"\\adb.exe").c_str(), FALSE);
    for (const wchar_t* tool : tools) CopyFileW((dir + L"\\" + tool).c_str(), (folder + L"\\" + tool).c_str(), FALSE);
    for (const wchar_t* dll : {L"\\AdbWinApi.dll", L"\\AdbWinUsbApi.dll"}) {
        plat::ScopedHandle f(CreateFileW((folder + dll).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    SetEnvironmentVariableW(L"RELANTO_STANDIN_LOG", (folder + L"\\standin.log").c_str());
    return folder;
}

inline std::set<DWORD> ProcessesNamed(std::initializer_list<const wchar_t*> names) {
    std::set<DWORD> ids;
    const plat::ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W e = {};
    e.dwSize = sizeof(e);
    for (BOOL more = Process32FirstW(snapshot.get(), &e); more; more = Process32NextW(snapshot.get(), &e))
        for (const wchar_t* name : names)
            if (lstrcmpiW(e.szExeFile, name) == 0) ids.insert(e.th32ProcessID);
    return ids;
}

// Ends the consoles (and the tools they run) that a start-up or a click left behind.
inline void KillConsoles() {
    for (DWORD id : ProcessesNamed({L"cmd.exe", L"adb.exe", L"gnirehtet.exe"})) {
        const plat::ScopedHandle p(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (p) {
            TerminateProcess(p.get(), 0);
            WaitForSingleObject(p.get(), 5000);
        }
    }
}

struct FindVisibleWindow {
    DWORD pid;
    const wchar_t* cls;
    HWND found;
};

inline BOOL CALLBACK MatchVisibleWindow(HWND w, LPARAM lp) {
    auto* f = reinterpret_cast<FindVisibleWindow*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != f->pid || !IsWindowVisible(w)) return TRUE;
    wchar_t name[64] = L"";
    if (f->cls && (GetClassNameW(w, name, 64) == 0 || lstrcmpW(name, f->cls) != 0)) return TRUE;
    f->found = w;
    return FALSE;
}

// A visible top-level window of the process, of the given class when one is named.
inline HWND VisibleWindowOf(DWORD pid, const wchar_t* cls = nullptr) {
    FindVisibleWindow f{pid, cls, nullptr};
    EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

// Starts a program with its folder as the current directory.
inline bool StartProgram(const std::wstring& exe, const std::wstring& folder, PROCESS_INFORMATION* pi) {
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    *pi = {};
    return CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, pi) != 0;
}

inline void EndProgram(const PROCESS_INFORMATION& pi) {
    const plat::ScopedProcess owned(pi);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
}

}  // namespace bench
