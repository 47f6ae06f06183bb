// N_Shape's portable model: construction, the looks and the property writes with their notifications.
#include "controls/nshape/n_shape.h"

namespace kit {

std::uint64_t PictureHandle(const Picture& picture) {
    if (picture.empty()) return 0;
    std::uint64_t h = 1469598103934665603ull;
    for (wchar_t c : picture.ref) {
        h ^= static_cast<std::uint32_t>(c);
        h *= 1099511628211ull;
    }
    return h ? h : 1;
}

NShape::NShape(const plat::Services& services, Events events)
    : Stored(services, std::move(events), {kLeaveTimerId, kLeavePeriodMs, OverTest::OwnWindow, {}, true}, false) {
    // Image1 starts with Picture_Normal, an empty picture at this point.
    image_.shown = pictureNormal_;
}

void NShape::Attached(plat::WindowId window) {
    ButtonModel::Attached(window);
    // The button takes the size its window was made at, before its properties lay it out.
    const plat::Size extent = site_->Extent();
    SetExtent(extent.cx, extent.cy);
    MeasureCaption();
}

// ---------------------------------------------------------------------------------------------------------------
// Helpers

void NShape::Refresh() { site_->Refresh(); }

void NShape::ShowPicture(const Picture& picture) {
    image_.shown = picture;
    SizePictureElement();
    Redraw();
}

void NShape::SizePictureElement() {
    if (image_.stretch) return;
    std::optional<plat::Size> natural;
    if (!image_.shown.empty()) natural = site_->PictureSize(image_.shown.ref);
    image_.box.width = natural ? natural->cx : kEmptyPictureSide;
    image_.box.height = natural ? natural->cy : kEmptyPictureSide;
}

void NShape::MeasureCaption() {
    const plat::SizeF s = Measure(label_.text, CaptionFont());
    label_.box.width = s.cx;
    label_.box.height = s.cy;
}

// ---------------------------------------------------------------------------------------------------------------
// Looks

void NShape::ApplyStateColors() {
    const LookColors colors = looks_[ButtonState()];
    shape_.fill = colors.back;
    label_.color = CaptionShows(colors.fore);
    shape_.border = colors.third;
    Redraw();
}

// ---------------------------------------------------------------------------------------------------------------
// Properties

void NShape::SetCaption(const std::wstring& caption) {
    if (caption != label_.text) {
        label_.text = caption;
        MeasureCaption();
        Redraw();
        Ajustar_Botao();
        site_->CaptionChanged(label_.text);
    }
    Notify(L"Caption");
}

bool NShape::SetStyle(std::int32_t style) {
    // Narrowing to 16 bits overflows outside its range; Shape1 takes only its six kinds.
    if (style < -32768 || style > 32767) return false;
    if (style < 0 || style > 5) return false;
    shape_.kind = static_cast<FigureKind>(style);
    Redraw();
    Notify(L"Style");
    return true;
}

std::int16_t NShape::FontSize() const { return plat::RoundPoints(label_.points); }

bool NShape::SetFontSize(std::int16_t points) {
    // The caption element takes sizes from 1 point to the largest a font takes.
    if (points < 1 || points > plat::kMaxFontPoints) return false;
    label_.points = points;
    MeasureCaption();
    Redraw();
    Notify(L"FontSize");
    return true;
}

void NShape::SetFontBold(bool bold) {
    label_.bold = bold;
    MeasureCaption();
    Redraw();
    Notify(L"FontBold");
}

void NShape::EnabledChanged() {
    ButtonModel::EnabledChanged();
    label_.color = CaptionShows(looks_[ButtonLook::Normal].fore);
    Redraw();
    Refresh();
}

void NShape::SetPictureNormal(const Picture& picture) {
    pictureNormal_ = picture;
    Notify(L"Picture_Normal");
    ShowPicture(pictureNormal_);
}

void NShape::ShowElement(bool& stored, bool& elementVisible, bool on, const wchar_t* property) {
    stored = on;
    Notify(property);
    elementVisible = on;
    Redraw();
    Ajustar_Botao();
}

void NShape::SetGraphical(bool on) { ShowElement(graphical_, image_.visible, on, L"Graphical"); }

void NShape::SetStretchToText(bool on) {
    stretchToText_ = on;
    Notify(L"StretchToText");
    Ajustar_Botao();
}

void NShape::SetTextVisible(bool on) { ShowElement(textVisible_, label_.visible, on, L"Text_Visible"); }

void NShape::SetStretch(bool on) {
    image_.stretch = on;
    // Without stretching the element takes the natural size of its picture again.
    if (!on) ShowPicture(image_.shown);
    Redraw();
    Notify(L"Stretch");
}

std::int32_t NShape::CurPicture() const {
    const std::uint64_t shown = PictureHandle(image_.shown);
    ShownPictureKind kind = ShownPictureKind::None;
    if (shown == 0)
        kind = ShownPictureKind::None;
    else if (shown == PictureHandle(pictureNormal_))
        kind = ShownPictureKind::Normal;
    else if (shown == PictureHandle(pictureDown_))
        kind = ShownPictureKind::Down;
    else if (shown == PictureHandle(pictureHover_))
        kind = ShownPictureKind::Hover;
    return static_cast<std::int32_t>(kind);
}

void NShape::SetForeColorNormal(OleColor c) {
    looks_[ButtonLook::Normal].fore = c;
    label_.color = CaptionShows(c);
    Redraw();
    Notify(L"ForeColorNormal");
}

void NShape::SetBackColorNormal(OleColor c) {
    ShowNow(looks_[ButtonLook::Normal].back, &shape_.fill, c, L"BackColorNormal");
}

void NShape::SetBorderColorNormal(OleColor c) {
    ShowNow(looks_[ButtonLook::Normal].third, &shape_.border, c, L"BorderColorNormal");
}

// ---------------------------------------------------------------------------------------------------------------
// Screen readers: N_Shape reads as a push button named by its caption; its default action is a left click's Click.

AccessibleInfo NShape::Describe(bool focused) const {
    return Info(AccRole::PushButton, Caption(), kActionPress,
                ControlStates(Enabled(), focused) | LookStates(static_cast<int>(ButtonState())));
}

bool NShape::DoDefaultAction() {
    if (!Enabled()) return false;
    Raise(events_.Click);
    return true;
}

}  // namespace kit
