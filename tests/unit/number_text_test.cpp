// The text form of decimals: shortest round trip, the same exponent digits on every platform, and fonts whose
// size is not a finite number.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/common/property_bag.h"

namespace {

using kit::Value;

TEST(NumberText, ShortestTextReadsBackExactly) {
    for (double d : {0.1, 1.0 / 3.0, 2.5e-300, 4.9e-324, 6.75, 1e22, 123456.789, -7.25e-5, 0.0}) {
        const std::wstring text = kit::PrintValue(Value(d));
        const auto back = kit::ParseValue(text);
        ASSERT_TRUE(back) << std::string(text.begin(), text.end());
        EXPECT_EQ(*back, Value(d)) << std::string(text.begin(), text.end());
    }
    EXPECT_EQ(kit::PrintValue(Value(0.1)), L"0.1");
    EXPECT_EQ(kit::PrintValue(Value(1e-7)), L"1e-07") << "two exponent digits, as on every platform";
    EXPECT_EQ(kit::PrintValue(Value(2.5)), L"2.5");
    EXPECT_EQ(kit::PrintValue(Value(100.0)), L"100.0");
}

TEST(NumberText, AFontSizeThatIsNoFiniteNumberPrintsWithoutHarm) {
    kit::Font f;
    f.size = std::numeric_limits<double>::infinity();
    const std::wstring text = kit::PrintValue(Value(f));
    EXPECT_NE(text.find(L"inf"), std::wstring::npos);
    f.size = std::nan("");
    EXPECT_NE(kit::PrintValue(Value(f)).find(L"nan"), std::wstring::npos);
}

}  // namespace
