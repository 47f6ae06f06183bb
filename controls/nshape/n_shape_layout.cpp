// N_Shape's layout: the figure kinds, Ajustar_Botao and the size and repaint steps that run it.
#include <algorithm>
#include <cmath>

#include "controls/nshape/n_shape.h"

namespace kit {

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

void NShape::Ajustar_Botao() {
    const double lw = label_.box.width;
    const double lh = label_.box.height;
    const double iw = image_.box.width;
    const double ih = image_.box.height;

    if (stretchToText_ && !requestingWidth_) {
        double content;
        if (textVisible_ && graphical_)
            content = lw + 2 * kMargin + iw + kMargin;
        else if (textVisible_)
            content = lw + 2 * kMargin;
        else if (graphical_)
            content = iw + 2 * kMargin;
        else
            content = 2 * kMargin;
        const int wanted = plat::Nearest(content);
        if (wanted != Width()) {
            // The resize comes back through Resize, which raises Resize and lays out again inside this step.
            requestingWidth_ = true;
            if (site_)
                site_->RequestSize(wanted, Height());
            else
                Resize(wanted, Height());
            requestingWidth_ = false;
        }
    }

    const double sw = Width();
    const double sh = Height();
    shape_.box.top = 0;
    shape_.box.height = sh;
    shape_.box.left = 0;
    shape_.box.width = sw;
    image_.box.top = (sh - ih) / 2.0;
    image_.box.left = kMargin;
    label_.box.top = (sh - lh) / 2.0;
    if (stretchToText_)
        label_.box.left = graphical_ ? image_.box.left + iw + kMargin : kMargin;
    else
        label_.box.left = (sw - lw) / 2.0;
    Redraw();
}

void NShape::OnPaint() {
    // Every repaint puts Picture_Normal back; the paint itself follows, so no further invalidation.
    image_.shown = pictureNormal_;
    SizePictureElement();
}

}  // namespace kit
