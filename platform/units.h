// The program's screen units as types: twips and 96-dpi pixels (the units designs and controls keep lengths in),
// a window's own pixels, and the DPI that relates them. Every conversion to whole pixels rounds by one of two
// rules, the same in every unit: Nearest places an edge, Cover makes room for a length.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/platform.h"

namespace plat {

// The DPI at which the program's designs are written in pixels.
constexpr unsigned kBaseDpi = 96;

// A display's pixels per inch, as the window on it reports them; never zero.
class Dpi {
public:
    constexpr Dpi() = default;
    constexpr explicit Dpi(unsigned value) : value_(value ? value : kBaseDpi) {}
    constexpr unsigned value() const { return value_; }

private:
    unsigned value_ = kBaseDpi;
};

// A unit by how many of it make an inch.
enum class SizeUnit : int { Pixels96 = 96, Twips = 1440 };

// A length in one of the program's units; a length in one converts to another only through these functions.
template <SizeUnit U>
struct Length {
    constexpr explicit Length(double length = 0) : value(length) {}
    double value;
};
using Twips = Length<SizeUnit::Twips>;
using Pixels96 = Length<SizeUnit::Pixels96>;
// A length in a window's own pixels, which mean nothing without that window's Dpi.
struct DevicePixels {
    double value = 0;
};

// A length in `unit` on a display of `dpi`, and back: unrounded.
constexpr DevicePixels ToDevice(double length, SizeUnit unit, Dpi dpi) {
    return {length * dpi.value() / static_cast<int>(unit)};
}
constexpr double FromDevice(DevicePixels pixels, SizeUnit unit, Dpi dpi) {
    return pixels.value * static_cast<int>(unit) / dpi.value();
}
template <SizeUnit U>
constexpr DevicePixels ToDevice(Length<U> length, Dpi dpi) {
    return ToDevice(length.value, U, dpi);
}
// Exact: a 96-dpi pixel is 15 twips.
constexpr Twips ToTwips(Pixels96 length) {
    return Twips(length.value * (static_cast<int>(SizeUnit::Twips) / static_cast<int>(SizeUnit::Pixels96)));
}
constexpr int WholeTwips(int pixels96) { return static_cast<int>(ToTwips(Pixels96(pixels96)).value); }

// A rounded value as an int, held to the int range (nothing out of range or not a number reaches the cast).
inline int ClampedInt(double value) {
    if (!(value > -2147483648.0)) return value < 0 ? -2147483647 - 1 : 0;
    return value < 2147483647.0 ? static_cast<int>(value) : 2147483647;
}
// Nearest: a half rounds toward positive infinity. A box moved by whole pixels keeps its size on either side of
// zero, and a caption centred over a narrower control (a left edge of -2.5) draws where it always has (-2).
inline int Nearest(double value) { return ClampedInt(std::floor(value + 0.5)); }
// Cover: the whole number that holds the length, rounded up.
inline int Cover(double value) { return ClampedInt(std::ceil(value)); }
template <SizeUnit U>
int NearestPixels(Length<U> length, Dpi dpi) {
    return Nearest(ToDevice(length, dpi).value);
}

// A window's Dpi with the unit its control keeps lengths in: the one place where a control's lengths and the
// window's pixels meet. Hosts convert through it; models never see a pixel.
struct UnitScale {
    SizeUnit unit = SizeUnit::Pixels96;
    Dpi dpi = Dpi();

    // A pointer position in the window's pixels, in the unit, unrounded.
    float PointerIn(double pixels) const { return static_cast<float>(FromDevice({pixels}, unit, dpi)); }
    // The window's pixels as a whole size in the unit.
    int SizeFromPixels(int pixels) const { return Nearest(FromDevice({static_cast<double>(pixels)}, unit, dpi)); }
    // A size asked for in the unit as the window's pixels that read back (SizeFromPixels) as no less than it. A
    // 96-dpi pixel is no finer than a window's, so the nearest pixels read back as the size itself; a twip is
    // finer, so twips are covered.
    int SizeToPixels(int size) const {
        const double pixels = ToDevice(size, unit, dpi).value;
        return unit == SizeUnit::Twips ? Cover(pixels) : Nearest(pixels);
    }
    // A place in the unit (an element's edge, a point) as the window's pixel.
    int PlaceToPixels(double place) const { return Nearest(ToDevice(place, unit, dpi).value); }
    Point ClientPixel(double x, double y) const { return {PlaceToPixels(x), PlaceToPixels(y)}; }
};

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

// Where a design places a part: left and top in its parent's client area, and its size, all in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

}  // namespace plat
