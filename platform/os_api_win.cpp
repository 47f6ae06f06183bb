// Run-time look-ups of the system functions newer than Windows 7 SP1, the fallbacks used where they are missing,
// and the image's load configuration that keeps the program's folder out of the DLL search at start-up.
#include "platform/os_api_win.h"

#include <cstddef>
#include <string>

#include "platform/scoped_win.h"

namespace plat {
namespace {

struct NewerApiEntry {
    const wchar_t* dll;
    const char* name;
};

// In the order of NewerApi.
const NewerApiEntry kNewerApis[] = {
    {L"user32.dll", "GetDpiForWindow"},
    {L"user32.dll", "GetDpiForSystem"},
    {L"user32.dll", "AdjustWindowRectExForDpi"},
    {L"user32.dll", "SetProcessDpiAwarenessContext"},
    {L"kernel32.dll", "SetDefaultDllDirectories"},
};
static_assert(sizeof(kNewerApis) / sizeof(kNewerApis[0]) == static_cast<std::size_t>(NewerApi::Count),
              "one entry per NewerApi");

// Resolved once, from the modules every program already has loaded (user32 and kernel32 are static imports).
struct Resolved {
    FARPROC proc[static_cast<std::size_t>(NewerApi::Count)] = {};
    Resolved() {
        for (std::size_t i = 0; i < static_cast<std::size_t>(NewerApi::Count); ++i) {
            HMODULE module = GetModuleHandleW(kNewerApis[i].dll);
            proc[i] = module ? GetProcAddress(module, kNewerApis[i].name) : nullptr;
        }
    }
};

unsigned g_hidden = 0;  // bit per NewerApi; set by tests only

FARPROC Proc(NewerApi api) {
    static const Resolved resolved;
    const unsigned bit = 1u << static_cast<unsigned>(api);
    return g_hidden & bit ? nullptr : resolved.proc[static_cast<std::size_t>(api)];
}

template <typename Fn>
Fn Get(NewerApi api) {
    return ProcAs<Fn>(Proc(api));
}

std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH];
    const UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace

UINT DpiOfWindow(HWND window) {
    const auto fn = Get<UINT(WINAPI*)(HWND)>(NewerApi::GetDpiForWindow);
    return fn && window ? fn(window) : 0;
}

UINT SystemDpi() {
    if (const auto fn = Get<UINT(WINAPI*)()>(NewerApi::GetDpiForSystem)) return fn();
    const ScreenDC screen;
    return screen ? static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSX)) : 0;
}

bool AdjustWindowRectForDpi(RECT* rect, DWORD style, DWORD exStyle, UINT dpi) {
    if (const auto fn = Get<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>(NewerApi::AdjustWindowRectExForDpi))
        return fn(rect, style, FALSE, exStyle, dpi) != FALSE;
    return AdjustWindowRectEx(rect, style, FALSE, exStyle) != FALSE;
}

bool SetPerMonitorDpiAwareness() {
    const auto fn = Get<BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT)>(NewerApi::SetProcessDpiAwarenessContext);
    return fn && fn(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

DllSearch RestrictDllSearch() {
    if (const auto fn = Get<BOOL(WINAPI*)(DWORD)>(NewerApi::SetDefaultDllDirectories)) {
        if (fn(LOAD_LIBRARY_SEARCH_SYSTEM32)) return DllSearch::SystemFolderOnly;
    }
    // Windows 7 without the update: the program's folder cannot be taken out of the search, but the current
    // folder can, and searching by path looks in the current folder last.
    const bool noCurrentFolder = SetDllDirectoryW(L"") != FALSE;
    const bool safeMode =
        SetSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT) != FALSE;
    return noCurrentFolder && safeMode ? DllSearch::SafeSearch : DllSearch::Incomplete;
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // The search flags exist exactly where SetDefaultDllDirectories does; elsewhere a full path names the file,
    // and the altered search order looks for its own dependencies in its folder before the program's.
    if (Get<BOOL(WINAPI*)(DWORD)>(NewerApi::SetDefaultDllDirectories))
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return nullptr;
    return LoadLibraryExW((folder + L"\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void HideNewerApiForTest(NewerApi api, bool hidden) {
    const unsigned bit = 1u << static_cast<unsigned>(api);
    g_hidden = hidden ? (g_hidden | bit) : (g_hidden & ~bit);
}

}  // namespace plat

#if defined(__MINGW32__)
// The image's load configuration. Its DependentLoadFlags field (named Reserved1 in this toolchain's headers) tells
// the loader of Windows 10 1607 and later to resolve the libraries the program imports from the system folder
// only, before any of the program's code runs. The programs keep the table with --require-defined; the GNU
// linker (binutils 2.40) leaves the image's load-configuration directory empty, so a post-link step
// (tools/pe_load_config.sh) points it here. This toolchain's runtime defines no table of its own. MSVC builds set
// the same field with /DEPENDENTLOADFLAG instead, so they do not define it.
// The table as the loader reads it, in the layout of the image's own architecture (the 32-bit one is shorter, and
// puts DependentLoadFlags elsewhere): everything but its size and DependentLoadFlags left at zero (the defaults).
constexpr IMAGE_LOAD_CONFIG_DIRECTORY LoadConfiguration() {
    IMAGE_LOAD_CONFIG_DIRECTORY table{};
    table.Size = sizeof(table);
    table.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;  // DependentLoadFlags
    return table;
}
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used;
extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = LoadConfiguration();
#endif
