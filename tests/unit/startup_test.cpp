// Start-up of the main window and the airplane-mode setting, against recording fakes.
#include <gtest/gtest.h>

#include "app/main_logic.h"
#include "app/settings.h"
#include "fakes.h"

namespace {

const std::wstring kFolder = L"C:\\程序 目录";
const std::wstring kConfig = kFolder + L"\\config.ini";

struct View final : app::MainView {
    fakes::Journal* journal;
    bool ticked = false;
    explicit View(fakes::Journal* j) : journal(j) {}
    void SetCaption(const std::wstring& c) override { journal->Add(L"caption:" + c); }
    void ShowMain() override { journal->Add(L"show"); }
    void SetFlightTicked(bool t) override {
        ticked = t;
        journal->Add(t ? L"tick" : L"untick");
    }
    bool FlightTicked() const override { return ticked; }
    void SetButtonCaption(app::MainButton, const std::wstring&) override {}
    void ShowGuide(app::Guide) override {}
    plat::WindowId Window() const override { return 0x51; }
};

struct Rig {
    fakes::Platform p;
    View view{&p.journal};
    fakes::Field text8{L"Text8"}, intertext{L""};
    app::MainLogic logic{p.services, kFolder, view, text8, intertext};
    void AllFiles() {
        p.files.present = {kFolder + L"\\AdbWinUsbApi.dll", kFolder + L"\\AdbWinApi.dll", kFolder + L"\\adb.exe"};
    }
    void Store(const std::wstring& value) { p.profile.files[kConfig][L"FlightMode"][L"FlightState"] = value; }
};

// A device check that never starts (second row) is reported once the window is shown and the option restored; the
// program goes on.
TEST(Startup, StepsRunInOrder) {
    const std::wstring failed = L"failed:cmd /k adb devices";
    const std::vector<std::wstring> deviceCheck[] = {{L"console:cmd /k adb devices"},
                                                     {failed, L"sleep:100", failed, L"sleep:100", failed}};
    for (int refusals : {0, 3}) {
        Rig r;
        r.AllFiles();
        r.Store(L"1");
        r.p.process.failures[L"cmd /k adb devices"] = refusals;
        ASSERT_TRUE(r.logic.OnLoad());
        std::vector<std::wstring> expected = {
            L"probe:" + kFolder + L"\\AdbWinUsbApi.dll", L"probe:" + kFolder + L"\\AdbWinApi.dll",
            L"probe:" + kFolder + L"\\adb.exe", L"caption:Qv7t：Starting adb services..."};
        expected.insert(expected.end(), deviceCheck[refusals != 0].begin(), deviceCheck[refusals != 0].end());
        for (const wchar_t* step :
             {L"caption:Relanto @Varnik", L"show", L"read:FlightMode/FlightState", L"tick", L"write:FlightState=1"})
            expected.push_back(step);
        if (refusals) {
            expected.push_back(
                L"message:以下命令未能启动，没有执行：\r\n\r\nadb devices\r\n原因：Internal error.（错误代码 1359）");
            ASSERT_EQ(r.p.messages.shown.size(), 1u);
            EXPECT_EQ(r.p.messages.shown[0].owner, 0x51u);
        }
        EXPECT_EQ(r.p.journal.entries, expected);
        EXPECT_EQ(r.text8.text, L"adb devices");
    }
}

TEST(Startup, EachMissingFileStopsBeforeAnythingElse) {
    const std::wstring names[] = {L"\\AdbWinUsbApi.dll", L"\\AdbWinApi.dll", L"\\adb.exe"};
    for (int missing = 0; missing < 3; ++missing) {
        Rig r;
        r.AllFiles();
        r.p.files.present.erase(r.p.files.present.begin() + missing);
        r.Store(L"1");
        EXPECT_FALSE(r.logic.OnLoad());
        ASSERT_EQ(r.p.messages.shown.size(), 1u);
        EXPECT_EQ(r.p.messages.shown[0],
                  (fakes::Messages::Shown{L"驱动不正常！请解压后运行或检查主程序目录下的文件！", L"Relanto",
                                          plat::MsgButtons::Ok, plat::MsgIcon::None}));
        // The remaining files are not checked; nothing is started, shown, read or written.
        EXPECT_EQ(r.p.files.probed.size(), static_cast<std::size_t>(missing + 1));
        EXPECT_EQ(r.p.files.probed.back(), kFolder + names[missing]);
        EXPECT_EQ(r.p.journal.entries.back(), L"message:驱动不正常！请解压后运行或检查主程序目录下的文件！");
        EXPECT_TRUE(r.p.process.started.empty());
        EXPECT_EQ(r.p.profile.reads + r.p.profile.writes, 0);
        EXPECT_EQ(r.text8.text, L"Text8");
    }
}

TEST(Startup, NoFilesAtAllShowsTheMessageOnce) {
    Rig r;
    EXPECT_FALSE(r.logic.OnLoad());
    EXPECT_EQ(r.p.messages.shown.size(), 1u);
    EXPECT_EQ(r.p.files.probed.size(), 1u);
}

TEST(FlightOption, OnlyTheNumberOneTicksAndUnreadableValuesWriteNothing) {
    struct Case {
        const wchar_t* stored;  // nullptr: key absent
        bool ticked;
    } cases[] = {{nullptr, false}, {L"1", true},    {L"0", false},  {L"2", false},         {L"", false},
                 {L"yes", false},  {L" 1 ", true},  {L"+1", true},  {L"1.0", true},        {L"-1", false},
                 {L"1a", false},   {L"0x1", false}, {L"1e0", true}, {L"读取错误！", false}};
    for (const Case& c : cases) {
        Rig r;
        r.AllFiles();
        if (c.stored) r.Store(c.stored);
        ASSERT_TRUE(r.logic.OnLoad());
        const std::wstring label = c.stored ? c.stored : L"(absent)";
        EXPECT_EQ(r.view.ticked, c.ticked) << std::string(label.begin(), label.end());
        EXPECT_EQ(r.p.profile.writes, c.ticked ? 1 : 0);
    }
}

TEST(FlightOption, ClicksSaveOneAndZero) {
    Rig r;
    r.AllFiles();
    ASSERT_TRUE(r.logic.OnLoad());
    EXPECT_EQ(r.p.profile.files.count(kConfig), 0u) << "nothing written until the first click";
    r.view.ticked = true;
    r.logic.OnFlightClick();
    EXPECT_EQ(r.p.profile.files[kConfig][L"FlightMode"][L"FlightState"], L"1");
    r.view.ticked = false;
    r.logic.OnFlightClick();
    EXPECT_EQ(r.p.profile.files[kConfig][L"FlightMode"][L"FlightState"], L"0");
}

TEST(FlightOption, AFailedWriteIsNotNoticed) {
    Rig r;
    r.AllFiles();
    r.p.profile.failWrites = true;
    ASSERT_TRUE(r.logic.OnLoad());
    r.view.ticked = true;
    r.logic.OnFlightClick();
    EXPECT_TRUE(r.view.ticked);
    EXPECT_TRUE(r.p.messages.shown.empty());
}

TEST(StoredNumber, ReadsDecimalNumbersOnly) {
    EXPECT_EQ(app::StoredNumber(L"1"), 1.0);
    EXPECT_EQ(app::StoredNumber(L"\t-2.5 "), -2.5);
    EXPECT_EQ(app::StoredNumber(L".5"), 0.5);
    EXPECT_EQ(app::StoredNumber(L"1e999999999"), std::nullopt) << "overflow is not a number";
    EXPECT_EQ(app::StoredNumber(L"1e"), std::nullopt);
    EXPECT_EQ(app::StoredNumber(L"."), std::nullopt);
    EXPECT_EQ(app::StoredNumber(L"+"), std::nullopt);
    EXPECT_EQ(app::StoredNumber(L"1 1"), std::nullopt);
    EXPECT_EQ(app::StoredNumber(L"１"), std::nullopt) << "full-width digits are text";
    EXPECT_EQ(app::StoredNumber(std::wstring(100000, L'9')), std::nullopt);
}

}  // namespace
