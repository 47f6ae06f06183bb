// End-to-end tests of the control kit in Gallery.exe under Wine: typing into a digits-only box, select-all on
// tabbing in, check button clicks, the selection entry's hover colours and leave poll, saving and loading.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "e2e/harness_win.h"
#include "tools/gallery/gallery_ids.h"

namespace {

using namespace gallery;

constexpr int kControls = kShapeCount + kCheckCount + kTextCount + kSelectionCount;

// One run of Gallery.exe, ended when the test ends.
class GalleryRun {
public:
    explicit GalleryRun(const std::wstring& arguments) : process_(e2e::BinDir() + L"\\Gallery.exe", arguments) {
        if (!process_.Started()) return;
        WaitForInputIdle(process_.process(), 10000);
        e2e::WaitFor([&] { return (main_ = e2e::FindProcessWindow(process_.pid(), kGalleryClass)) != nullptr; });
        if (main_) SetForegroundWindow(main_);
    }

    HWND main() const { return main_; }
    HANDLE process() const { return process_.process(); }
    bool Running() const { return process_.Running(); }
    HWND Item(int id) const { return GetDlgItem(main_, id); }
    std::wstring Status() const { return e2e::WindowText(Item(kIdStatus)); }
    // Whether a line of the status log starts with `prefix`.
    bool HasLine(const std::wstring& prefix) const {
        std::wstringstream lines(Status());
        std::wstring line;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == L'\r') line.pop_back();
            if (line.compare(0, prefix.size(), prefix) == 0) return true;
        }
        return false;
    }
    bool WaitStatus(const std::wstring& prefix, int timeoutMs = 5000) const {
        return e2e::WaitFor([&] { return HasLine(prefix); }, timeoutMs);
    }
    HWND Focus() const {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(process_.threadId(), &info);
        return info.hwndFocus;
    }
    void Command(int id) const { PostMessageW(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

private:
    e2e::ChildProcess process_;
    HWND main_ = nullptr;
};

HWND EditOf(HWND textBox) { return FindWindowExW(textBox, nullptr, L"Edit", nullptr); }

COLORREF Pixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return e2e::ScreenPixel(p.x, p.y);
}

void Key(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

void Type(const char* keys) {
    for (const char* k = keys; *k; ++k) {
        const WORD vk = static_cast<WORD>(*k >= 'a' && *k <= 'z' ? *k - 'a' + 'A' : *k);
        Key(vk, false);
        Key(vk, true);
    }
}

// A point of the gallery's own background, away from every control.
void PointerToBackground(const GalleryRun& g) { e2e::MoveTo(g.main(), 450, 290); }

// The check button's box: its top row is the first in the left column that shows a frame colour.
struct BoxShot {
    int top = -1;
    COLORREF frame = 0;
    int green = 0;  // interior pixels that belong to a green mark
};

// The box as one capture of the screen: a repaint between two of the pixels read would mix two images.
BoxShot ShootBox(HWND check) {
    const COLORREF frames[] = {RGB(170, 173, 176), RGB(24, 133, 210), RGB(207, 211, 215), RGB(189, 191, 194)};
    RECT r;
    GetClientRect(check, &r);
    POINT origin{0, 0};
    ClientToScreen(check, &origin);
    HDC screen = GetDC(nullptr);
    HDC shot = CreateCompatibleDC(screen);
    HBITMAP bits = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ before = SelectObject(shot, bits);
    BitBlt(shot, 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
    BoxShot box;
    for (int y = 0; y < r.bottom && box.top < 0; ++y) {
        const COLORREF c = GetPixel(shot, 0, y);
        for (COLORREF f : frames)
            if (c == f) {
                box.top = y;
                box.frame = c;
            }
    }
    for (int y = 1; y < 12 && box.top >= 0; ++y)
        for (int x = 1; x < 12; ++x) {
            const COLORREF c = GetPixel(shot, x, box.top + y);
            if (GetGValue(c) > GetRValue(c) + 60 && GetGValue(c) > GetBValue(c) + 60) ++box.green;
        }
    SelectObject(shot, before);
    DeleteObject(bits);
    DeleteDC(shot);
    ReleaseDC(nullptr, screen);
    return box;
}

// Clicks until `arrived` holds. Under Wine a click can be lost to the late echo of an earlier pointer move; a
// second click is sent only when the first did not arrive, so it never lands on a control that took one.
bool ClickUntil(HWND target, int x, int y, const std::function<bool()>& arrived) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        e2e::ClickAt(target, x, y);
        if (e2e::WaitFor(arrived, 2000)) return true;
    }
    return false;
}

// Clicks into an edit box until it has the focus.
bool ClickIntoUntilFocused(const GalleryRun& g, HWND edit) {
    RECT r;
    GetClientRect(edit, &r);
    return ClickUntil(edit, r.right / 2, r.bottom / 2, [&] { return g.Focus() == edit; });
}

TEST(GalleryE2E, DigitsOnlyBoxKeepsOnlyTheDigitsTyped) {
    GalleryRun g(L"");
    ASSERT_NE(g.main(), nullptr);
    HWND edit = EditOf(g.Item(kIdTextFirst + 1));
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(ClickIntoUntilFocused(g, edit));
    // Clicking in selected the whole text, so typing replaces it.
    Type("12a3");
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(edit) == L"123"; }, 5000))
        << "text now: " << e2e::Utf8(e2e::WindowText(edit));
    EXPECT_TRUE(g.WaitStatus(L"N_TextBox2: Change \"123\"")) << e2e::Utf8(g.Status());
    Key(VK_BACK, false);
    Key(VK_BACK, true);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(edit) == L"12"; }, 5000));
}

TEST(GalleryE2E, TabbingIntoABoxSelectsAllOfItsText) {
    GalleryRun g(L"");
    ASSERT_NE(g.main(), nullptr);
    HWND first = EditOf(g.Item(kIdTextFirst));
    HWND second = EditOf(g.Item(kIdTextFirst + 1));
    ASSERT_TRUE(first && second);
    SendMessageW(second, EM_SETSEL, 1, 1);  // a collapsed selection to start from
    ASSERT_TRUE(ClickIntoUntilFocused(g, first));
    Key(VK_TAB, false);
    Key(VK_TAB, true);
    ASSERT_TRUE(e2e::WaitFor([&] { return g.Focus() == second; }, 5000));
    const DWORD sel = static_cast<DWORD>(SendMessageW(second, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(sel), 0);
    EXPECT_EQ(HIWORD(sel), 4) << "the whole of \"2024\"";
}

TEST(GalleryE2E, ClickingACheckButtonCyclesItsImage) {
    GalleryRun g(L"");
    ASSERT_NE(g.main(), nullptr);
    HWND check = g.Item(kIdCheckFirst);
    PointerToBackground(g);
    BoxShot before;
    ASSERT_TRUE(e2e::WaitFor([&] { return (before = ShootBox(check)).frame == RGB(170, 173, 176); }, 3000));
    EXPECT_EQ(before.green, 0) << "unchecked: no mark";

    RECT r;
    GetClientRect(check, &r);
    ASSERT_TRUE(ClickUntil(check, 40, r.bottom / 2, [&] { return g.HasLine(L"CheckButton1: Click, Value 1"); }))
        << e2e::Utf8(g.Status());
    BoxShot ticked;
    ASSERT_TRUE(e2e::WaitFor([&] { return (ticked = ShootBox(check)).green >= 8; }, 3000));
    EXPECT_EQ(ticked.frame, RGB(170, 173, 176)) << "after a click the normal image shows until the pointer moves\n"
                                                << e2e::Utf8(g.Status());

    e2e::MoveTo(check, 42, r.bottom / 2);
    BoxShot hover;
    EXPECT_TRUE(e2e::WaitFor([&] { return (hover = ShootBox(check)).frame == RGB(24, 133, 210); }, 3000));
    EXPECT_GE(hover.green, 8);

    PointerToBackground(g);
    BoxShot left;
    EXPECT_TRUE(e2e::WaitFor([&] { return (left = ShootBox(check)).frame == RGB(170, 173, 176); }, 1000))
        << "the 50 ms poll restores the normal image";
    EXPECT_TRUE(g.WaitStatus(L"CheckButton1: MouseOut")) << e2e::Utf8(g.Status());

    // Far enough from the last click not to make a double-click.
    e2e::ClickAt(check, 80, r.bottom / 2);
    ASSERT_TRUE(g.WaitStatus(L"CheckButton1: Click, Value 0")) << e2e::Utf8(g.Status());
    EXPECT_TRUE(e2e::WaitFor([&] { return ShootBox(check).green == 0; }, 3000));

    // A double-click changes the value once: 0 -> 1. Had it changed it twice, the next click would tick it.
    e2e::ClickAt(check, 120, r.bottom / 2);
    e2e::ClickAt(check, 120, r.bottom / 2);
    EXPECT_TRUE(e2e::WaitFor([&] { return ShootBox(check).green >= 8; }, 3000));
    e2e::ClickAt(check, 40, r.bottom / 2);
    EXPECT_TRUE(e2e::WaitFor([&] { return ShootBox(check).green == 0; }, 3000));
}

TEST(GalleryE2E, HoveringASelectionEntryRecoloursItAndLeavingRestoresIt) {
    GalleryRun g(L"");
    ASSERT_NE(g.main(), nullptr);
    HWND entry = g.Item(kIdSelectionFirst);
    PointerToBackground(g);
    ASSERT_TRUE(e2e::WaitFor([&] { return Pixel(entry, 4, 4) == RGB(0, 0, 0); }, 3000));
    // A freshly started gallery can lose a move to the late echo of an earlier one (as with the first click):
    // the pointer goes away and back only when the entry never saw it arrive.
    bool entered = false;
    for (int attempt = 0; attempt < 3 && !entered; ++attempt) {
        if (attempt > 0) PointerToBackground(g);
        e2e::MoveTo(entry, 10, 6);
        entered = e2e::WaitFor([&] { return g.HasLine(L"N_Selection1: MouseEnter"); }, 2000);
    }
    EXPECT_TRUE(entered) << e2e::Utf8(g.Status());
    EXPECT_TRUE(e2e::WaitFor([&] { return Pixel(entry, 4, 4) == RGB(45, 45, 45); }, 3000));
    // No move reaches the entry once the pointer is elsewhere: only the poll can see it leave.
    PointerToBackground(g);
    EXPECT_TRUE(e2e::WaitFor([&] { return Pixel(entry, 4, 4) == RGB(0, 0, 0); }, 1000));
    EXPECT_TRUE(g.WaitStatus(L"N_Selection1: MouseLeave")) << e2e::Utf8(g.Status());
}

TEST(GalleryE2E, ArrowKeysMoveTheFocusBetweenSelectionEntries) {
    GalleryRun g(L"");
    ASSERT_NE(g.main(), nullptr);
    HWND first = g.Item(kIdSelectionFirst);
    HWND second = g.Item(kIdSelectionFirst + 1);
    // A click can be lost to the late echo of an earlier pointer move (see ClickIntoUntilFocused): another is sent
    // only when the first never arrived.
    bool clicked = false;
    for (int attempt = 0; attempt < 3 && !clicked; ++attempt) {
        e2e::ClickAt(first, 10, 6);
        clicked = e2e::WaitFor([&] { return g.HasLine(L"N_Selection1: Click"); }, 2000);
    }
    ASSERT_TRUE(clicked) << e2e::Utf8(g.Status());
    ASSERT_TRUE(e2e::WaitFor([&] { return g.Focus() == first; }, 3000));
    Key(VK_DOWN, false);
    Key(VK_DOWN, true);
    EXPECT_TRUE(e2e::WaitFor([&] { return g.Focus() == second; }, 3000)) << "down posts a Tab";
    Key(VK_LEFT, false);
    Key(VK_LEFT, true);
    EXPECT_TRUE(e2e::WaitFor([&] { return g.Focus() == first; }, 3000)) << "left posts a Shift+Tab";
}

TEST(GalleryE2E, TheTextBoxAboutBoxShowsItsText) {
    GalleryRun g(L"");
    ASSERT_NE(g.main(), nullptr);
    g.Command(kIdAbout);
    e2e::MessageBoxInfo box;
    ASSERT_TRUE(e2e::WaitMessageBox(GetProcessId(g.process()), &box));
    EXPECT_EQ(box.title, L"Gallery");
    EXPECT_EQ(box.text,
              L"Vovoz OvidUvi\r\n\r\nWritten by:\r\nBrenvali\r\n\r\nYou can freely use this control as you want!");
    e2e::PressOk(box.window);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(box.window); }, 3000));
}

TEST(GalleryE2E, SavingThenLoadingRoundTrips) {
    const std::wstring folder = e2e::UniqueTempPath(L"kit-gallery-e2e-");
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring first = folder + L"\\first.design";
    const std::wstring second = folder + L"\\second.design";
    std::string saved;
    {
        GalleryRun g(L"/save \"" + first + L"\"");
        ASSERT_NE(g.main(), nullptr);
        HWND check = g.Item(kIdCheckFirst);
        RECT r;
        GetClientRect(check, &r);
        e2e::ClickAt(check, 40, r.bottom / 2);
        ASSERT_TRUE(g.WaitStatus(L"CheckButton1: Click, Value 1")) << e2e::Utf8(g.Status());
        g.Command(kIdSave);
        ASSERT_TRUE(g.WaitStatus(L"Saved " + std::to_wstring(kControls) + L" controls to ")) << e2e::Utf8(g.Status());
        ASSERT_TRUE(e2e::ReadFileBytes(first, &saved));
    }
    for (const char* section : {"[N_Shape1]", "[N_Shape6]", "[CheckButton1]", "[CheckButton4]", "[N_Selection1]",
                                "[N_Selection3]", "[N_TextBox1]", "[N_TextBox4]"})
        EXPECT_NE(saved.find(section), std::string::npos) << section;
    const std::size_t check1 = saved.find("[CheckButton1]");
    EXPECT_NE(saved.find("Value = 1", check1), std::string::npos);
    EXPECT_NE(saved.find("NumberBox = True"), std::string::npos);
    EXPECT_NE(saved.find("PasswordChar = \"*\""), std::string::npos);

    GalleryRun h(L"/load \"" + first + L"\" /save \"" + second + L"\"");
    ASSERT_NE(h.main(), nullptr);
    ASSERT_TRUE(h.WaitStatus(L"Loaded " + std::to_wstring(kControls) + L" controls from ")) << e2e::Utf8(h.Status());
    PointerToBackground(h);
    EXPECT_TRUE(e2e::WaitFor([&] { return ShootBox(h.Item(kIdCheckFirst)).green >= 8; }, 3000))
        << "the loaded check button shows its tick";
    EXPECT_EQ(e2e::WindowText(EditOf(h.Item(kIdTextFirst + 1))), L"2024");
    h.Command(kIdSave);
    ASSERT_TRUE(h.WaitStatus(L"Saved " + std::to_wstring(kControls) + L" controls to ")) << e2e::Utf8(h.Status());
    std::string again;
    ASSERT_TRUE(e2e::ReadFileBytes(second, &again));
    EXPECT_EQ(again, saved);
}

TEST(GalleryE2E, ABadOrMissingFileIsReportedAndTheGalleryGoesOn) {
    const std::wstring folder = e2e::UniqueTempPath(L"kit-gallery-e2e-");
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring bad = folder + L"\\bad.design";
    ASSERT_TRUE(e2e::WriteFileBytes(bad, "[CheckButton1]\nValue = 1\n[Broken\n"));
    {
        GalleryRun g(L"/load \"" + bad + L"\"");
        ASSERT_NE(g.main(), nullptr);
        EXPECT_TRUE(g.WaitStatus(L"Could not load " + bad + L": line 3")) << e2e::Utf8(g.Status());
        EXPECT_TRUE(g.Running());
    }
    const std::wstring binary = folder + L"\\binary.design";
    ASSERT_TRUE(e2e::WriteFileBytes(binary, std::string("\xFF\xFE\x00[\x80\x81", 6)));
    {
        GalleryRun g(L"/load \"" + binary + L"\"");
        ASSERT_NE(g.main(), nullptr);
        EXPECT_TRUE(g.WaitStatus(L"Could not load " + binary + L": not UTF-8 text")) << e2e::Utf8(g.Status());
        g.Command(kIdLoad);
        EXPECT_TRUE(g.Running());
    }
    // Well-formed but outsized: the controls load it and the gallery draws on.
    const std::wstring huge = folder + L"\\huge.design";
    ASSERT_TRUE(e2e::WriteFileBytes(huge,
                                    "[N_TextBox1]\nFONT = Font(\"Arial\", 999999, 1000, 255, True, True, True)\n"
                                    "[CheckButton1]\nFont = Font(\"\", 0, 0, 0, False, False, False)\n"
                                    "Value = -7\n[N_Selection1]\nFontSize = 30000\n"));
    {
        GalleryRun g(L"/load \"" + huge + L"\"");
        ASSERT_NE(g.main(), nullptr);
        EXPECT_TRUE(g.WaitStatus(L"Loaded 3 controls from ")) << e2e::Utf8(g.Status());
        UpdateWindow(g.main());
        RedrawWindow(g.main(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(g.Running());
    }
    {
        GalleryRun g(L"/load \"" + folder + L"\\missing.design\"");
        ASSERT_NE(g.main(), nullptr);
        EXPECT_TRUE(g.WaitStatus(L"Could not load ")) << e2e::Utf8(g.Status());
        EXPECT_NE(g.Status().find(L"cannot be opened"), std::wstring::npos);
        EXPECT_TRUE(g.Running());
    }
}

}  // namespace
