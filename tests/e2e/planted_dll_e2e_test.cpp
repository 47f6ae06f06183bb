// DLLs planted in the program's folder under the names of system libraries never run: the folder is a download
// folder, where users unpack other tools' DLLs. Each planted copy is a marker DLL that records who loads it, and
// Wine is told to prefer such copies to its own libraries, which shows what the search order would do on Windows
// for names the system does not protect.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "app/form1_ids.h"
#include "e2e/harness_win.h"
#include "guides/guide_window_win.h"

namespace {

using e2e::Sandbox;

// Libraries that Windows does not protect as known DLLs, which the program or the system libraries it uses load
// while it runs.
const std::vector<std::wstring> kLoadedLater = {
    L"windowscodecs", L"oleacc",  L"dwmapi", L"propsys",           L"winmm", L"cryptbase", L"uiautomationcore",
    L"dbghelp",       L"wininet", L"urlmon", L"textinputframework"};
// Libraries that Wine's own system libraries take from the search path the process started with, whatever the
// program sets: while the process starts (version, before any code of the program runs; the image's
// DependentLoadFlags, which Windows 10 1607 and later honour there, is ignored by Wine 8) and through their
// delayed imports (uxtheme, msimg32), which on Windows follow the program's search setting. Planted only to show
// that the test sees a planted copy being loaded.
const std::vector<std::wstring> kTakenByWineFromTheStartPath = {L"version", L"uxtheme", L"msimg32"};

// Native-first for the planted names, for one program alone: Wine's per-program overrides in the registry (a
// WINEDLLOVERRIDES set in this process's environment does not reach the loader of a program it starts).
class ProgramOverrides {
public:
    ProgramOverrides(const std::wstring& exe, const std::vector<std::wstring>& names)
        : key_(L"Software\\Wine\\AppDefaults\\" + exe) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        const wchar_t order[] = L"native,builtin";
        for (const std::wstring& name : names)
            RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(order), sizeof(order));
        RegCloseKey(key);
    }
    ~ProgramOverrides() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }
    ProgramOverrides(const ProgramOverrides&) = delete;
    ProgramOverrides& operator=(const ProgramOverrides&) = delete;

private:
    std::wstring key_;
};

// Plants the marker under each name in the program's folder.
bool Plant(const Sandbox& box, const std::vector<std::wstring>& names) {
    const std::wstring marker = e2e::BinDir() + L"\\planted_marker.dll";
    for (const std::wstring& name : names)
        if (!CopyFileW(marker.c_str(), (box.programDir() + L"\\" + name + L".dll").c_str(), FALSE)) return false;
    return true;
}

// "name: program" for each planted copy that was loaded.
std::vector<std::string> Loaded(const Sandbox& box, const std::vector<std::wstring>& names) {
    std::vector<std::string> loaded;
    for (const std::wstring& name : names) {
        std::string bytes;
        if (!e2e::ReadFileBytes(box.programDir() + L"\\" + name + L".dll.loaded", &bytes)) continue;
        const std::wstring programs(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        loaded.push_back(e2e::Utf8(name) + ": " + e2e::Utf8(programs));
    }
    return loaded;
}

// The caption without waiting for the window's thread, which the relay actions keep busy.
std::wstring Caption(HWND w) {
    wchar_t buffer[256];
    const int n = GetWindowTextW(w, buffer, 256);
    return std::wstring(buffer, n > 0 ? n : 0);
}

void Click(HWND button) {
    RECT r;
    GetClientRect(button, &r);
    e2e::ClickAt(button, r.right / 2, r.bottom / 2);
}

// The test can fail: a program that leaves the search order as it is takes the planted theme library.
TEST(PlantedDlls, AProgramWithTheDefaultSearchLoadsThem) {
    Sandbox box({});
    ASSERT_TRUE(CopyFileW((e2e::BinDir() + L"\\MinimalWindow.exe").c_str(),
                          (box.programDir() + L"\\MinimalWindow.exe").c_str(), FALSE));
    std::vector<std::wstring> all = kLoadedLater;
    all.insert(all.end(), kTakenByWineFromTheStartPath.begin(), kTakenByWineFromTheStartPath.end());
    ASSERT_TRUE(Plant(box, all));
    const ProgramOverrides overrides(L"MinimalWindow.exe", all);
    ASSERT_TRUE(box.Launch(L"MinimalWindow.exe"));
    EXPECT_TRUE(e2e::WaitFor([&] { return !Loaded(box, all).empty(); }, 10000));
}

TEST(PlantedDlls, NoneRunsThroughStartupGuidesALinkAndTheRelayActions) {
    Sandbox box({});
    const std::wstring urlLog = box.LogLinks();
    ASSERT_TRUE(Plant(box, kLoadedLater));
    const ProgramOverrides overrides(L"Relanto.exe", kLoadedLater);
    ASSERT_TRUE(box.Launch());
    HWND main = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (main = e2e::FindProcessWindow(box.pid(), app::kForm1Class)) != nullptr; }))
        << (Loaded(box, kLoadedLater).empty() ? "" : Loaded(box, kLoadedLater)[0]);
    ASSERT_TRUE(box.WaitRuns(1));
    e2e::KillConsoles();

    Click(GetDlgItem(main, app::kIdShape1help));
    HWND help = e2e::WaitProcessWindow(box.pid(), guides::kGuideClass, L"教程");
    ASSERT_NE(help, nullptr);
    PostMessageW(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(help); }));

    Click(GetDlgItem(main, app::kIdShape2abop));
    HWND about = e2e::WaitProcessWindow(box.pid(), guides::kGuideClass, L"关于");
    ASSERT_NE(about, nullptr);
    Click(GetDlgItem(about, guides::kFirstButtonId));
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FileExists(urlLog); })) << "the link was opened";
    PostMessageW(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(about); }));

    // A screen reader asks: the program loads the accessibility library then, from the system folder.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* acc = nullptr;
    ASSERT_TRUE(
        SUCCEEDED(AccessibleObjectFromWindow(GetDlgItem(main, app::kIdShape2start), static_cast<DWORD>(OBJID_CLIENT),
                                             IID_IAccessible, reinterpret_cast<void**>(&acc))));
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    EXPECT_TRUE(SUCCEEDED(acc->get_accRole(self, &role)) && role.vt == VT_I4 && role.lVal == ROLE_SYSTEM_PUSHBUTTON);
    acc->Release();
    CoUninitialize();

    Click(GetDlgItem(main, app::kIdShape1install));
    e2e::MessageBoxInfo info;
    ASSERT_TRUE(e2e::WaitMessageBox(box.pid(), &info));
    e2e::PressOk(info.window);
    ASSERT_TRUE(box.WaitRuns(3)) << "push and install";
    e2e::KillConsoles();

    HWND start = GetDlgItem(main, app::kIdShape2start);
    Click(start);
    ASSERT_TRUE(box.WaitRuns(6)) << "the start sequence";
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(start) == L"启动"; }));
    e2e::KillConsoles();
    const std::size_t beforeStop = box.Runs().size();
    HWND stop = GetDlgItem(main, app::kIdShape3stop);
    Click(stop);
    ASSERT_TRUE(box.WaitRuns(beforeStop + 1)) << "the stop sequence";
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(stop) == L"停止"; }));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(box.WaitExit());
    for (const std::string& loaded : Loaded(box, kLoadedLater)) ADD_FAILURE() << "planted copy loaded: " << loaded;
}

}  // namespace
