// Every console command line, character for character, as the user's consoles receive it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/console.h"
#include "fakes.h"
#include "platform/trace.h"

namespace {

using app::ConsoleRow;

const std::wstring kDeviceCheckBanner =
    L" && COLOR 3f  && title 设备连接检测结果 && echo   "
    L"****************************************************************** && echo.  *                                   "
    L"                             * && echo   *   1.device前显示设备序列号即表示连接成功，软件才可正常使用！   * && "
    L"echo   *   2.若连接不到设备，请在帮助界面下载驱动或更换电脑。           * && echo   *   "
    L"3.连接问题属于个人设备问题，不接受反馈。                     * && echo.  *                                       "
    L"                         * && echo.  ****************************************************************** && echo. "
    L" && echo. && echo 按任意键关闭此窗口... && pause>nul && EXIT";
const std::wstring kInstallBanner =
    L" && COLOR 3f  && title 安装结果 && echo. && echo.出现 Success 表示安装完成！ "
    L"若没有安装可在手机内部存储根目录下找到Gnirehtet.apk手动安装&& echo.  && echo. && echo 按任意键关闭此窗口... && "
    L"pause>nul && EXIT";

struct Expected {
    ConsoleRow row;
    std::wstring line;
    plat::ShowState show;
    bool text8;
};

std::vector<Expected> AllRows() {
    using plat::ShowState;
    return {
        {ConsoleRow::DeviceCheck, L"cmd /k adb devices" + kDeviceCheckBanner, ShowState::NormalActivate, true},
        {ConsoleRow::PushClient, L"cmd /c adb push .Client\\gnirehtet.apk sdcard/", ShowState::Hidden, false},
        {ConsoleRow::InstallClient, L"cmd /k adb install -r .Client\\gnirehtet.apk" + kInstallBanner,
         ShowState::NormalActivate, false},
        {ConsoleRow::AirplaneOn, L"cmd /c adb shell cmd connectivity airplane-mode enable", ShowState::Hidden, false},
        {ConsoleRow::AirplaneOff, L"cmd /c adb shell cmd connectivity airplane-mode disable", ShowState::Hidden, false},
        {ConsoleRow::RelayStop, L"cmd /c gnirehtet stop", ShowState::Hidden, false},
        {ConsoleRow::RelayStart, L"cmd /c gnirehtet start", ShowState::Hidden, false},
        {ConsoleRow::RelayRun, L"cmd /c gnirehtet relay", ShowState::Hidden, false},
    };
}

TEST(ConsoleLines, EveryRowIsComposedExactly) {
    for (const Expected& e : AllRows()) {
        fakes::ProcessLog processes;
        fakes::Field text8(L"Text8"), intertext(L"");
        fakes::Sleeps sleeps;
        app::Console console(processes, sleeps, text8, intertext);
        console.Run(e.row);
        ASSERT_EQ(processes.started.size(), 1u) << static_cast<int>(e.row);
        EXPECT_EQ(processes.started[0].line, e.line) << static_cast<int>(e.row);
        EXPECT_EQ(processes.started[0].show, e.show) << static_cast<int>(e.row);
        const std::wstring command = app::RequestFor(e.row).command;
        EXPECT_EQ(e.text8 ? text8.Text() : intertext.Text(), command) << "the command is kept in its scratch field";
        EXPECT_EQ(e.text8 ? intertext.Text() : text8.Text(), e.text8 ? L"" : L"Text8")
            << "the other field is untouched";
    }
}

TEST(ConsoleLines, LineIsBuiltFromTheScratchFieldsText) {
    // A field that normalises what is stored in it: the line follows the field, not the table.
    struct Upper final : fakes::Field {
        using fakes::Field::Field;
        std::wstring Text() const override { return L"adb version"; }
    } intertext(L"");
    fakes::ProcessLog processes;
    fakes::Field text8(L"");
    fakes::Sleeps sleeps;
    app::Console console(processes, sleeps, text8, intertext);
    console.Run(ConsoleRow::RelayStop);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].line, L"cmd /c adb version");
}

TEST(ConsoleLines, BannersDiscardThePausePromptWithoutWritingAFile) {
    for (app::Banner b : {app::Banner::DeviceCheck, app::Banner::InstallResult}) {
        const std::wstring& text = app::BannerText(b);
        EXPECT_EQ(text.find(L"pause>null"), std::wstring::npos);
        EXPECT_NE(text.find(L" && pause>nul && EXIT"), std::wstring::npos);
        EXPECT_EQ(text.rfind(L" && EXIT"), text.size() - 8);
    }
}

TEST(ConsoleLines, DeviceCheckBoxLinesAreEqualWidth) {
    // Every line of the framed note ends in the same column when printed (each CJK character counts two).
    const std::wstring& banner = app::BannerText(app::Banner::DeviceCheck);
    std::vector<std::size_t> widths;
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = banner.find(L" && ", start);
        const std::wstring link = banner.substr(start, sep == std::wstring::npos ? std::wstring::npos : sep - start);
        if (link.find(L'*') != std::wstring::npos) {
            // "echo " and "echo." are both five characters; what follows them is printed as it stands.
            std::size_t width = 0;
            for (std::size_t i = 5; i < link.size(); ++i) width += link[i] >= 0x2E80 ? 2 : 1;
            widths.push_back(width);
        }
        if (sep == std::wstring::npos) break;
        start = sep + 4;
    }
    ASSERT_EQ(widths.size(), 7u);
    for (std::size_t w : widths) EXPECT_EQ(w, widths[0]);
}

}  // namespace

namespace retries {

std::vector<std::string> g_traced;
void Collect(const std::string& line) { g_traced.push_back(line); }

// A refused start is tried again after a short pause, with the same line; one refused every time is kept, with the
// system's last reason, for the action to report. Each refused try leaves one trace line.
TEST(ConsoleStarts, ARefusedStartIsTriedAgainThenKeptForTheReport) {
    struct Row {
        int refusals;
        std::size_t runs;
        std::size_t kept;
    };
    const Row rows[] = {{0, 1, 0}, {1, 1, 0}, {2, 1, 0}, {3, 0, 1}, {5, 0, 1}};
    const plat::TraceSink previous = plat::SetTraceSink(&Collect);
    for (const Row& row : rows) {
        g_traced.clear();
        fakes::ProcessLog processes;
        processes.failures[L"cmd /c gnirehtet relay"] = row.refusals;
        fakes::Sleeps sleeps;
        fakes::Field text8(L"Text8"), intertext(L"");
        app::Console console(processes, sleeps, text8, intertext);
        EXPECT_EQ(console.Run(ConsoleRow::RelayRun), row.runs == 1) << row.refusals;
        const int tries = std::min(row.refusals + 1, app::Console::kTries);
        EXPECT_EQ(processes.tries, tries) << row.refusals;
        ASSERT_EQ(processes.started.size(), row.runs) << row.refusals;
        EXPECT_EQ(sleeps.slept, std::vector<unsigned>(tries - 1, 100u)) << "a pause before each new try";
        EXPECT_EQ(g_traced.size(), static_cast<std::size_t>(std::min(row.refusals, app::Console::kTries)));
        for (const std::string& line : g_traced) {
            EXPECT_NE(line.find("console start"), std::string::npos) << line;
            EXPECT_NE(line.find("error 1359: gnirehtet relay"), std::string::npos) << line;
        }
        const std::vector<app::FailedStart> failed = console.TakeFailures();
        ASSERT_EQ(failed.size(), row.kept) << row.refusals;
        if (row.kept) {
            EXPECT_EQ(failed[0].row, ConsoleRow::RelayRun);
            EXPECT_EQ(failed[0].result.error, 1359u);
            EXPECT_EQ(failed[0].result.reason, L"Internal error.");
        }
        EXPECT_TRUE(console.TakeFailures().empty()) << "a failure is reported once";
    }
    plat::SetTraceSink(previous);
}

TEST(ConsoleStarts, TheReportNamesEachCommandAndItsReason) {
    const std::vector<app::FailedStart> failed = {
        {ConsoleRow::DeviceCheck, {false, 2, L"The system cannot find the file specified."}},
        {ConsoleRow::RelayRun, {false, 1359, L""}},
    };
    EXPECT_EQ(app::FailedStartsText(failed),
              L"以下命令未能启动，没有执行：\r\n\r\nadb devices\r\n原因：The system cannot find the file "
              L"specified.（错误代码 2）\r\n\r\ngnirehtet relay\r\n原因：未知错误。（错误代码 1359）");
}

}  // namespace retries
