// The check button's twelve box images: a framed 13 x 13 box per value and look, with a smoothed tick for checked
// and a small square for indeterminate.
#include "controls/checkbutton/check_button.h"

#include <algorithm>
#include <cmath>

namespace kit {
namespace {

struct Rgb {
    int r, g, b;
};

std::uint32_t Pack(Rgb c) {
    return (static_cast<std::uint32_t>(c.r) << 16) | (static_cast<std::uint32_t>(c.g) << 8) |
           static_cast<std::uint32_t>(c.b);
}

Rgb Mix(Rgb under, Rgb over, double coverage) {
    auto ch = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * coverage)); };
    return {ch(under.r, over.r), ch(under.g, over.g), ch(under.b, over.b)};
}

std::uint32_t& Pixel(BoxImage& img, int x, int y) {
    return img.pixels[static_cast<std::size_t>(y * BoxImage::kSide + x)];
}

BoxImage Box(Rgb frame, Rgb interior) {
    BoxImage img;
    for (int y = 0; y < BoxImage::kSide; ++y)
        for (int x = 0; x < BoxImage::kSide; ++x) {
            const bool edge = x == 0 || y == 0 || x == BoxImage::kSide - 1 || y == BoxImage::kSide - 1;
            Pixel(img, x, y) = Pack(edge ? frame : interior);
        }
    return img;
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = std::max(0.0, std::min(1.0, t));
    const double cx = ax + t * dx - px, cy = ay + t * dy - py;
    return std::sqrt(cx * cx + cy * cy);
}

// Draws the tick over the interior, smoothed: each pixel takes the share of its 4 x 4 samples that lie within
// the stroke. The short arm starts at the left of the interior about two thirds down; the long arm ends at the
// interior's top right. Fully covered pixels get exactly the tick colour, the darkest of the mark.
void Tick(BoxImage& img, Rgb interior, Rgb tick) {
    const double ax = 2.4, ay = 7.6;   // start of the short arm
    const double bx = 5.0, by = 10.2;  // the bend
    const double cx = 10.6, cy = 3.0;  // end of the long arm
    const double halfWidth = 1.0;
    constexpr int kSamples = 4;
    for (int y = 1; y < BoxImage::kSide - 1; ++y)
        for (int x = 1; x < BoxImage::kSide - 1; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples, py = y + (sy + 0.5) / kSamples;
                    const double d =
                        std::min(DistanceToSegment(px, py, ax, ay, bx, by), DistanceToSegment(px, py, bx, by, cx, cy));
                    if (d <= halfWidth) ++inside;
                }
            if (inside > 0) Pixel(img, x, y) = Pack(Mix(interior, tick, inside / double(kSamples * kSamples)));
        }
}

// A solid 7 x 7 square centred in the 11 x 11 interior.
void Square(BoxImage& img, Rgb color) {
    for (int y = 3; y <= 9; ++y)
        for (int x = 3; x <= 9; ++x) Pixel(img, x, y) = Pack(color);
}

std::array<BoxImage, kBoxImageCount> MakeImages() {
    const Rgb normalFrame{170, 173, 176}, hoverFrame{24, 133, 210}, liveInterior{202, 237, 216};
    const Rgb offFrame{207, 211, 215}, offInterior{242, 245, 249};
    const Rgb tickedOffFrame{189, 191, 194}, tickedOffInterior{248, 249, 249};
    const Rgb green{0, 173, 65}, grey{164, 165, 166}, offSquare{242, 247, 245};
    std::array<BoxImage, kBoxImageCount> images;
    auto at = [&](int value, ButtonLook look) -> BoxImage& {
        return images[static_cast<std::size_t>(BoxImageIndex(value, look))];
    };
    at(kUnchecked, ButtonLook::Normal) = Box(normalFrame, liveInterior);
    at(kUnchecked, ButtonLook::Hover) = Box(hoverFrame, liveInterior);
    at(kUnchecked, ButtonLook::Disabled) = Box(offFrame, offInterior);
    at(kChecked, ButtonLook::Normal) = at(kUnchecked, ButtonLook::Normal);
    Tick(at(kChecked, ButtonLook::Normal), liveInterior, green);
    at(kChecked, ButtonLook::Hover) = at(kUnchecked, ButtonLook::Hover);
    Tick(at(kChecked, ButtonLook::Hover), liveInterior, green);
    at(kChecked, ButtonLook::Disabled) = Box(tickedOffFrame, tickedOffInterior);
    Tick(at(kChecked, ButtonLook::Disabled), tickedOffInterior, grey);
    at(kIndeterminate, ButtonLook::Normal) = at(kUnchecked, ButtonLook::Normal);
    Square(at(kIndeterminate, ButtonLook::Normal), green);
    at(kIndeterminate, ButtonLook::Hover) = at(kUnchecked, ButtonLook::Hover);
    Square(at(kIndeterminate, ButtonLook::Hover), green);
    at(kIndeterminate, ButtonLook::Disabled) = at(kUnchecked, ButtonLook::Disabled);
    Square(at(kIndeterminate, ButtonLook::Disabled), offSquare);
    // The pressed look is the hover look for every value.
    for (int value = kUnchecked; value <= kIndeterminate; ++value)
        at(value, ButtonLook::Down) = at(value, ButtonLook::Hover);
    return images;
}

}  // namespace

const std::array<BoxImage, kBoxImageCount>& CheckBoxImages() {
    static const std::array<BoxImage, kBoxImageCount> images = MakeImages();
    return images;
}

}  // namespace kit
