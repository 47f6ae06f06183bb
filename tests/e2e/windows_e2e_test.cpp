// End-to-end use of the three windows under Wine: the relay actions with the stand-in tools, the temporary
// captions, the guide windows' instance rule and lifetime, and every link button.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

#include "app/form1_ids.h"
#include "guides/links.h"
#include "e2e/harness_win.h"
#include "guides/guide_window_win.h"
#include "platform/platform_win.h"

namespace {

using e2e::Sandbox;

// The internal caption of a window of another process; unlike WM_GETTEXT it does not wait for the window's
// thread, which the relay actions keep busy.
std::wstring Caption(HWND w) {
    wchar_t buffer[256];
    const int n = GetWindowTextW(w, buffer, 256);
    return std::wstring(buffer, n > 0 ? n : 0);
}

void Click(HWND button, bool right = false) {
    RECT r;
    GetClientRect(button, &r);
    e2e::ClickAt(button, r.right / 2, r.bottom / 2, right);
}

std::vector<e2e::StandinRun> RunsAfterDeviceCheck(const Sandbox& box) {
    auto runs = box.Runs();
    runs.erase(runs.begin());  // adb devices
    return runs;
}

// The runs in the order the program started their consoles. A busy machine can run the stand-in of an earlier
// console after a later one's: the log's order is the stand-ins'.
std::vector<e2e::StandinRun> InConsoleOrder(std::vector<e2e::StandinRun> runs) {
    std::stable_sort(runs.begin(), runs.end(), [](const e2e::StandinRun& a, const e2e::StandinRun& b) {
        return a.consoleStart100ns < b.consoleStart100ns;
    });
    return runs;
}

// Seconds from a moment in 100 ns units of system time to the program's start of the console that ran `b`.
double SecondsFrom(unsigned long long from100ns, const e2e::StandinRun& b) {
    EXPECT_NE(b.consoleStart100ns, 0u);
    return (static_cast<double>(b.consoleStart100ns) - static_cast<double>(from100ns)) / 1e7;
}

// Seconds between the program's starts of the consoles that ran `a` and `b`: at least the pause its action makes
// between them, whatever delay a busy machine adds before each stand-in runs. At most the pause plus the time Wine
// takes to start the first console's interpreter (CreateProcessW returns once the new process has loaded), which a
// busy machine stretches to a second and more.
double Seconds(const e2e::StandinRun& a, const e2e::StandinRun& b) {
    EXPECT_NE(a.consoleStart100ns, 0u);
    return SecondsFrom(a.consoleStart100ns, b);
}

unsigned long long Now100ns() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

void Tick(HWND main, bool on) {
    SendMessageW(GetDlgItem(main, app::kIdCheckflight), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

TEST(RelayWindow, StartShowsItsCaptionsAndRunsTheToolsASecondApart) {
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    HWND start = GetDlgItem(main, app::kIdShape2start);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(Caption(start), L"启动");
    const auto restingPixels = e2e::PixelHash(start);

    Click(start);
    // The caption changes once the first console has started, as the pause begins: the moment is read after the
    // caption, so that it is never before the change.
    unsigned long long pauseBegan = 0;
    ASSERT_TRUE(e2e::WaitFor([&] {
        const bool changed = Caption(start) == L"开启服务...";
        pauseBegan = Now100ns();
        return changed;
    }));
    // The window's thread is paused now; what the screen shows was painted when the caption was set.
    EXPECT_NE(e2e::PixelHash(start), restingPixels) << "the temporary caption is on the screen during the pause";
    ASSERT_TRUE(box.WaitRuns(4));
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(start) == L"启动"; }));

    const auto runs = InConsoleOrder(RunsAfterDeviceCheck(box));
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].program, "gnirehtet");
    EXPECT_EQ(runs[0].arguments, "stop");
    EXPECT_EQ(runs[1].arguments, "start");
    EXPECT_EQ(runs[2].arguments, "relay");
    EXPECT_EQ(runs[0].directory, e2e::Utf8(box.workDir()));
    EXPECT_GT(Seconds(runs[0], runs[1]), 0.8);
    EXPECT_GT(Seconds(runs[1], runs[2]), 0.8);
    // One pause of a second, not more, from where the caption showed it begin to the next console's start.
    EXPECT_LT(SecondsFrom(pauseBegan, runs[1]), 1.8);
}

TEST(RelayWindow, AirplaneModeFollowsTheBoxAtEachClick) {
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    Tick(main, true);
    Click(GetDlgItem(main, app::kIdShape2start), /*right=*/true);  // any mouse button runs the action
    ASSERT_TRUE(box.WaitRuns(5));
    auto runs = RunsAfterDeviceCheck(box);
    // The airplane command and the first stop start back to back, so either may log first.
    std::vector<std::string> first = {runs[0].program + " " + runs[0].arguments,
                                      runs[1].program + " " + runs[1].arguments};
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, (std::vector<std::string>{"adb shell cmd connectivity airplane-mode enable", "gnirehtet stop"}));
    EXPECT_EQ(runs[2].arguments, "start");
    EXPECT_EQ(runs[3].arguments, "relay");

    HWND stop = GetDlgItem(main, app::kIdShape3stop);
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(GetDlgItem(main, app::kIdShape2start)) == L"启动"; }));
    Tick(main, false);
    Click(stop);
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(stop) == L"正在停止..."; }));
    ASSERT_TRUE(box.WaitRuns(6));
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(stop) == L"停止"; }));
    runs = RunsAfterDeviceCheck(box);
    ASSERT_EQ(runs.size(), 5u) << "unticked: no airplane command on stop";
    EXPECT_EQ(runs[4].program + " " + runs[4].arguments, "gnirehtet stop");
}

TEST(RelayWindow, InstallAsksThenCopiesAndInstalls) {
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    Click(GetDlgItem(main, app::kIdShape1install));
    e2e::MessageBoxInfo info;
    ASSERT_TRUE(e2e::WaitMessageBox(box.pid(), &info));
    EXPECT_EQ(info.title, L"即将开始安装");
    EXPECT_EQ(info.text, L"部分机型有外部安装警告，如出现请允许安装\r\n点击确定开始安装，请注意手机端提示！");
    EXPECT_EQ(box.Runs().size(), 1u) << "nothing starts before the box is closed";
    e2e::PressOk(info.window);
    ASSERT_TRUE(box.WaitRuns(3));
    auto runs = RunsAfterDeviceCheck(box);
    std::vector<std::string> got = {runs[0].arguments, runs[1].arguments};
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got,
              (std::vector<std::string>{"install -r .Client\\gnirehtet.apk ", "push .Client\\gnirehtet.apk sdcard/"}));
}

// The prefix's interpreter, which a test may swap for a file that is no program so that the system refuses every
// console start; put back when the test ends (and by the test environment, should a run die holding it).
std::wstring Interpreter() {
    wchar_t system[MAX_PATH];
    return std::wstring(system, GetSystemDirectoryW(system, MAX_PATH)) + L"\\cmd.exe";
}
bool SwapInterpreter(bool away) {
    const std::wstring path = Interpreter(), aside = path + L".relanto-away";
    if (away) return MoveFileExW(path.c_str(), aside.c_str(), 0) && e2e::WriteFileBytes(path, "not a program\r\n");
    return !e2e::FileExists(aside) || MoveFileExW(aside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}
struct InterpreterBack {
    ~InterpreterBack() { SwapInterpreter(false); }
};

// The report of consoles that did not start: each command of `commands`, in order, with the system's own text, in
// this (the program's) language, for the error the report names.
void ExpectReport(const e2e::MessageBoxInfo& box, HWND main, const std::vector<std::wstring>& commands) {
    EXPECT_EQ(box.title, L"Relanto");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), main) << "owned by the window";
    const std::wstring::size_type code = box.text.find(L"（错误代码 ");
    ASSERT_NE(code, std::wstring::npos) << e2e::Utf8(box.text);
    const unsigned long error = std::wcstoul(box.text.c_str() + code + 6, nullptr, 10);
    const std::wstring reason = plat::SystemErrorText(error, Interpreter());
    ASSERT_FALSE(reason.empty());
    std::wstring expected = L"以下命令未能启动，没有执行：";
    for (const std::wstring& command : commands)
        expected += L"\r\n\r\n" + command + L"\r\n原因：" + reason + L"（错误代码 " + std::to_wstring(error) + L"）";
    EXPECT_EQ(box.text, expected) << e2e::Utf8(box.text);
}

void DismissReport(DWORD pid, HWND box, HWND main) {
    e2e::PressOk(box);
    ASSERT_TRUE(e2e::WaitFor([&] { return !e2e::FindProcessWindow(pid, L"#32770") && IsWindowEnabled(main); }));
}

TEST(RelayWindow, ConsolesThatCannotStartAreReportedAndRunOnceTheyCan) {
    Sandbox box({});
    const InterpreterBack back;
    ASSERT_TRUE(SwapInterpreter(false) && SwapInterpreter(true));
    HWND main = e2e::StartMainWindow(box, false);
    ASSERT_NE(main, nullptr);
    e2e::MessageBoxInfo report;
    ASSERT_TRUE(e2e::WaitMessageBox(box.pid(), &report));
    EXPECT_TRUE(IsWindowVisible(main)) << "the window is shown before the report";
    EXPECT_EQ(Caption(main), L"Relanto @Varnik");
    ExpectReport(report, main, {L"adb devices"});
    DismissReport(box.pid(), report.window, main);
    EXPECT_TRUE(box.Running()) << "the program goes on";

    HWND start = GetDlgItem(main, app::kIdShape2start);
    Click(start);
    ASSERT_TRUE(e2e::WaitMessageBox(box.pid(), &report));
    EXPECT_EQ(Caption(start), L"启动") << "reported once the action has ended";
    ExpectReport(report, main, {L"gnirehtet stop", L"gnirehtet start", L"gnirehtet relay"});
    DismissReport(box.pid(), report.window, main);
    EXPECT_TRUE(box.Runs().empty());

    ASSERT_TRUE(SwapInterpreter(false));
    Click(start);
    ASSERT_TRUE(box.WaitRuns(3));
    ASSERT_TRUE(e2e::WaitFor([&] { return Caption(start) == L"启动"; }));
    const auto runs = box.Runs();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].arguments, "stop");
    EXPECT_EQ(runs[1].arguments, "start");
    EXPECT_EQ(runs[2].arguments, "relay");
    // The window's thread answers once the action, last pause included, has ended, or from a report's own loop.
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr));
    EXPECT_EQ(e2e::FindProcessWindow(box.pid(), L"#32770"), nullptr) << "nothing to report";
}

BOOL CALLBACK CountVisibleGuides(HWND w, LPARAM lp) {
    wchar_t cls[64];
    GetClassNameW(w, cls, 64);
    if (lstrcmpW(cls, guides::kGuideClass) == 0 && IsWindowVisible(w)) ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

TEST(GuideWindows, HelpTwiceGivesOneWindowAndOutlivesTheMainWindow) {
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    HWND helpButton = GetDlgItem(main, app::kIdShape1help);
    Click(helpButton);
    HWND help = nullptr;
    ASSERT_TRUE(
        e2e::WaitFor([&] { return (help = e2e::FindProcessWindow(box.pid(), guides::kGuideClass)) != nullptr; }));
    EXPECT_EQ(e2e::WindowText(help), L"教程");
    RECT client;
    GetClientRect(help, &client);
    EXPECT_EQ(client.right, 810);
    EXPECT_EQ(client.bottom, 708);
    const LONG style = GetWindowLongW(help, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_NE(GetWindow(help, GW_OWNER), main) << "the main window does not own it";

    Click(helpButton);
    int count = 0;
    e2e::WaitFor(
        [&] {
            count = 0;
            EnumWindows(CountVisibleGuides, reinterpret_cast<LPARAM>(&count));
            return GetForegroundWindow() == help;
        },
        3000);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(GetForegroundWindow(), help) << "the open window comes to the front";

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(main); }));
    EXPECT_FALSE(box.WaitExit(500)) << "the program runs on while Help is open";
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(box.WaitExit(5000)) << "and ends with its last window";
}

TEST(GuideWindows, EveryLinkButtonOpensItsAddress) {
    Sandbox box({});
    const std::wstring log = box.LogLinks();
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);

    std::vector<std::wstring> expected;
    std::string trace;  // the input state before each click, for a failure that finds the wrong address
    auto clickAndExpect = [&](HWND button, guides::Link link) {
        ASSERT_NE(button, nullptr);
        trace += " " + e2e::InputState(button);
        Click(button);
        expected.push_back(guides::Address(link));
        ASSERT_TRUE(e2e::WaitFor([&] { return e2e::ReadLines(log).size() >= expected.size(); }, 10000))
            << e2e::Utf8(guides::Address(link));
    };
    clickAndExpect(GetDlgItem(main, app::kIdShape1), guides::Link::HomePage);

    Click(GetDlgItem(main, app::kIdShape2abop));
    HWND about = nullptr;
    ASSERT_TRUE(
        e2e::WaitFor([&] { return (about = e2e::FindProcessWindow(box.pid(), guides::kGuideClass)) != nullptr; }));
    EXPECT_EQ(e2e::WindowText(about), L"关于");
    const guides::Link aboutLinks[] = {guides::Link::HomePage, guides::Link::VideoTutorial,
                                       guides::Link::GnirehtetProject, guides::Link::GnirehtetGuide};
    for (int i = 0; i < 4; ++i) clickAndExpect(GetDlgItem(about, guides::kFirstButtonId + i), aboutLinks[i]);
    PostMessageW(about, WM_CLOSE, 0, 0);

    Click(GetDlgItem(main, app::kIdShape1help));
    HWND help = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] {
        help = e2e::FindProcessWindow(box.pid(), guides::kGuideClass);
        return help && e2e::WindowText(help) == L"教程";
    }));
    const guides::Link helpLinks[] = {guides::Link::VideoTutorial, guides::Link::UsbDriver,
                                      guides::Link::UsbDriverGoogle};
    for (int i = 0; i < 3; ++i) clickAndExpect(GetDlgItem(help, guides::kFirstButtonId + i), helpLinks[i]);

    const auto lines = e2e::ReadLines(log);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], e2e::Utf8(expected[i])) << trace;
}

}  // namespace
