// The functions newer than Windows 7 SP1, each hidden in turn as on a system that lacks it: the window helpers
// give the same answers through their fallbacks, and system libraries still come from the system folder.
#include <gtest/gtest.h>

#include <string>

#include "e2e/harness_win.h"
#include "platform/os_api_win.h"
#include "platform/window_win.h"

namespace {

using plat::NewerApi;

struct Answers {
    UINT windowDpi;
    UINT systemDpi;
    RECT centred;
    std::wstring versionDll;  // where the system's version.dll was loaded from, lower case
};

std::wstring Lower(std::wstring s) {
    CharLowerBuffW(&s[0], static_cast<DWORD>(s.size()));
    return s;
}

Answers Ask(HWND window) {
    Answers a;
    a.windowDpi = plat::WindowDpi(window);
    a.systemDpi = plat::SystemDpi();
    a.centred = plat::CenteredWindowRect(368, 207, WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT, a.systemDpi);
    HMODULE version = plat::LoadSystemLibrary(L"version.dll");
    wchar_t path[MAX_PATH] = {};
    if (version) GetModuleFileNameW(version, path, MAX_PATH);
    a.versionDll = Lower(path);
    return a;
}

std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH];
    const UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    return Lower(std::wstring(buffer, n));
}

// Hides one function for the life of a test case.
class Hidden {
public:
    explicit Hidden(NewerApi api) : api_(api) { plat::HideNewerApiForTest(api_, true); }
    ~Hidden() { plat::HideNewerApiForTest(api_, false); }
    Hidden(const Hidden&) = delete;
    Hidden& operator=(const Hidden&) = delete;

private:
    NewerApi api_;
};

TEST(OsApi, EachFallbackGivesTheAnswerOfTheFunctionItReplaces) {
    HWND window = CreateWindowExW(0, L"STATIC", L"dpi", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(plat::DpiOfWindow(window), 0u) << "this system has per-window DPI";
    const Answers present = Ask(window);
    EXPECT_EQ(present.windowDpi, 96u);
    EXPECT_GT(present.centred.right - present.centred.left, 368) << "the frame is added";
    EXPECT_EQ(present.versionDll, SystemFolder() + L"\\version.dll");

    const struct {
        const char* label;
        NewerApi api;
    } cases[] = {
        {"GetDpiForWindow", NewerApi::GetDpiForWindow},
        {"GetDpiForSystem", NewerApi::GetDpiForSystem},
        {"AdjustWindowRectExForDpi", NewerApi::AdjustWindowRectExForDpi},
        {"SetDefaultDllDirectories", NewerApi::SetDefaultDllDirectories},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const Hidden hidden(c.api);
        const Answers fallback = Ask(window);
        EXPECT_EQ(fallback.windowDpi, present.windowDpi);
        EXPECT_EQ(fallback.systemDpi, present.systemDpi);
        EXPECT_TRUE(EqualRect(&fallback.centred, &present.centred));
        EXPECT_EQ(fallback.versionDll, present.versionDll);
    }
    {
        const Hidden hidden(NewerApi::GetDpiForWindow);
        EXPECT_EQ(plat::DpiOfWindow(window), 0u) << "the hook reaches the look-up";
    }
    {
        const Hidden hidden(NewerApi::SetProcessDpiAwarenessContext);
        EXPECT_FALSE(plat::SetPerMonitorDpiAwareness());
    }
    DestroyWindow(window);
}

// Both ways of narrowing the DLL search, in the order a Windows 7 system and a newer one would take them; each
// is process-wide and lasting, which does no harm to the other tests of this program.
TEST(OsApi, DllSearchIsNarrowedWithOrWithoutSetDefaultDllDirectories) {
    {
        const Hidden hidden(NewerApi::SetDefaultDllDirectories);
        EXPECT_EQ(plat::RestrictDllSearch(), plat::DllSearch::SafeSearch);
    }
    EXPECT_EQ(plat::RestrictDllSearch(), plat::DllSearch::SystemFolderOnly);
}

}  // namespace
