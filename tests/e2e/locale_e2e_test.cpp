// The program in the locale a round of the test command runs in (US English, or the users' Simplified Chinese with
// code page 936): the round is what it says, and config.ini means the same whichever locale wrote it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "e2e/harness_win.h"

namespace {

using e2e::Sandbox;

// The code page the test command says this round runs in; 0 when the tests were started by hand.
UINT ExpectedCodePage() {
    const char* value = std::getenv("RELANTO_EXPECT_CODE_PAGE");
    return value ? static_cast<UINT>(std::strtoul(value, nullptr, 10)) : 0;
}

TEST(Locale, TheRoundRunsInTheLocaleItNames) {
    const UINT expected = ExpectedCodePage();
    if (expected == 0) GTEST_SKIP() << "RELANTO_EXPECT_CODE_PAGE is not set";
    struct Locale {
        UINT ansi, oem;
        LANGID language;
    };
    const Locale locale = expected == 936 ? Locale{936, 936, 0x0804} : Locale{1252, 437, 0x0409};
    EXPECT_EQ(GetACP(), locale.ansi);
    EXPECT_EQ(GetOEMCP(), locale.oem);
    EXPECT_EQ(GetUserDefaultUILanguage(), locale.language);
    EXPECT_EQ(GetSystemDefaultLangID(), locale.language);
}

// Files a user may have beside the program, from either locale: the program's own, and one whose comment a Chinese
// Notepad saved in code page 936. Each reads the same and keeps every byte
// but the option's digit when the box is clicked. The same table runs in every round, so a file written in one
// locale reads back the same in the other.
TEST(Locale, ConfigFilesOfEitherLocaleReadTheSameAndKeepTheirBytes) {
    struct Case {
        const char* label;
        std::string before;  // FlightState=1
    };
    const Case cases[] = {
        {"the program's own", "[FlightMode]\r\nFlightState=1\r\n"},
        // "; 飞行模式" in code page 936.
        {"comment in code page 936", "; \xB7\xC9\xD0\xD0\xC4\xA3\xCA\xBD\r\n[FlightMode]\r\nFlightState=1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Sandbox box({});
        ASSERT_TRUE(e2e::WriteFileBytes(box.configPath(), c.before));
        HWND main = e2e::StartMainWindow(box);
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(e2e::WaitFor([&] { return e2e::CheckflightTicked(main); }, 3000)) << "the stored 1 is read";
        std::string after = c.before;
        after.replace(after.find("FlightState=1"), 13, "FlightState=0");
        e2e::ClickCheckflight(main);
        std::string config;
        EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ReadFileBytes(box.configPath(), &config) && config == after; }))
            << "written: " << config;
    }
}

}  // namespace
