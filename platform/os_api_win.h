// The system functions newer than Windows 7 SP1 that the programs use, looked up once at run time in the system
// DLLs, each with a fallback that gives the same answer where the function is missing. No program imports them,
// so the loader starts every program on Windows 7 SP1, 8.1, 10 and 11.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace plat {

// The functions looked up at run time, with the Windows version that first has each.
enum class NewerApi {
    GetDpiForWindow,                // user32, Windows 10 1607
    GetDpiForSystem,                // user32, Windows 10 1607
    AdjustWindowRectExForDpi,       // user32, Windows 10 1607
    SetProcessDpiAwarenessContext,  // user32, Windows 10 1703
    SetDefaultDllDirectories,       // kernel32, Windows 8 (Windows 7 only with security update KB2533623)
    Count
};

// The DPI of a window; 0 on a system without per-window DPI (before Windows 10 1607).
UINT DpiOfWindow(HWND window);

// The system DPI: the one every window has before Windows 10 1607, read there from the screen's LOGPIXELSX.
UINT SystemDpi();

// Grows a client rectangle to the window rectangle at `dpi`. Without the DPI-aware function the frame of the
// system DPI is used, which is the DPI of every window on such a system.
bool AdjustWindowRectForDpi(RECT* rect, DWORD style, DWORD exStyle, UINT dpi);

// Per-monitor (v2) DPI awareness for the programs whose manifest does not ask for it; false where missing.
bool SetPerMonitorDpiAwareness();

// How RestrictDllSearch left the process's DLL search.
enum class DllSearch {
    SystemFolderOnly,  // SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)
    SafeSearch,        // no such function: current folder out of the search, safe search mode made permanent
    Incomplete,        // a step was refused
};

// Keeps the program's own folder and the current folder from ever being a source of code: DLLs the process or
// the system libraries load by name come from the system folder only. Called first thing in every program.
DllSearch RestrictDllSearch();

// A system DLL loaded from the system folder, whatever the search order; nullptr when it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// GetProcAddress's result as the function type it is, through the generic function pointer type, which every
// compiler accepts as a cast between function types.
template <typename Fn>
Fn ProcAs(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

// A function of a system DLL loaded from the system folder (the DLL then stays loaded), or null. Callers keep the
// result in a static, so that each is looked up once.
template <typename Fn>
Fn SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadSystemLibrary(dll);
    return ProcAs<Fn>(module ? GetProcAddress(module, name) : nullptr);
}

// For tests: makes the look-up of `api` fail (or work again), as on a system that lacks the function, so that
// the fallback is exercised on a system that has it.
void HideNewerApiForTest(NewerApi api, bool hidden);

}  // namespace plat
