// N_Shape's layout and look: Ajustar_Botao, and the paint that draws the elements it placed.
#include <algorithm>
#include <cmath>

#include "controls/nshape/n_shape.h"

namespace kit {

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
            // The resize comes back through Resize, which raises Resize and lays out again inside this step; the
            // height is never changed.
            requestingWidth_ = true;
            site_->RequestSize(wanted, -1);
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

void NShape::Paint(plat::Canvas& canvas) {
    // Every repaint puts Picture_Normal back; this is the paint, so no further invalidation.
    image_.shown = pictureNormal_;
    SizePictureElement();
    PaintElements(canvas);
}

void NShape::PaintElements(plat::Canvas& canvas) const {
    const bool lit = Lit();
    canvas.Fill(canvas.Area(), {plat::Role::Surface, backGround_, lit});
    canvas.Figure(shape_.kind, shape_.box, {plat::Role::Fill, shape_.fill, lit},
                  {plat::Role::Border, shape_.border, lit}, 1);
    if (image_.visible) canvas.Picture(image_.shown.ref, image_.box, false);
    if (label_.visible)
        canvas.Text(label_.box, label_.text, CaptionFont(), CaptionInk(label_.color, lit), plat::TextAlign::Left,
                    plat::TextFlow::Line);
    PaintFocusCue(canvas);
}

}  // namespace kit
