// What a screen reader in another process reads of the three windows and the kit: roles, names, states and
// default actions through MSAA, the events it is told of, and the guide pages in reading order.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <tlhelp32.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/form1_ids.h"
#include "e2e/harness_win.h"
#include "guides/guide_pages.h"
#include "guides/guide_window_win.h"
#include "guides/page_reading.h"
#include "tools/gallery/gallery_ids.h"
#include "platform/platform_win.h"

namespace {

using e2e::Sandbox;

// COM for the asking side, as every screen reader has it.
class ComScope {
public:
    ComScope() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComScope() { CoUninitialize(); }
};

VARIANT Child(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// One element's answers, read the way a screen reader reads them.
struct Answers {
    long role = -1;
    long state = 0;
    std::wstring name, description, action;
};

std::wstring Take(BSTR s) {
    std::wstring text = s ? std::wstring(s, SysStringLen(s)) : std::wstring();
    SysFreeString(s);
    return text;
}

Answers Read(IAccessible* acc, long id = CHILDID_SELF) {
    Answers a;
    VARIANT child = Child(id), out;
    VariantInit(&out);
    if (SUCCEEDED(acc->get_accRole(child, &out)) && out.vt == VT_I4) a.role = out.lVal;
    VariantClear(&out);
    if (SUCCEEDED(acc->get_accState(child, &out)) && out.vt == VT_I4) a.state = out.lVal;
    VariantClear(&out);
    BSTR s = nullptr;
    if (SUCCEEDED(acc->get_accName(child, &s))) a.name = Take(s);
    s = nullptr;
    if (SUCCEEDED(acc->get_accDescription(child, &s))) a.description = Take(s);
    s = nullptr;
    if (SUCCEEDED(acc->get_accDefaultAction(child, &s))) a.action = Take(s);
    return a;
}

// The client object of a window of the program under test (null when it does not answer).
IAccessible* ClientOf(HWND window) {
    IAccessible* acc = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&acc))))
        return nullptr;
    return acc;
}

struct Released {
    IAccessible* p;
    ~Released() {
        if (p) p->Release();
    }
};

std::wstring Caption(HWND w) {
    wchar_t buffer[256];
    const int n = GetWindowTextW(w, buffer, 256);
    return std::wstring(buffer, n > 0 ? n : 0);
}

// Runs a window's default action the way a reader does. The object stays referenced until the caller is done:
// releasing it is a call into the program, which waits while the program's thread is busy with the action.
struct DefaultAction {
    IAccessible* acc = nullptr;
    HRESULT result = E_FAIL;
    explicit DefaultAction(HWND window) : acc(ClientOf(window)) {
        if (acc) result = acc->accDoDefaultAction(Child(CHILDID_SELF));
    }
    ~DefaultAction() {
        if (acc) acc->Release();
    }
    bool ok() const { return result == S_OK; }
};

bool HasModule(DWORD pid, const wchar_t* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Module32FirstW(snapshot, &entry); more && !found; more = Module32NextW(snapshot, &entry))
        found = lstrcmpiW(entry.szModule, name) == 0;
    CloseHandle(snapshot);
    return found;
}

TEST(ScreenReader, EveryButtonOfTheMainWindowIsAPushButtonNamedByItsCaption) {
    ComScope com;
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(HasModule(box.pid(), L"oleacc.dll")) << "start-up loads no accessibility library";
    const struct {
        int id;
        const wchar_t* name;
    } buttons[] = {{app::kIdShape2start, L"启动"}, {app::kIdShape3stop, L"停止"}, {app::kIdShape1install, nullptr},
                   {app::kIdShape1help, nullptr},  {app::kIdShape1, nullptr},     {app::kIdShape2abop, nullptr}};
    for (const auto& b : buttons) {
        HWND w = GetDlgItem(main, b.id);
        ASSERT_NE(w, nullptr) << b.id;
        IAccessible* acc = ClientOf(w);
        Released hold{acc};
        ASSERT_NE(acc, nullptr) << b.id;
        const Answers a = Read(acc);
        EXPECT_EQ(a.role, ROLE_SYSTEM_PUSHBUTTON) << b.id;
        EXPECT_EQ(a.name, b.name ? std::wstring(b.name) : Caption(w)) << b.id;
        EXPECT_FALSE(a.name.empty()) << b.id;
        EXPECT_TRUE(a.state & STATE_SYSTEM_FOCUSABLE) << b.id;
        EXPECT_FALSE(a.state & STATE_SYSTEM_UNAVAILABLE) << b.id;
        EXPECT_EQ(a.action, L"按下") << b.id;
        long left = 0, top = 0, width = 0, height = 0;
        ASSERT_TRUE(SUCCEEDED(acc->accLocation(&left, &top, &width, &height, Child(CHILDID_SELF))));
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(left, r.left) << b.id;
        EXPECT_EQ(width, r.right - r.left) << b.id;
        EXPECT_EQ(height, r.bottom - r.top) << b.id;
    }
    EXPECT_TRUE(HasModule(box.pid(), L"oleacc.dll")) << "loaded once a reader asked";
    // A disabled button says so.
    HWND stop = GetDlgItem(main, app::kIdShape3stop);
    EnableWindow(stop, FALSE);
    IAccessible* acc = ClientOf(stop);
    Released hold{acc};
    ASSERT_NE(acc, nullptr);
    EXPECT_TRUE(Read(acc).state & STATE_SYSTEM_UNAVAILABLE);
    EnableWindow(stop, TRUE);
}

TEST(ScreenReader, DefaultActionsRunWhatAClickRuns) {
    ComScope com;
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    HWND stop = GetDlgItem(main, app::kIdShape3stop);
    DefaultAction press(stop);
    ASSERT_TRUE(press.ok());
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(stop) == L"正在停止..."; }));
    ASSERT_TRUE(box.WaitRuns(2));
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(stop) == L"停止"; }));
    const auto runs = box.Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].program + " " + runs[1].arguments, "gnirehtet stop");

    DefaultAction install(GetDlgItem(main, app::kIdShape1install));
    ASSERT_TRUE(install.ok());
    e2e::MessageBoxInfo info;
    ASSERT_TRUE(e2e::WaitMessageBox(box.pid(), &info));
    EXPECT_EQ(info.title, L"即将开始安装");
    e2e::PressOk(info.window);
    ASSERT_TRUE(box.WaitRuns(4));
}

// Win events from the program, as an out-of-context hook in this process receives them.
std::vector<std::pair<DWORD, HWND>>& Seen() {
    static std::vector<std::pair<DWORD, HWND>> seen;
    return seen;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) Seen().push_back({event, window});
}

bool Pump(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT);
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }
    return true;
}

TEST(ScreenReader, CaptionFocusAndLookChangesAreAnnounced) {
    ComScope com;
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    Seen().clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent, box.pid(), 0,
                                         WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    auto saw = [](DWORD event, HWND w) {
        for (const auto& e : Seen())
            if (e.first == event && e.second == w) return true;
        return false;
    };
    HWND start = GetDlgItem(main, app::kIdShape2start);
    DefaultAction press(start);
    ASSERT_TRUE(press.ok());
    EXPECT_TRUE(Pump([&] { return saw(EVENT_OBJECT_NAMECHANGE, start); }, 10000)) << "the temporary caption";
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(start) == L"启动"; }));

    HWND help = GetDlgItem(main, app::kIdShape1help);
    e2e::BringToFront(main);
    RECT r;
    GetClientRect(help, &r);
    e2e::MoveTo(help, r.right / 2, r.bottom / 2);
    EXPECT_TRUE(Pump([&] { return saw(EVENT_OBJECT_STATECHANGE, help); }, 5000)) << "hover changes the look";
    e2e::ClickAt(help, r.right / 2, r.bottom / 2);
    EXPECT_TRUE(Pump([&] { return saw(EVENT_OBJECT_FOCUS, help); }, 5000)) << "a click gives it the focus";
    UnhookWinEvent(hook);
}

TEST(ScreenReader, HelpPageReadsInOrderBesideItsLinkButtons) {
    ComScope com;
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    DefaultAction press(GetDlgItem(main, app::kIdShape1help));
    ASSERT_TRUE(press.ok());
    HWND help = nullptr;
    ASSERT_TRUE(
        e2e::WaitFor([&] { return (help = e2e::FindProcessWindow(box.pid(), guides::kGuideClass)) != nullptr; }));
    IAccessible* acc = ClientOf(help);
    Released hold{acc};
    ASSERT_NE(acc, nullptr);

    const guides::PageSpec& page = guides::HelpPage();
    const auto order = guides::ReadingOrder(page);
    long count = 0;
    ASSERT_TRUE(SUCCEEDED(acc->get_accChildCount(&count)));
    ASSERT_EQ(count, static_cast<long>(order.size()));
    for (long id = 1; id <= count; ++id) {
        const guides::PageItem& item = order[static_cast<std::size_t>(id - 1)];
        const Answers a = Read(acc, id);
        switch (item.kind) {
            case guides::PageItem::Label:
                EXPECT_EQ(a.role, ROLE_SYSTEM_STATICTEXT) << id;
                EXPECT_EQ(a.name, page.labels[item.index].text) << id;
                break;
            case guides::PageItem::Image:
                EXPECT_EQ(a.role, ROLE_SYSTEM_GRAPHIC) << id;
                EXPECT_FALSE(a.name.empty()) << id;
                break;
            case guides::PageItem::Button: {
                EXPECT_EQ(a.role, ROLE_SYSTEM_PUSHBUTTON) << id;
                EXPECT_EQ(a.action, L"按下") << id;
                IDispatch* dispatch = nullptr;
                EXPECT_EQ(acc->get_accChild(Child(id), &dispatch), S_OK) << id;
                if (dispatch) dispatch->Release();
                break;
            }
        }
    }
    // The first label is the page's introduction, where a reader starts.
    EXPECT_EQ(Read(acc, 1).name, page.labels[0].text);
    PostMessageW(help, WM_CLOSE, 0, 0);
}

TEST(ScreenReader, KitControlsInTheGallery) {
    ComScope com;
    const std::wstring exe = e2e::BinDir() + L"\\Gallery.exe";
    std::wstring line = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    HWND gallery = nullptr;
    e2e::WaitFor([&] { return (gallery = e2e::FindProcessWindow(pi.dwProcessId, gallery::kGalleryClass)) != nullptr; });
    ASSERT_NE(gallery, nullptr);
    const struct {
        int id;
        long role;
        long stateSet, stateClear;
        const wchar_t* action;
    } cases[] = {
        {gallery::kIdCheckFirst + 0, ROLE_SYSTEM_CHECKBUTTON, 0, STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED, L"选中"},
        {gallery::kIdCheckFirst + 1, ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_CHECKED, STATE_SYSTEM_MIXED, L"清除"},
        {gallery::kIdCheckFirst + 2, ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_MIXED, STATE_SYSTEM_CHECKED, L"选中"},
        {gallery::kIdCheckFirst + 3, ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED, 0,
         L"清除"},
        {gallery::kIdSelectionFirst, ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_UNAVAILABLE, L"按下"},
        {gallery::kIdShapeFirst, ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_UNAVAILABLE, L"按下"},
        {gallery::kIdTextFirst + 2, ROLE_SYSTEM_STATICTEXT, 0, 0, L""},
    };
    for (const auto& c : cases) {
        HWND w = GetDlgItem(gallery, c.id);
        ASSERT_NE(w, nullptr) << c.id;
        IAccessible* acc = ClientOf(w);
        Released hold{acc};
        ASSERT_NE(acc, nullptr) << c.id;
        const Answers a = Read(acc);
        EXPECT_EQ(a.role, c.role) << c.id;
        EXPECT_EQ(a.state & c.stateSet, c.stateSet) << c.id;
        EXPECT_EQ(a.state & c.stateClear, 0) << c.id;
        EXPECT_EQ(a.action, c.action) << c.id;
        EXPECT_FALSE(a.name.empty()) << c.id;
    }
    // Outside label mode a text box's edit box is named by the header above it; in label mode its text is read.
    HWND edit = FindWindowExW(GetDlgItem(gallery, gallery::kIdTextFirst), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    IAccessible* editAcc = ClientOf(edit);
    Released holdEdit{editAcc};
    ASSERT_NE(editAcc, nullptr);
    const Answers editAnswers = Read(editAcc);
    EXPECT_EQ(editAnswers.name, L"Name");
    EXPECT_EQ(editAnswers.role, ROLE_SYSTEM_TEXT);
    IAccessible* label = ClientOf(GetDlgItem(gallery, gallery::kIdTextFirst + 2));
    Released holdLabel{label};
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(Read(label).name, L"Shown as a label");
    // The check box's default action advances its value as a click does.
    HWND first = GetDlgItem(gallery, gallery::kIdCheckFirst);
    DefaultAction press(first);
    ASSERT_TRUE(press.ok());
    IAccessible* acc = ClientOf(first);
    Released hold{acc};
    ASSERT_NE(acc, nullptr);
    EXPECT_TRUE(e2e::WaitFor([&] { return (Read(acc).state & STATE_SYSTEM_CHECKED) != 0; }, 3000));
    // The selection entry's description line is its accessible description.
    IAccessible* sel = ClientOf(GetDlgItem(gallery, gallery::kIdSelectionFirst));
    Released holdSel{sel};
    ASSERT_NE(sel, nullptr);
    EXPECT_FALSE(Read(sel).description.empty());
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
}

// High contrast cannot be switched on under Wine, and another process's new system colours do not reach a running
// Wine process (measured: a forced repaint still drew the old colour). In this process they do: the About window,
// opened here, must draw its footer in the button-text colour of the moment, not one it kept from its start.
TEST(SystemColours, AChangeRepaintsTheAboutFooter) {
    guides::ShowGuide(GetModuleHandleW(nullptr), guides::Guide::About, plat::Win32Services());
    HWND about = guides::OpenGuide(guides::Guide::About);
    ASSERT_NE(about, nullptr);
    SetWindowPos(about, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // The footer's text, in client pixels at 96 dpi.
    const RECT footer = {0, 240, 385, 257};
    auto footerHas = [&](COLORREF colour) {
        POINT origin = {0, 0};
        ClientToScreen(about, &origin);
        for (int y = footer.top; y < footer.bottom; ++y)
            for (int x = footer.left; x < footer.right; ++x)
                if (e2e::ScreenPixel(origin.x + x, origin.y + y) == colour) return true;
        return false;
    };
    const COLORREF original = GetSysColor(COLOR_BTNTEXT);
    EXPECT_TRUE(Pump([&] { return footerHas(original); }, 5000));
    const int element = COLOR_BTNTEXT;
    const COLORREF changed = RGB(255, 0, 0);
    ASSERT_TRUE(SetSysColors(1, &element, &changed));
    const bool followed = Pump([&] { return footerHas(changed); }, 5000);
    SetSysColors(1, &element, &original);
    EXPECT_TRUE(followed) << "the footer is drawn in the new button-text colour";
    EXPECT_TRUE(Pump([&] { return footerHas(original); }, 5000)) << "and in the old one again";
    DestroyWindow(about);
    Pump([] { return false; }, 50);
}

}  // namespace
