// The canvas's portable rules: the colour each role takes in high contrast, and the geometry of the six figures.
#include "platform/canvas.h"

#include <algorithm>

namespace plat {

namespace {

OleColor HighContrastColor(Role role, bool lit) {
    switch (role) {
        case Role::Surface:
            return syscolor::kButtonFace;
        case Role::Fill:
            return lit ? syscolor::kHighlight : syscolor::kButtonFace;
        case Role::Border:
            return lit ? syscolor::kHighlight : syscolor::kButtonText;
        case Role::Text:
            return lit ? syscolor::kHighlightText : syscolor::kButtonText;
        case Role::PageBack:
            return syscolor::kWindow;
        case Role::PageText:
            return syscolor::kWindowText;
        case Role::Link:
            return syscolor::kHotLight;
        case Role::DisabledText:
            return syscolor::kGrayText;
    }
    return syscolor::kWindowText;
}

}  // namespace

OleColor Resolve(const Ink& ink, DisplayScheme* scheme) {
    return scheme && scheme->HighContrast() ? HighContrastColor(ink.role, ink.lit) : ink.design;
}

FigureGeometry FigureFor(FigureKind kind, int boxWidth, int boxHeight) {
    FigureGeometry g;
    const int w = std::max(boxWidth, 0);
    const int h = std::max(boxHeight, 0);
    const int side = std::min(w, h);
    const bool square = kind == FigureKind::Square || kind == FigureKind::Circle || kind == FigureKind::RoundedSquare;
    if (square) {
        g.left = (w - side) / 2;
        g.top = (h - side) / 2;
        g.width = side;
        g.height = side;
    } else {
        g.width = w;
        g.height = h;
    }
    g.ellipse = kind == FigureKind::Oval || kind == FigureKind::Circle;
    // Rounded corners: a corner radius of one sixth of the smaller side, so the ellipse spans a third of it.
    if (kind == FigureKind::RoundedRectangle || kind == FigureKind::RoundedSquare)
        g.corner = std::min(g.width, g.height) / 3;
    return g;
}

}  // namespace plat
