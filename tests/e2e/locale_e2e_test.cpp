// The locale a round of the test command runs in (US English, or the users' Simplified Chinese with code page 936)
// is the one it says; the rounds' other tests (config.ini among them) then speak for that locale.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/harness_win.h"

namespace {

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

}  // namespace
