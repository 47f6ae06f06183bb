// The three windows from the keyboard alone, under Wine: each window gives the focus to a control when it is
// activated, Tab reaches every button, Space runs exactly what a click runs, Enter does not, and the focus cue
// shows only once the keyboard has been used.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1_ids.h"
#include "e2e/harness_win.h"
#include "guides/guide_window_win.h"
#include "guides/links.h"
#include "platform/keyboard_win.h"

namespace {

using e2e::Sandbox;

// Presses Tab (Shift+Tab when `backwards`) until `target` has the focus, waiting after each press for the focus
// to move. False when it never gets there. The window is brought to the front first, as a user does with Alt+Tab
// after a link opened the browser; a press that finds another window in front is made again once the window is
// back in front, and the walk goes on round the tab order if it passed the target.
bool TabTo(HWND window, HWND target, bool backwards = false) {
    for (int presses = 0; presses < 16; ++presses) {
        if (!e2e::BringToFront(window)) return false;
        HWND before = e2e::FocusOf(window);
        if (before == target) return true;
        plat::SendKeystroke(VK_TAB, backwards);
        e2e::WaitFor([&] { return e2e::FocusOf(window) != before; }, 1500);
    }
    return e2e::FocusOf(window) == target;
}

COLORREF Pixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return e2e::ScreenPixel(p.x, p.y);
}

// Where a button's focus rectangle runs down its left side (3 pixels in at 96 dpi): its dots invert every other
// pixel, so one of two neighbours differs from the fill when the cue shows.
bool ShowsFocusCue(HWND button, COLORREF fill) {
    RECT r;
    GetClientRect(button, &r);
    const int y = r.bottom / 2;
    return Pixel(button, 3, y) != fill || Pixel(button, 3, y + 1) != fill;
}

std::vector<std::string> Commands(const Sandbox& box) {
    std::vector<std::string> out;
    for (const e2e::StandinRun& run : box.Runs()) out.push_back(run.program + " " + run.arguments);
    return out;
}

HWND WaitGuide(const Sandbox& box, const wchar_t* title) {
    HWND guide = nullptr;
    e2e::WaitFor([&] {
        guide = e2e::FindProcessWindow(box.pid(), guides::kGuideClass);
        return guide && e2e::WindowText(guide) == title;
    });
    return guide;
}

TEST(Keyboard, TabReachesTheStartButtonSpaceRunsItAndTheCueShowsOnlyAfterKeyboardUse) {
    BOOL always = TRUE;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0));
    ASSERT_FALSE(always) << "the test prefix hides focus cues until the keyboard is used, as Windows does";
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    e2e::ParkPointer();
    ASSERT_TRUE(e2e::BringToFront(main));
    HWND about = GetDlgItem(main, app::kIdShape2abop), start = GetDlgItem(main, app::kIdShape2start);
    HWND stop = GetDlgItem(main, app::kIdShape3stop);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FocusOf(main) == about; })) << "activation focuses the first control";

    // Focused, but no keyboard used yet: the button looks exactly as when it is not focused.
    const COLORREF salmon = RGB(0xFF, 0x80, 0x80), coral = RGB(0xF3, 0x83, 0x93);
    RECT r;
    GetClientRect(about, &r);
    ASSERT_TRUE(e2e::WaitFor([&] { return Pixel(about, 3, r.bottom / 2) == salmon; }));
    EXPECT_FALSE(ShowsFocusCue(about, salmon));
    const unsigned long long aboutFocused = e2e::PixelHash(about);
    EXPECT_FALSE(ShowsFocusCue(start, coral));

    ASSERT_TRUE(TabTo(main, start)) << "Tab walks the tab order to the start button";
    EXPECT_TRUE(e2e::WaitFor([&] { return ShowsFocusCue(start, coral); }, 3000)) << "the cue shows after Tab";
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::PixelHash(about) == aboutFocused; }, 3000))
        << "the button the focus left looks as it did while focused before the keyboard was used";
    e2e::SaveWindowShot(main, e2e::ArtifactDir() + L"\\main-keyboard-96.bmp");

    plat::SendKeystroke(VK_SPACE);
    ASSERT_TRUE(box.WaitRuns(4));
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(start) == L"启动"; }, 5000));
    EXPECT_EQ(Commands(box),
              (std::vector<std::string>{"adb devices ", "gnirehtet stop", "gnirehtet start", "gnirehtet relay"}));

    // Enter and Escape run nothing: the stop pressed next finds exactly the commands above before its own.
    plat::SendKeystroke(VK_RETURN);
    plat::SendKeystroke(VK_ESCAPE);
    ASSERT_TRUE(TabTo(main, stop));
    plat::SendKeystroke(VK_SPACE);
    ASSERT_TRUE(box.WaitRuns(5));
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(stop) == L"停止"; }, 5000));
    EXPECT_EQ(Commands(box), (std::vector<std::string>{"adb devices ", "gnirehtet stop", "gnirehtet start",
                                                       "gnirehtet relay", "gnirehtet stop"}));
}

TEST(Keyboard, EveryButtonOfTheThreeWindowsRunsFromTheKeyboard) {
    Sandbox box({});
    const std::wstring log = box.LogLinks();
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    e2e::ParkPointer();
    ASSERT_TRUE(e2e::BringToFront(main));
    HWND about = GetDlgItem(main, app::kIdShape2abop);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FocusOf(main) == about; }));

    std::vector<std::wstring> expected;
    std::string trace;  // the input state before each press, for a failure that finds the wrong button pressed
    auto pressAndExpect = [&](HWND window, HWND button, guides::Link link) {
        ASSERT_TRUE(TabTo(window, button)) << e2e::Utf8(guides::Address(link));
        trace += " " + e2e::InputState(button);
        plat::SendKeystroke(VK_SPACE);
        expected.push_back(guides::Address(link));
        ASSERT_TRUE(e2e::WaitFor([&] { return e2e::ReadLines(log).size() >= expected.size(); }, 10000))
            << e2e::Utf8(guides::Address(link));
        // The next keys wait until the stand-in browser has ended.
        ASSERT_TRUE(e2e::WaitFor([] { return e2e::CountProcesses(L"urllog.exe") == 0; }, 10000));
    };
    // Shift+Tab from the first control wraps to the last: the home-page button.
    ASSERT_TRUE(TabTo(main, GetDlgItem(main, app::kIdShape1), /*backwards=*/true));
    pressAndExpect(main, GetDlgItem(main, app::kIdShape1), guides::Link::HomePage);

    ASSERT_TRUE(TabTo(main, about));
    plat::SendKeystroke(VK_SPACE);
    HWND aboutPage = WaitGuide(box, L"关于");
    ASSERT_NE(aboutPage, nullptr);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FocusOf(aboutPage) == GetDlgItem(aboutPage, guides::kFirstButtonId); }))
        << "the About window opens with the focus on its first button";
    const guides::Link aboutLinks[] = {guides::Link::HomePage, guides::Link::VideoTutorial,
                                       guides::Link::GnirehtetProject, guides::Link::GnirehtetGuide};
    for (int i = 0; i < 4; ++i)
        pressAndExpect(aboutPage, GetDlgItem(aboutPage, guides::kFirstButtonId + i), aboutLinks[i]);
    PostMessageW(aboutPage, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(aboutPage); }));

    // Back in the main window, the focus is where it was left.
    ASSERT_TRUE(e2e::BringToFront(main));
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FocusOf(main) == about; })) << e2e::FocusOf(main);
    ASSERT_TRUE(TabTo(main, GetDlgItem(main, app::kIdShape1help)));
    plat::SendKeystroke(VK_SPACE);
    HWND help = WaitGuide(box, L"教程");
    ASSERT_NE(help, nullptr);
    const guides::Link helpLinks[] = {guides::Link::VideoTutorial, guides::Link::UsbDriver,
                                      guides::Link::UsbDriverGoogle};
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FocusOf(help) == GetDlgItem(help, guides::kFirstButtonId); }));
    for (int i = 0; i < 3; ++i) pressAndExpect(help, GetDlgItem(help, guides::kFirstButtonId + i), helpLinks[i]);
    PostMessageW(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(help); }));

    // Install asks first; Enter on the message box is its OK.
    ASSERT_TRUE(e2e::BringToFront(main));
    ASSERT_TRUE(TabTo(main, GetDlgItem(main, app::kIdShape1install)));
    plat::SendKeystroke(VK_SPACE);
    e2e::MessageBoxInfo info;
    ASSERT_TRUE(e2e::WaitMessageBox(box.pid(), &info));
    EXPECT_EQ(info.title, L"即将开始安装");
    ASSERT_TRUE(e2e::BringToFront(info.window));
    plat::SendKeystroke(VK_RETURN);
    ASSERT_TRUE(box.WaitRuns(3));

    const auto lines = e2e::ReadLines(log);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], e2e::Utf8(expected[i])) << trace;
}

}  // namespace
