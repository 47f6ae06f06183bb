// The one home of the program's screen units: DPI scaling of 96-dpi pixels and twips <-> pixel conversions. Each
// conversion keeps the rounding its callers have always drawn with, so a value never moves by a pixel when code
// moves here.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace plat {

// The DPI at which the program's designs are written in pixels.
constexpr unsigned kBaseDpi = 96;
// A twip is 1/1440 inch: 15 of them make one pixel at 96 dpi.
constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPixel96 = 15;

// a * b / c rounded to the nearest whole number, halves away from zero, computed without overflow; -1 for a zero
// divisor or a result outside the int range. The rule of the Win32 MulDiv, so results match it everywhere.
constexpr int MulDivRound(int a, int b, int c) {
    if (c == 0) return -1;
    if (c < 0) {
        a = -a;
        c = -c;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t q = product >= 0 ? (product + c / 2) / c : (product - c / 2) / c;
    return q > 2147483647 || q < -2147483647 ? -1 : static_cast<int>(q);
}

// ---- 96-dpi pixels and the pixels of a window at `dpi`.

// A design length in 96-dpi pixels at `dpi` (MulDiv rounding).
constexpr int Scale(int pixels96, unsigned dpi) { return MulDivRound(pixels96, static_cast<int>(dpi), kBaseDpi); }
// A half pixel rounds up (toward positive infinity), the one rule for placing elements and pointer points.
inline int RoundPixel(double value) { return static_cast<int>(std::floor(value + 0.5)); }
// A fractional 96-dpi position at `dpi`, halves toward positive infinity (a caption at -2.5 draws at -2).
inline int ScaleFloor(double pixels96, unsigned dpi) {
    return RoundPixel(pixels96 * dpi / static_cast<double>(kBaseDpi));
}
// Window pixels at `dpi` as 96-dpi pixels, unrounded (pointer positions).
inline float Unscale(double pixels, unsigned dpi) {
    return static_cast<float>(pixels * static_cast<double>(kBaseDpi) / dpi);
}
// Window pixels at `dpi` as whole 96-dpi pixels (MulDiv rounding).
constexpr int UnscaleRound(int pixels, unsigned dpi) {
    return MulDivRound(pixels, static_cast<int>(kBaseDpi), static_cast<int>(dpi));
}

// ---- Twips and the pixels of a window at `dpi`.

// Whole twips at `dpi` (MulDiv rounding): the design rectangles of the windows.
constexpr int TwipsToPixels(int twips, unsigned dpi) {
    return MulDivRound(twips, static_cast<int>(dpi), kTwipsPerInch);
}
// Fractional twips at `dpi`, halves away from zero.
inline int PixelsFromTwips(double twips, unsigned dpi) {
    return static_cast<int>(std::lround(twips * dpi / static_cast<double>(kTwipsPerInch)));
}
// The whole pixels that cover a length in twips at `dpi` (rounded up).
inline int PixelsCoveringTwips(double twips, unsigned dpi) {
    return static_cast<int>(std::ceil(twips * static_cast<double>(dpi) / kTwipsPerInch));
}
// Window pixels at `dpi` as whole twips (MulDiv rounding).
constexpr int TwipsFromPixels(int pixels, unsigned dpi) {
    return MulDivRound(pixels, kTwipsPerInch, static_cast<int>(dpi));
}
// Window pixels at `dpi` as twips, unrounded (pointer positions).
inline float TwipsAt(double pixels, unsigned dpi) {
    return static_cast<float>(pixels * static_cast<double>(kTwipsPerInch) / dpi);
}

// ---- Twips and 96-dpi pixels.

constexpr int TwipsFrom96(int pixels96) { return pixels96 * kTwipsPerPixel96; }

// A font size in points as a control reads it back: the nearest whole number, halves to the even neighbour.
inline std::int16_t RoundPoints(double points) {
    const double whole = std::floor(points);
    const double fraction = points - whole;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0);
    return static_cast<std::int16_t>(up ? whole + 1 : whole);
}
// The largest font size drawn, in points; larger sizes are drawn at it.
constexpr double kMaxFontPoints = 2160;
// A stored font may carry any size: it is measured and drawn at no more than the largest size a font takes.
inline double DrawnPoints(double points) {
    return std::isfinite(points) ? std::min(std::max(points, 0.0), kMaxFontPoints) : 0.0;
}

// ---- The unit a control keeps its size and places in; its host converts once, by the unit.

enum class SizeUnit { Pixels96, Twips };

// A window length in pixels at `dpi` as a size in `unit` (MulDiv rounding).
constexpr int SizeFromPixels(SizeUnit unit, int pixels, unsigned dpi) {
    return unit == SizeUnit::Twips ? TwipsFromPixels(pixels, dpi) : UnscaleRound(pixels, dpi);
}
// A size in `unit` as window pixels at `dpi`: twips are covered whole (rounded up), so the size read back is not
// below the one asked for.
inline int SizeToPixels(SizeUnit unit, int size, unsigned dpi) {
    return unit == SizeUnit::Twips ? PixelsCoveringTwips(size, dpi) : Scale(size, dpi);
}
// A place in `unit` (an element's edge) as window pixels at `dpi`.
inline int PlaceToPixels(SizeUnit unit, double place, unsigned dpi) {
    return unit == SizeUnit::Twips ? PixelsFromTwips(place, dpi) : ScaleFloor(place, dpi);
}

// Where a design places a part: left and top in its parent's client area, and its size, all in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

}  // namespace plat
