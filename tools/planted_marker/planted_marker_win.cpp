// A DLL that only records that it was loaded: copied under the names of system libraries into a program's
// folder, it shows whether the program ever takes code from there. On load it appends the loading program's path
// (UTF-16) to "<its own path>.loaded".
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t marker[MAX_PATH + 8];
    const DWORD n = GetModuleFileNameW(self, marker, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return TRUE;
    lstrcatW(marker, L".loaded");
    wchar_t program[MAX_PATH + 2];
    DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length >= MAX_PATH) length = 0;
    program[length++] = L'\n';
    HANDLE file = CreateFileW(marker, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return TRUE;
    DWORD written = 0;
    WriteFile(file, program, length * sizeof(wchar_t), &written, nullptr);
    CloseHandle(file);
    return TRUE;
}
