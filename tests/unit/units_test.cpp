// The screen-unit conversions and the failure trace of the platform layer.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/trace.h"
#include "platform/units.h"

namespace {

TEST(Units, MulDivRoundsHalvesAwayFromZeroAndFlagsWhatItCannotAnswer) {
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {{1, 1, 2, 1},   {-1, 1, 2, -1},         {3, 2, 4, 2},         {-3, 2, 4, -2},
                          {7, -2, 3, -5}, {10, 96, 144, 7},       {5, 0, 3, 0},         {1, 1, 0, -1},
                          {6, 1, -4, -2}, {2147483647, 2, 1, -1}, {46341, 46341, 1, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(plat::MulDivRound(c.a, c.b, c.c), c.expected) << c.a << " " << c.b << " " << c.c;
}

TEST(Units, ConversionsKeepTheirCallersRounding) {
    // Called, not listed in braces: whole and fractional results both convert to double without narrowing.
    const auto check = [](const char* what, double got, double expected) { EXPECT_EQ(got, expected) << what; };
    check("Scale 100 @144", plat::Scale(100, 144), 150);
    check("Scale 1 @144", plat::Scale(1, 144), 2);
    check("Scale -5 @48 (halves away from zero)", plat::Scale(-5, 48), -3);
    check("ScaleFloor -2.5 @96", plat::ScaleFloor(-2.5, 96), -2);
    check("ScaleFloor 2.5 @96", plat::ScaleFloor(2.5, 96), 3);
    check("Unscale 151 @144", plat::Unscale(151, 144), 100.66666412353516);
    check("UnscaleRound 3 @144", plat::UnscaleRound(3, 144), 2);
    check("SizeFromPixels 3 @144 in 96-dpi pixels", plat::SizeFromPixels(plat::SizeUnit::Pixels96, 3, 144), 2);
    check("SizeFromPixels 1 @144 in twips", plat::SizeFromPixels(plat::SizeUnit::Twips, 1, 144), 10);
    check("SizeToPixels 1 @144 in 96-dpi pixels", plat::SizeToPixels(plat::SizeUnit::Pixels96, 1, 144), 2);
    check("SizeToPixels 16 @96 in twips", plat::SizeToPixels(plat::SizeUnit::Twips, 16, 96), 2);
    check("PlaceToPixels -2.5 @96 in 96-dpi pixels", plat::PlaceToPixels(plat::SizeUnit::Pixels96, -2.5, 96), -2);
    check("PlaceToPixels 22.5 @96 in twips", plat::PlaceToPixels(plat::SizeUnit::Twips, 22.5, 96), 2);
    check("RoundPoints 8.5", plat::RoundPoints(8.5), 8);
    check("RoundPoints 9.5", plat::RoundPoints(9.5), 10);
    check("RoundPoints 6.75", plat::RoundPoints(6.75), 7);
    check("TwipsToPixels 15 @144", plat::TwipsToPixels(15, 144), 2);
    check("TwipsToPixels 1440 @96", plat::TwipsToPixels(1440, 96), 96);
    check("PixelsFromTwips 22.5 @96", plat::PixelsFromTwips(22.5, 96), 2);
    check("PixelsCoveringTwips 16 @96", plat::PixelsCoveringTwips(16, 96), 2);
    check("TwipsFromPixels 1 @144", plat::TwipsFromPixels(1, 144), 10);
    check("TwipsAt 3 @144", plat::TwipsAt(3, 144), 30);
    check("TwipsAt 1 @120", plat::TwipsAt(1, 120), 12);
    check("TwipsFrom96 56", plat::TwipsFrom96(56), 840);
    check("TwipsToPixels 29 at 96 dpi", plat::TwipsToPixels(29, 96), 2);
}

std::vector<std::string>* g_lines = nullptr;
void Collect(const std::string& line) { g_lines->push_back(line); }

TEST(Trace, ACaughtFailureIsCountedAndNamed) {
    std::vector<std::string> lines;
    g_lines = &lines;
    const plat::TraceSink previous = plat::SetTraceSink(&Collect);
    const unsigned long before = plat::CaughtFailures();
    try {
        throw std::runtime_error("boom");
    } catch (...) {
        plat::RecordCaught("window procedure", plat::DescribeCurrentException());
    }
    try {
        throw 42;
    } catch (...) {
        plat::RecordCaught("COM call", plat::DescribeCurrentException());
    }
    plat::SetTraceSink(previous);
    EXPECT_EQ(plat::CaughtFailures() - before, 2u);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Relanto: window procedure: boom", "Relanto: COM call: unknown exception"}));
}

}  // namespace
