// Bad input, end to end under Wine: the rest of the missing-file combinations, required files that are folders,
// awkward config.ini files and stored values, and design files with a bad value in the middle of a control.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/form1_ids.h"
#include "e2e/harness_win.h"
#include "tools/gallery/gallery_ids.h"

#include <tlhelp32.h>  // after windows.h

namespace {

using e2e::Sandbox;

const char kStoredOne[] = "[FlightMode]\r\nFlightState=1\r\n";
const char kStoredZero[] = "[FlightMode]\r\nFlightState=0\r\n";

bool Responsive(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

// ---- Required files ----

const wchar_t* const kRequired[] = {L"adb.exe", L"AdbWinApi.dll", L"AdbWinUsbApi.dll"};

struct RequiredCase {
    const char* label;
    unsigned missing;  // bit i: kRequired[i] is absent
    unsigned folders;  // bit i: a folder stands in its place
};

class RequiredFiles : public ::testing::TestWithParam<RequiredCase> {};

TEST_P(RequiredFiles, OneMessageThenTheProgramEndsHavingStartedNothing) {
    const RequiredCase& c = GetParam();
    Sandbox::Options o;
    o.adbExe = !(c.missing & 1) && !(c.folders & 1);
    o.adbWinApi = !(c.missing & 2) && !(c.folders & 2);
    o.adbWinUsbApi = !(c.missing & 4) && !(c.folders & 4);
    Sandbox box(o);
    for (int i = 0; i < 3; ++i) {
        const std::wstring path = box.programDir() + L"\\" + kRequired[i];
        if (c.folders & (1u << i)) {
            ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        }
        ASSERT_EQ(e2e::FileExists(path), !(c.missing & (1u << i))) << e2e::Utf8(path);
    }
    ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), kStoredOne));
    ASSERT_TRUE(box.Launch());

    e2e::ExpectStopsAtMissingFile(box, kStoredOne);
}

// The single missing files, adb.exe with AdbWinApi.dll, all three and adb.exe as a folder are start-up cases of
// their own; these are the rest.
INSTANTIATE_TEST_SUITE_P(
    EachCase, RequiredFiles,
    ::testing::Values(RequiredCase{"AdbExeAndAdbWinUsbApiMissing", 1 | 4, 0}, RequiredCase{"BothDllsMissing", 2 | 4, 0},
                      RequiredCase{"AdbWinApiIsAFolder", 0, 2}, RequiredCase{"AdbWinUsbApiIsAFolder", 0, 4},
                      RequiredCase{"AllThreeAreFolders", 0, 1 | 2 | 4}, RequiredCase{"OneMissingOneAFolder", 1, 4}),
    [](const ::testing::TestParamInfo<RequiredCase>& i) { return std::string(i.param.label); });

// ---- config.ini ----

std::string Utf16File(const std::wstring& text) {
    std::string bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return bytes;
}

// The text of a UTF-16 file with its byte-order mark; false when the file has no such mark.
bool ReadUtf16File(const std::wstring& path, std::wstring* text) {
    std::string bytes;
    if (!e2e::ReadFileBytes(path, &bytes) || bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE", 2) != 0) return false;
    text->assign(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / sizeof(wchar_t));
    return true;
}

struct StoredCase {
    const char* label;
    const char* value;      // what follows "FlightState=" in the file
    bool ticked;            // the value rule: a number equal to 1, blanks around and a sign allowed
    const char* rewritten;  // the file after start-up when the load ticks the box and writes "1" back; null: as it was
    const char* before = "";  // lines ahead of the section, as the user's editor left them
};

// "; 飞行模式" as a Chinese Notepad saves it, in code page 936: every locale's round reads the file alike, and the
// load's write keeps the comment's bytes.
const char kComment936[] = "; \xB7\xC9\xD0\xD0\xC4\xA3\xCA\xBD\r\n";
const char kComment936One[] = "; \xB7\xC9\xD0\xD0\xC4\xA3\xCA\xBD\r\n[FlightMode]\r\nFlightState=1\r\n";

class StoredValue : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredValue, TheBoxFollowsTheNumberAndOnlyTheOptionWrites) {
    const StoredCase& c = GetParam();
    Sandbox box({});
    const std::string content = std::string(c.before) + "[FlightMode]\r\nFlightState=" + c.value + "\r\n";
    ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), content));
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Responsive(main)) << "start-up has completed";
    EXPECT_EQ(e2e::CheckflightTicked(main), c.ticked);
    std::string after;
    ASSERT_TRUE(e2e::ReadFileBytes(box.configPath(), &after));
    EXPECT_EQ(after, c.rewritten ? std::string(c.rewritten) : content);
}

// The profile functions trim blanks around a value and a pair of quotes before the program sees it; the rest
// is the program's own reading. The ticking load writes "1" back, which leaves the file as it was only when the
// stored text, blanks trimmed, is "1" already (the quotes count there).
INSTANTIATE_TEST_SUITE_P(
    Values, StoredValue,
    ::testing::Values(
        StoredCase{"BlanksAround", " 1 ", true, nullptr}, StoredCase{"TabsAround", "\t1\t", true, nullptr},
        StoredCase{"Plus", "+1", true, kStoredOne}, StoredCase{"Minus", "-1", false, nullptr},
        StoredCase{"PlusWithBlanks", "  +1  ", true, kStoredOne}, StoredCase{"DecimalOne", "1.0", true, kStoredOne},
        StoredCase{"PlusDecimalOne", "+1.000", true, kStoredOne}, StoredCase{"OneAndAHalf", "1.5", false, nullptr},
        StoredCase{"LeadingZeros", "001", true, kStoredOne}, StoredCase{"Quoted", "\"1\"", true, kStoredOne},
        StoredCase{"InnerBlank", "1 1", false, nullptr}, StoredCase{"TrailingText", "1abc", false, nullptr},
        StoredCase{"DoubleSign", "+-1", false, nullptr}, StoredCase{"HexOne", "&H1", false, nullptr},
        StoredCase{"CommentInCodePage936", "+1", true, kComment936One, kComment936}),
    [](const ::testing::TestParamInfo<StoredCase>& i) { return std::string(i.param.label); });

// Windows reads a private-profile file that starts with a UTF-16 byte-order mark as UTF-16, and writes it back in
// the same form; Wine does the same. The user's stored 1 ticks the box, and the file stays UTF-16.
TEST(AwkwardConfig, Utf16WithByteOrderMarkIsReadAndStaysUtf16) {
    Sandbox box({});
    ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), Utf16File(L"[FlightMode]\r\nFlightState=1\r\n")));
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(main); }, 3000));
    std::wstring text;
    ASSERT_TRUE(ReadUtf16File(box.configPath(), &text)) << "still UTF-16 after the load's write";
    EXPECT_EQ(text, L"[FlightMode]\r\nFlightState=1\r\n");

    e2e::ClickCheckflight(main);
    ASSERT_TRUE(e2e::WaitFor([&] { return !e2e::CheckflightTicked(main); }, 3000));
    ASSERT_TRUE(e2e::WaitFor([&] {
        return ReadUtf16File(box.configPath(), &text) && text.find(L"FlightState=0") != std::wstring::npos;
    })) << "the click's write keeps the form too";
    EXPECT_EQ(text, L"[FlightMode]\r\nFlightState=0\r\n");
}

// Ten megabytes of binary junk, no section in it: the box stays unticked and not a byte changes.
TEST(AwkwardConfig, TenMegabytesOfBinaryJunkAreLeftAlone) {
    Sandbox box({});
    std::string junk(10 * 1024 * 1024, '\0');
    unsigned state = 12345;
    for (char& ch : junk) {
        state = state * 1103515245u + 12345u;
        ch = static_cast<char>(state >> 24);
    }
    ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), junk));
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Responsive(main));
    EXPECT_FALSE(e2e::CheckflightTicked(main));
    std::string after;
    ASSERT_TRUE(e2e::ReadFileBytes(box.configPath(), &after));
    EXPECT_TRUE(after == junk) << "size " << after.size();
}

// A write that fails is not noticed: the box keeps its new state for this run, and the next start reads what the
// file still holds. (A read-only attribute does not stop the write here: Wine runs as root in these tests, and
// root writes through missing permission bits; a file held open without sharing stops it as it would on Windows.)
TEST(AwkwardConfig, AFailedWriteIsNotNoticedAndTheNextStartReadsTheFileAgain) {
    Sandbox box({});
    ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), kStoredOne));
    {
        HWND main = e2e::StartMainWindow(box);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(main); }, 3000));
        ASSERT_TRUE(Responsive(main));
        HANDLE lock =
            CreateFileW(box.configPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        e2e::ClickCheckflight(main);
        const bool unticked = e2e::WaitFor([&] { return !e2e::CheckflightTicked(main); }, 3000);
        const bool responsive = Responsive(main);
        const int boxes = static_cast<int>(e2e::ProcessWindows(box.pid(), L"#32770").size());
        CloseHandle(lock);
        ASSERT_TRUE(unticked) << "the box keeps its new state";
        ASSERT_TRUE(responsive);
        EXPECT_EQ(boxes, 0) << "nothing is shown";
        std::string after;
        ASSERT_TRUE(e2e::ReadFileBytes(box.configPath(), &after));
        EXPECT_EQ(after, kStoredOne);
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(box.WaitExit());
    }
    HWND again = e2e::StartMainWindow(box);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(again); }, 3000)) << "the file still holds 1";
}

TEST(AwkwardConfig, AFolderNamedConfigIniTakesClicksWithoutHarm) {
    Sandbox box({});
    ASSERT_TRUE(CreateDirectoryW(box.configPath().c_str(), nullptr));
    const std::wstring inside = box.configPath() + L"\\keep.txt";
    ASSERT_TRUE(e2e::WriteFileBytes(inside, "kept"));
    HWND main = e2e::StartMainWindow(box);
    ASSERT_NE(main, nullptr);
    e2e::ClickCheckflight(main);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(main); }, 3000));
    e2e::ClickCheckflight(main);
    ASSERT_TRUE(e2e::WaitFor([&] { return !e2e::CheckflightTicked(main); }, 3000));
    ASSERT_TRUE(Responsive(main));
    EXPECT_EQ(static_cast<int>(e2e::ProcessWindows(box.pid(), L"#32770").size()), 0) << "nothing is shown";
    EXPECT_TRUE(GetFileAttributesW(box.configPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    std::string kept;
    ASSERT_TRUE(e2e::ReadFileBytes(inside, &kept));
    EXPECT_EQ(kept, "kept");
}

// ---- Design files with a bad value ----

// Gallery.exe loading one file at start and saving to another on its Save button.
class Gallery {
public:
    Gallery(const std::wstring& load, const std::wstring& save)
        : process_(e2e::BinDir() + L"\\Gallery.exe", L"/load \"" + load + L"\" /save \"" + save + L"\"") {
        if (!process_.Started()) return;
        e2e::WaitFor([&] { return (main_ = e2e::FindProcessWindow(process_.pid(), gallery::kGalleryClass)); });
    }

    HWND main() const { return main_; }
    bool Running() const { return process_.Running(); }
    std::wstring Status() const { return e2e::WindowText(GetDlgItem(main_, gallery::kIdStatus)); }
    bool WaitStatus(const std::wstring& text) const {
        return e2e::WaitFor([&] { return Status().find(text) != std::wstring::npos; }, 5000);
    }
    void Command(int id) const { PostMessageW(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

private:
    e2e::ChildProcess process_;
    HWND main_ = nullptr;
};

// The lines of one control's section in a saved design.
std::string Section(const std::string& design, const std::string& name) {
    const std::size_t start = design.find("[" + name + "]");
    if (start == std::string::npos) return {};
    const std::size_t end = design.find("\n[", start + 1);
    return design.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

struct DesignCase {
    const char* label;
    const char* text;     // the design file
    int refusedLine;      // the line the text form refuses, or 0 when the file loads
    const char* control;  // the section to look at in the design saved afterwards
    const char* applied;  // a value before the bad one, found there (null: none is)
    const char* dropped;  // a value after the bad one (or anywhere in a refused file), not found there
};

class BadDesign : public ::testing::TestWithParam<DesignCase> {};

TEST_P(BadDesign, LoadsUpToTheBadKeyOrRefusesTheFileAndGoesOn) {
    const DesignCase& c = GetParam();
    const std::wstring folder = e2e::UniqueTempPath(L"relanto-bad-design-");
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"\\bad.design";
    const std::wstring saved = folder + L"\\saved.design";
    ASSERT_TRUE(e2e::WriteFileBytes(file, c.text));
    Gallery g(file, saved);
    ASSERT_NE(g.main(), nullptr);
    const std::wstring status = c.refusedLine ? L"Could not load " + file + L": line " + std::to_wstring(c.refusedLine)
                                              : L"Loaded 1 controls from " + file;
    EXPECT_TRUE(g.WaitStatus(status)) << e2e::Utf8(g.Status());
    // Everything is drawn again with what was loaded, and the window still answers.
    RedrawWindow(g.main(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(Responsive(g.main()));
    EXPECT_TRUE(g.Running());

    g.Command(gallery::kIdSave);
    ASSERT_TRUE(g.WaitStatus(L"Saved ")) << e2e::Utf8(g.Status());
    std::string design;
    ASSERT_TRUE(e2e::ReadFileBytes(saved, &design));
    const std::string section = Section(design, c.control);
    ASSERT_FALSE(section.empty()) << design;
    if (c.applied) {
        EXPECT_NE(section.find(c.applied), std::string::npos) << section;
    }
    EXPECT_EQ(section.find(c.dropped), std::string::npos) << section;
}

// A control reads its keys in its own fixed order and stops at the first value it cannot take; a value the text
// form cannot parse refuses the whole file, naming its line, and the controls keep what they showed.
INSTANTIATE_TEST_SUITE_P(
    Rows, BadDesign,
    ::testing::Values(
        DesignCase{"ShapeFontSizeIsText",
                   "[N_Shape1]\nBackGround = &H00ABCDEF&\nFontSize = \"abc\"\nBorderCustom = &H00123456&\n", 0,
                   "N_Shape1", "BackGround = &H00ABCDEF&", "&H00123456&"},
        DesignCase{"ShapeStyleOutOfRange",
                   "[N_Shape1]\nCaption = \"Before\"\nStyle = 9\nForeColorNormal = &H00123456&\n", 0, "N_Shape1",
                   "Caption = \"Before\"", "&H00123456&"},
        DesignCase{"CheckEnabledIsText",
                   "[CheckButton1]\nCaption = \"Before\"\nEnabled = \"maybe\"\nForeColor = &H00123456&\n", 0,
                   "CheckButton1", "Caption = \"Before\"", "&H00123456&"},
        DesignCase{"TextBoxNumberBoxIsText",
                   "[N_TextBox2]\nText = \"Before\"\nNumberBox = \"sometimes\"\nForeColor = &H00123456&\n", 0,
                   "N_TextBox2", "Text = \"Before\"", "&H00123456&"},
        DesignCase{"SelectionFontSizeTooLarge",
                   "[N_Selection1]\nCaption = \"Before\"\nFontSize = 99999\nForeColorNormal = &H00123456&\n", 0,
                   "N_Selection1", "Caption = \"Before\"", "&H00123456&"},
        DesignCase{"ColourWithNoHexDigits", "[N_Shape1]\nCaption = \"Before\"\nBackGround = &HZZ\nStyle = 2\n", 3,
                   "N_Shape1", nullptr, "Before"},
        DesignCase{"UnterminatedString",
                   "[N_Shape1]\nBackGround = &H00ABCDEF&\nCaption = \"Before\nStyle = 2\n[N_Shape2]\nStyle = 1\n", 3,
                   "N_Shape1", nullptr, "&H00ABCDEF&"}),
    [](const ::testing::TestParamInfo<DesignCase>& i) { return std::string(i.param.label); });

}  // namespace
