// Selection entry N_Selection: properties, looks, pointer and keyboard logic and layout.
#include "controls/nselection/n_selection.h"

#include "platform/units.h"

namespace kit {
NSelection::NSelection(const plat::Services& services, Events events)
    : Stored(services, std::move(events), {kTimer1, kTimer1PeriodMs, OverTest::OwnWindow, {}, false}, true) {
    SetExtent(kDesignWidth, kDesignHeight);
    // The elements as designed, until a new instance or a load replaces their values.
    label1_.text = L"NSelection1";
    label1_.color = 0x80000012;  // button text
    label1_.left = 8;
    label1_.top = 8;
    labelDescricao_.text = L"NDescricao1";
    labelDescricao_.color = 0x00808080;
    labelDescricao_.points = 6.75;
    labelDescricao_.left = 8;
    labelDescricao_.top = 24;
}

void NSelection::Attached(plat::WindowId window) {
    ButtonModel::Attached(window);
    MeasureLabel(label1_);
    MeasureLabel(labelDescricao_);
}

void NSelection::MeasureLabel(Label& label) {
    const plat::SizeF size = Measure(label.text, SpecOf(label.face, label.points, label.bold));
    label.width = size.cx;
    label.height = size.cy;
}

void NSelection::SetCaption(const std::wstring& text) {
    const bool changed = text != label1_.text;
    label1_.text = text;
    MeasureLabel(label1_);
    Redraw();
    if (changed) site_->CaptionChanged(label1_.text);
    Notify(L"Caption");
}

void NSelection::SetDescription(const std::wstring& text) {
    labelDescricao_.text = text;
    MeasureLabel(labelDescricao_);
    Redraw();
    Notify(L"Description");
}

std::int16_t NSelection::FontSize() const { return plat::RoundPoints(label1_.points); }

bool NSelection::SetFontSize(std::int16_t points) {
    // The caption element takes sizes from 1 point to the largest a font takes.
    if (points < 1 || points > plat::kMaxFontPoints) return false;
    label1_.points = points;
    MeasureLabel(label1_);
    Redraw();
    Notify(L"FontSize");
    return true;
}

void NSelection::SetFontBold(bool bold) {
    label1_.bold = bold;
    MeasureLabel(label1_);
    Redraw();
    Notify(L"FontBold");
}

void NSelection::SetForeColorNormal(OleColor c) {
    ShowNow(looks_[ButtonLook::Normal].fore, &label1_.color, c, L"ForeColorNormal");
}

void NSelection::SetBackColorNormal(OleColor c) {
    ShowNow(looks_[ButtonLook::Normal].back, &surfaceColor_, c, L"BackColorNormal");
}

void NSelection::SetForeColorNormal_2(OleColor c) {
    ShowNow(looks_[ButtonLook::Normal].third, &labelDescricao_.color, c, L"ForeColorNormal_2");
}

void NSelection::Ajustar_Botao() {
    // The hidden picture fixes the height; the container answers the request with a size change, which lays
    // the control out again before the steps below run with the final height.
    if (Height() != kImage1Height) site_->RequestSize(-1, kImage1Height);
    // The caption's bottom edge and the description's top edge both sit on the middle line.
    const double middle = Height() / 2.0;
    label1_.top = middle - label1_.height;
    label1_.left = kLabelLeft;
    labelDescricao_.top = middle;
    labelDescricao_.left = label1_.left;
    Redraw();
}

void NSelection::Paint(plat::Canvas& canvas) {
    // The whole surface is the button's figure, so it takes the figure's role (lit, as N_Shape's figure is).
    canvas.Fill(canvas.Area(), {plat::Role::Fill, surfaceColor_, Lit()});
    // Text wider than the control is cut at its right edge.
    PaintLabel(canvas, label1_);
    PaintLabel(canvas, labelDescricao_);
    PaintFocusCue(canvas);
}

void NSelection::PaintLabel(plat::Canvas& canvas, const Label& label) const {
    if (label.text.empty()) return;
    canvas.Text({label.left, label.top, label.width, label.height}, label.text,
                SpecOf(label.face, label.points, label.bold), CaptionInk(label.color, Lit()), plat::TextAlign::Left,
                plat::TextFlow::Line);
}

void NSelection::ApplyStateColors() {
    const LookColors colors = looks_[ButtonState()];
    surfaceColor_ = colors.back;
    label1_.color = colors.fore;
    labelDescricao_.color = colors.third;
    Redraw();
}

int NSelection::ElementAt(float x, float y) const {
    auto inside = [&](const Label& l) {
        return l.width > 0 && l.height > 0 && x >= l.left && x < l.left + l.width && y >= l.top && y < l.top + l.height;
    };
    const Source source = inside(label1_)           ? Source::Caption
                          : inside(labelDescricao_) ? Source::Description
                                                    : Source::Surface;
    return static_cast<int>(source);
}

void NSelection::RelativeTo(int element, float* x96, float* y96) const {
    const Label* label = element == static_cast<int>(Source::Caption)       ? &label1_
                         : element == static_cast<int>(Source::Description) ? &labelDescricao_
                                                                            : nullptr;
    if (!label) return;
    *x96 = static_cast<float>(*x96 - label->left);
    *y96 = static_cast<float>(*y96 - label->top);
}

void NSelection::RaiseClick() { Raise(events_.Click); }

void NSelection::ClickNotified() {}

// Screen readers: N_Selection reads as a push button named by its caption and described by its second line.

AccessibleInfo NSelection::Describe(bool focused) const {
    return Info(AccRole::PushButton, Caption(), kActionPress,
                ControlStates(Enabled(), focused) | LookStates(static_cast<int>(ButtonState())), Description());
}

bool NSelection::DoDefaultAction() {
    if (Enabled()) RaiseClick();
    return Enabled();
}

}  // namespace kit
