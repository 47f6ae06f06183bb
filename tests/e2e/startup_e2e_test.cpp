// End-to-end start-up of Relanto.exe under Wine: the file checks, the device-check console, the caption and
// the airplane-mode setting, in ordinary and awkward folders.
#include <gtest/gtest.h>

#include "app/form1_ids.h"
#include "e2e/harness_win.h"

namespace {

using e2e::Sandbox;

struct MissingCase {
    const char* label;
    bool adbExe, adbWinApi, adbWinUsbApi, adbExeAsFolder;
};

class MissingFiles : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingFiles, ShowOneMessageAndEndBeforeAnythingElse) {
    const MissingCase& c = GetParam();
    Sandbox::Options o;
    o.adbExe = c.adbExe;
    o.adbWinApi = c.adbWinApi;
    o.adbWinUsbApi = c.adbWinUsbApi;
    o.adbExeAsFolder = c.adbExeAsFolder;
    Sandbox box(o);
    ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), "[FlightMode]\r\nFlightState=1\r\n"));
    ASSERT_TRUE(box.Launch());

    e2e::ExpectStopsAtMissingFile(box, "[FlightMode]\r\nFlightState=1\r\n");
}

INSTANTIATE_TEST_SUITE_P(EachCase, MissingFiles,
                         ::testing::Values(MissingCase{"OnlyAdbExe", false, true, true, false},
                                           MissingCase{"OnlyAdbWinApi", true, false, true, false},
                                           MissingCase{"OnlyAdbWinUsbApi", true, true, false, false},
                                           MissingCase{"TwoMissing", false, false, true, false},
                                           MissingCase{"AllMissing", false, false, false, false},
                                           MissingCase{"AdbExeIsAFolder", false, true, true, true}),
                         [](const ::testing::TestParamInfo<MissingCase>& i) { return std::string(i.param.label); });

// Raised first: nothing of the start-up may cover the box.
void RaiseAndClickCheckflight(HWND main) {
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    e2e::ClickCheckflight(main);
}

TEST(Startup, OpensTheDeviceCheckThenShowsTheMainWindow) {
    Sandbox box({});
    HWND main = e2e::StartMainWindow(box, false);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(e2e::WindowText(main), L"Relanto @Varnik");

    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 368);
    EXPECT_EQ(client.bottom, 207);
    RECT frame;
    GetWindowRect(main, &frame);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((frame.left + frame.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (work.top + work.bottom) / 2, 1);

    ASSERT_TRUE(box.WaitRuns(1));
    const auto runs = box.Runs();
    EXPECT_EQ(runs[0].program, "adb");
    // The interpreter hands the tool the text up to the "&&" of the banner, blank included.
    EXPECT_EQ(runs[0].arguments, "devices ");
    EXPECT_EQ(runs[0].directory, e2e::Utf8(box.workDir()));
    EXPECT_EQ(e2e::CountProcesses(L"cmd.exe"), 1) << "the device-check console stays open until a key is pressed";

    HWND check = GetDlgItem(main, app::kIdCheckflight);
    EXPECT_EQ(e2e::WindowText(check), L"启动/停止后自动开启/关闭飞行模式");
    EXPECT_TRUE(IsWindowVisible(check));
    RECT r;
    GetWindowRect(check, &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(main, &topLeft);
    EXPECT_EQ(topLeft.x, 64);   // 960 twips
    EXPECT_EQ(topLeft.y, 144);  // 2160 twips
    EXPECT_EQ(r.right - r.left, 249);
    EXPECT_EQ(r.bottom - r.top, 17);

    HWND text8 = GetDlgItem(main, app::kIdText8);
    HWND intertext = GetDlgItem(main, app::kIdIntertext);
    ASSERT_NE(text8, nullptr);
    ASSERT_NE(intertext, nullptr);
    EXPECT_FALSE(IsWindowVisible(text8));
    EXPECT_FALSE(IsWindowVisible(intertext));
    EXPECT_EQ(e2e::WindowText(text8), L"adb devices");
}

struct LoadCase {
    const char* label;
    const char* content;  // nullptr: no file
    bool ticked;
};

class SettingLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SettingLoad, TicksOnlyForOne) {
    const LoadCase& c = GetParam();
    Sandbox box({});
    if (c.content) {
        ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), c.content));
    }
    HWND main = e2e::StartMainWindow(box, false);
    ASSERT_NE(main, nullptr);
    // The load is the last start-up step; the device check has been started by then.
    ASSERT_TRUE(box.WaitRuns(1));
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(main) == c.ticked; }, 3000));
    std::string after;
    if (c.content) {
        ASSERT_TRUE(e2e::ReadFileBytes(box.configPath(), &after));
        if (c.ticked) {
            EXPECT_NE(after.find("FlightState=1"), std::string::npos);
        } else {
            EXPECT_EQ(after, c.content) << "an unticked load writes nothing";
        }
    } else {
        EXPECT_FALSE(e2e::FileExists(box.configPath())) << "a missing file is not created at start-up";
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SettingLoad,
                         ::testing::Values(LoadCase{"MissingFile", nullptr, false},
                                           LoadCase{"One", "[FlightMode]\r\nFlightState=1\r\n", true},
                                           LoadCase{"Zero", "[FlightMode]\r\nFlightState=0\r\n", false},
                                           LoadCase{"Two", "[FlightMode]\r\nFlightState=2\r\n", false},
                                           LoadCase{"Text", "[FlightMode]\r\nFlightState=yes\r\n", false},
                                           LoadCase{"Empty", "[FlightMode]\r\nFlightState=\r\n", false},
                                           LoadCase{"OtherSection", "[Other]\r\nFlightState=1\r\n", false},
                                           LoadCase{"BinaryJunk", "\x01\x02\xff\xfe[Fli\x00ght\r\n\x7f", false}),
                         [](const ::testing::TestParamInfo<LoadCase>& i) { return std::string(i.param.label); });

void ExpectSaveCycle(Sandbox& box) {
    HWND main = e2e::StartMainWindow(box, false);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(box.WaitRuns(1));
    e2e::KillConsoles();  // the device-check console must not cover the window
    std::string config;
    RaiseAndClickCheckflight(main);
    // The profile writer makes the file before it writes the line: an empty file is not yet the saved setting.
    ASSERT_TRUE(e2e::WaitFor([&] {
        return e2e::ReadFileBytes(box.configPath(), &config) && config.find("FlightState=1") != std::string::npos;
    })) << config;
    EXPECT_TRUE(e2e::CheckflightTicked(main));
    EXPECT_EQ(config, "[FlightMode]\r\nFlightState=1\r\n");
    RaiseAndClickCheckflight(main);
    ASSERT_TRUE(e2e::WaitFor([&] {
        return e2e::ReadFileBytes(box.configPath(), &config) && config.find("FlightState=0") != std::string::npos;
    }));
    EXPECT_FALSE(e2e::CheckflightTicked(main));
    EXPECT_EQ(config, "[FlightMode]\r\nFlightState=0\r\n");
}

TEST(SettingSave, FirstClickCreatesTheFileNextWritesZero) {
    Sandbox box({});
    ExpectSaveCycle(box);
}

// A saved setting on in the program folder: the box ticks, and the first console runs in the folder `runsIn`
// names.
void ExpectSettingReadAndConsoleIn(Sandbox& box, const std::wstring& (Sandbox::*runsIn)() const) {
    ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), "[FlightMode]\r\nFlightState=1\r\n"));
    HWND main = e2e::StartMainWindow(box, false);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(box.WaitRuns(1));
    EXPECT_EQ(box.Runs()[0].directory, e2e::Utf8((box.*runsIn)())) << "consoles run in the working folder";
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(main); }, 3000))
        << "the setting is read from the program folder";
}

// Chinese names with blanks, and names outside every ANSI code page the users have (Hangul and an emoji, a
// surrogate pair: outside 936 and 1252 alike): the setting is read and saved beside the program.
TEST(Folders, ProgramFolderNamesReadAndSaveTheSetting) {
    for (const wchar_t* name : {L"手机 上网 工具 Ω", L"中文 目录", L"한국어 폴더 😀"}) {
        SCOPED_TRACE(e2e::Utf8(name));
        Sandbox::Options o;
        o.programFolderName = name;
        {
            Sandbox box(o);
            ASSERT_NO_FATAL_FAILURE(ExpectSettingReadAndConsoleIn(box, &Sandbox::programDir));
        }
        Sandbox box(o);
        ASSERT_NO_FATAL_FAILURE(ExpectSaveCycle(box));
    }
}

TEST(Folders, WorkingFolderOtherThanTheProgramFolder) {
    Sandbox::Options o;
    o.workFolderName = L"工作 目录";
    Sandbox box(o);
    ASSERT_NO_FATAL_FAILURE(ExpectSettingReadAndConsoleIn(box, &Sandbox::workDir));
    EXPECT_FALSE(e2e::FileExists(box.workDir() + L"\\config.ini"));
}

}  // namespace

namespace {

// Whatever config.ini holds, or however it is locked, start-up completes and the file is left alone.
TEST(BadConfig, HugeReadOnlyLockedOrAFolder) {
    std::string huge(10 * 1024 * 1024, 'x');
    for (std::size_t i = 0; i < huge.size(); i += 97) huge[i] = '\n';
    huge += "\r\n[FlightMode]\r\nFlightState=1\r\n";

    enum Kind { Huge, ReadOnly, Locked, Folder };
    for (Kind kind : {Huge, ReadOnly, Locked, Folder}) {
        SCOPED_TRACE(kind);
        Sandbox box({});
        HANDLE lock = INVALID_HANDLE_VALUE;
        const std::string content = kind == Huge ? huge : std::string("[FlightMode]\r\nFlightState=1\r\n");
        if (kind == Folder) {
            ASSERT_TRUE(CreateDirectoryW(box.configPath().c_str(), nullptr));
        } else {
            ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), content));
        }
        if (kind == ReadOnly) SetFileAttributesW(box.configPath().c_str(), FILE_ATTRIBUTE_READONLY);
        if (kind == Locked) {
            lock = CreateFileW(box.configPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                               nullptr);
            ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        }
        HWND main = e2e::StartMainWindow(box, false);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(box.WaitRuns(1));
        if (kind == Huge || kind == ReadOnly) {
            EXPECT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(main); }, 3000))
                << "the stored 1 is still read";
        }
        // The window answers, so start-up has completed.
        DWORD_PTR ignored = 0;
        EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored), 0);
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        if (kind != Folder) {
            std::string after;
            ASSERT_TRUE(e2e::ReadFileBytes(box.configPath(), &after));
            EXPECT_EQ(after.size(), content.size()) << "no write but the option's own touches the file";
            EXPECT_EQ(after.substr(0, 64), content.substr(0, 64));
        }
        SetFileAttributesW(box.configPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

}  // namespace
