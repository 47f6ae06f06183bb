// Faults the fuzzers found in the stored-value conversions, each kept as a case that failed before its fix.
#include <gtest/gtest.h>

#include <string>

#include "controls/common/property_bag.h"

namespace {

using kit::Value;

// The text of a decimal past 64 bits was a bare run of digits ("214496429496729468928"), which the number reading
// refuses as an out-of-range whole number: ToText gave a text that was no longer the same number.
TEST(PropertyBagFuzzFindings, TheTextOfAHugeDecimalReadsBackAsThatNumber) {
    for (double d : {214496429496729453647.5, 1e20, -1e20, 9223372036854775808.0, -9223372036854775808.0,
                     1.7976931348623157e308, -4.5e300}) {
        const auto text = kit::ToText(Value(d));
        ASSERT_TRUE(text.has_value());
        const auto back = kit::ToDouble(Value(*text));
        ASSERT_TRUE(back.has_value()) << std::string(text->begin(), text->end());
        EXPECT_EQ(*back, d);
        EXPECT_TRUE(Value(d).SameAs(Value(*text))) << "a number is the same as its text, so it is left out as such";
    }
    EXPECT_EQ(kit::ToText(Value(214496429496729453647.5)), L"2.1449642949672947e+20");
    // Below 64 bits the shortest form stays, plain or with an exponent, whichever is shorter.
    EXPECT_EQ(kit::ToText(Value(123456789012345678.0)), L"123456789012345680");
    EXPECT_EQ(kit::ToText(Value(1e15)), L"1e+15");
    EXPECT_EQ(kit::ToText(Value(6.75)), L"6.75");
    EXPECT_EQ(kit::ToText(Value(-0.5)), L"-0.5");
    // Font sizes print as before.
    kit::Font f;
    f.size = 10.5;
    EXPECT_EQ(kit::PrintValue(Value(f)), L"Font(\"MS Sans Serif\", 10.5, 400, 0, False, False, False)");
}

}  // namespace
