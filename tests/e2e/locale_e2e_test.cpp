// The locale a round of the test command runs in (US English, or the users' Simplified Chinese with code page 936)
// is the one it says; the rounds' other tests (config.ini among them) then speak for that locale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "e2e/harness_win.h"

namespace {

TEST(Locale, TheRoundRunsInTheLocaleItNames) {
    const char* named = std::getenv("RELANTO_EXPECT_CODE_PAGE");  // unset when the tests are started by hand
    if (!named) GTEST_SKIP() << "RELANTO_EXPECT_CODE_PAGE is not set";
    const bool chinese = std::string(named) == "936";
    const LANGID language = chinese ? 0x0804 : 0x0409;
    EXPECT_EQ(GetACP(), chinese ? 936u : 1252u);
    EXPECT_EQ(GetOEMCP(), chinese ? 936u : 437u);
    EXPECT_EQ(GetUserDefaultUILanguage(), language);
    EXPECT_EQ(GetSystemDefaultLangID(), language);
}

}  // namespace
