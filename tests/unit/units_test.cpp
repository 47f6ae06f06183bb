// The screen-unit conversions and the failure trace of the platform layer.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/trace.h"
#include "platform/units.h"

namespace {

TEST(Units, NearestRoundsHalvesUpAndCoverRoundsUpTheSameInEveryUnit) {
    using plat::Dpi;
    using plat::Pixels96;
    using plat::Twips;
    // Called, not listed in braces: whole and fractional results both convert to double without narrowing.
    const auto check = [](const char* what, double got, double expected) { EXPECT_EQ(got, expected) << what; };
    check("Nearest 2.5", plat::Nearest(2.5), 3);
    check("Nearest -2.5 (toward positive infinity)", plat::Nearest(-2.5), -2);
    check("Nearest -2.51", plat::Nearest(-2.51), -3);
    check("Nearest -0.5", plat::Nearest(-0.5), 0);
    check("Cover 1.01", plat::Cover(1.01), 2);
    check("Cover -1.5", plat::Cover(-1.5), -1);
    check("Nearest far beyond int", plat::Nearest(1e12), 2147483647);
    check("Nearest far below int", plat::Nearest(-1e12), -2147483647.0 - 1);
    check("Nearest of no number", plat::Nearest(std::nan("")), 0);
    check("96-dpi 100 @144", plat::NearestPixels(Pixels96(100), Dpi{144}), 150);
    check("96-dpi 1 @144", plat::NearestPixels(Pixels96(1), Dpi{144}), 2);
    check("96-dpi -5 @48", plat::NearestPixels(Pixels96(-5), Dpi{48}), -2);
    check("twips 15 @144", plat::NearestPixels(Twips(15), Dpi{144}), 2);
    check("twips 1440 @96", plat::NearestPixels(Twips(1440), Dpi{96}), 96);
    check("twips 29 @96", plat::NearestPixels(Twips(29), Dpi{96}), 2);
    check("twips -5 @144", plat::NearestPixels(Twips(-5), Dpi{144}), 0);
    check("96-dpi 56 in twips", plat::ToTwips(Pixels96(56)).value, 840);
    check("no DPI is 96", Dpi{0}.value(), 96);
    check("151 px @144 in 96-dpi", plat::FromDevice({151}, plat::SizeUnit::Pixels96, Dpi{144}), 151.0 * 96 / 144);
    // A whole number of pixels moved keeps a box's width on either side of zero.
    for (double left = -4.5; left <= 4.5; left += 0.25)
        EXPECT_EQ(plat::Nearest(left + 3) - plat::Nearest(left), 3) << left;
    // The same length in either unit comes to the same pixels, at every DPI and on both sides of zero.
    for (unsigned dpi : {72u, 96u, 120u, 144u, 168u, 192u})
        for (int v = -40; v <= 40; ++v) {
            const double half = v / 2.0;
            EXPECT_EQ(plat::NearestPixels(Pixels96(half), Dpi{dpi}), plat::NearestPixels(Twips(half * 15), Dpi{dpi}))
                << dpi << " " << half;
            EXPECT_EQ(plat::Cover(plat::ToDevice(Pixels96(half), Dpi{dpi}).value),
                      plat::Cover(plat::ToDevice(Twips(half * 15), Dpi{dpi}).value))
                << dpi << " " << half;
        }
}

TEST(Units, AHostConvertsPointersSizesAndPlacesInItsControlsUnit) {
    const plat::UnitScale px96{plat::SizeUnit::Pixels96, plat::Dpi{144}}, twips{plat::SizeUnit::Twips, plat::Dpi{144}};
    const auto check = [](const char* what, double got, double expected) { EXPECT_EQ(got, expected) << what; };
    check("pointer 151 in 96-dpi", px96.PointerIn(151), 100.66666412353516);
    check("pointer 3 in twips", twips.PointerIn(3), 30);
    check("pointer 1 @120 in twips", plat::UnitScale{plat::SizeUnit::Twips, plat::Dpi{120}}.PointerIn(1), 12);
    check("size from 3 px in 96-dpi", px96.SizeFromPixels(3), 2);
    check("size from 1 px in twips", twips.SizeFromPixels(1), 10);
    check("size 1 in 96-dpi", px96.SizeToPixels(1), 2);
    check("size 16 twips @96 covered", plat::UnitScale{plat::SizeUnit::Twips}.SizeToPixels(16), 2);
    check("place -2.5 @96 in 96-dpi", plat::UnitScale{}.PlaceToPixels(-2.5), -2);
    check("place 22.5 twips @96", plat::UnitScale{plat::SizeUnit::Twips}.PlaceToPixels(22.5), 2);
    check("place -15 twips @144 (-1.5 px rounds up)", twips.PlaceToPixels(-15), -1);
    check("client pixel of 75 x 75 twips", twips.ClientPixel(75, 75).y, 8);
    check("RoundPoints 8.5", plat::RoundPoints(8.5), 8);
    check("RoundPoints 9.5", plat::RoundPoints(9.5), 10);
    check("RoundPoints 6.75", plat::RoundPoints(6.75), 7);
    // A size a control asks for reads back as no less than itself; a 96-dpi size reads back as itself.
    for (unsigned dpi : {96u, 110u, 120u, 144u, 168u, 192u})
        for (int size = 0; size <= 3000; ++size) {
            const plat::UnitScale t{plat::SizeUnit::Twips, plat::Dpi{dpi}}, p{plat::SizeUnit::Pixels96, plat::Dpi{dpi}};
            ASSERT_GE(t.SizeFromPixels(t.SizeToPixels(size)), size) << dpi;
            ASSERT_EQ(p.SizeFromPixels(p.SizeToPixels(size)), size) << dpi;
            // A pointer on a pixel comes back to that pixel.
            ASSERT_EQ(t.ClientPixel(t.PointerIn(size), 0).x, size) << dpi;
            ASSERT_EQ(p.ClientPixel(0, p.PointerIn(-size)).y, -size) << dpi;
        }
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
