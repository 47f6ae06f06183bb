// N_Shape's input: the pointer state machine on the kit's tracker, the keys, the focus border and the leave poll.
#include "controls/nshape/n_shape.h"

#include "platform/units.h"

namespace kit {
namespace {

bool InRect(const RectF& r, float x, float y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

}  // namespace

NShapeSource NShape::SourceAt(float x96, float y96) const {
    if (label_.visible && InRect(label_.box, x96, y96)) return NShapeSource::Caption;
    if (image_.visible && InRect(image_.box, x96, y96)) return NShapeSource::Picture;
    return NShapeSource::Surface;
}

void NShape::RelativeTo(int element, float* x96, float* y96) const {
    const RectF* box = element == static_cast<int>(NShapeSource::Caption)   ? &label_.box
                       : element == static_cast<int>(NShapeSource::Picture) ? &image_.box
                                                                            : nullptr;
    if (!box) return;
    *x96 = static_cast<float>(*x96 - box->left);
    *y96 = static_cast<float>(*y96 - box->top);
}

void NShape::PressedOn(int element) {
    if (element == static_cast<int>(NShapeSource::Surface)) ShowPicture(pictureDown_);
}

void NShape::ReleasedOn(int element) {
    if (element == static_cast<int>(NShapeSource::Surface)) ShowPicture(pictureHover_);
}

void NShape::HoverMove(int element, float x, float y) {
    // The picture element's moves take and give up the capture without touching MouseInside.
    const bool picture = element == static_cast<int>(NShapeSource::Picture);
    PointerTracker& pointer = tracker_;
    switch (pointer.HoverAt(ClientPixel(x, y))) {
        case PointerTracker::Hover::Outside:
            Refresh();
            pointer.ReleaseHover();
            ShowPicture(pictureNormal_);
            if (!picture) mouseInside_ = false;
            Raise(events_.MouseOut);
            break;
        case PointerTracker::Hover::Free:
            pointer.TakeHover();
            if (PictureHandle(image_.shown) != PictureHandle(pictureHover_)) {
                ShowPicture(pictureHover_);
                if (!picture) mouseInside_ = true;
            }
            break;
        case PointerTracker::Hover::Kept:
            break;
    }
}

void NShape::GotFocus() {
    if (!borderGotFocus_) return;
    shape_.border = borderCustom_;
    Redraw();
}

void NShape::LostFocus() {
    // A Space press the focus leaves behind makes no click.
    ButtonModel::LostFocus();
    if (!borderGotFocus_) return;
    // Back to the border of the current look.
    shape_.border = looks_[ButtonState()].third;
    Redraw();
}

}  // namespace kit
