// Selection entry N_Selection: properties, looks, pointer and keyboard logic and layout.
#include "controls/nselection/n_selection.h"

#include <cmath>
#include <optional>

#include "platform/units.h"

namespace kit {
namespace {

// Font sizes the caption element accepts, in points.
constexpr double kMinPoints = 1;
constexpr double kMaxPoints = 2160;

// A font size in points as the control reads it back: the nearest whole number, halves to the even neighbour.
std::int16_t RoundPoints(double points) {
    const double whole = std::floor(points);
    const double fraction = points - whole;
    double r = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) r = whole + 1;
    return static_cast<std::int16_t>(r);
}

TrackerParams LeaveTracking() {
    TrackerParams params;
    params.timerId = NSelection::kTimer1;
    params.periodMs = NSelection::kTimer1PeriodMs;
    params.over = OverTest::OwnWindow;
    return params;
}

}  // namespace

NSelection::NSelection(const plat::Services& services, Events events)
    : services_(services), events_(std::move(events)), tracker_(services_, LeaveTracking()) {
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
    Measure(label1_);
    Measure(labelDescricao_);
}

void NSelection::Attach(plat::WindowId window, ControlSite* site, unsigned dpi) {
    tracker_.SetWindow(window);
    site_ = site;
    SetDpi(dpi);
}

void NSelection::Notify(const wchar_t* property) {
    Raise(events_.PropertyChanged, property);
}

void NSelection::Measure(Label& label) {
    if (!services_.text) return;
    const plat::Size size = services_.text->Measure(label.text, label.face, label.points, label.bold);
    label.width = size.cx;
    label.height = size.cy;
}

void NSelection::ShowColor(OleColor& stored, OleColor& element, OleColor c, const wchar_t* property) {
    stored = c;
    element = c;
    Redraw();
    Notify(property);
}

void NSelection::Redraw() {
    if (site_) site_->Invalidate();
}

void NSelection::SetCaption(const std::wstring& text) {
    label1_.text = text;
    Measure(label1_);
    Redraw();
    Notify(L"Caption");
}

void NSelection::SetDescription(const std::wstring& text) {
    labelDescricao_.text = text;
    Measure(labelDescricao_);
    Redraw();
    Notify(L"Description");
}

std::int16_t NSelection::FontSize() const { return RoundPoints(label1_.points); }

bool NSelection::SetFontSize(std::int16_t points) {
    if (points < kMinPoints || points > kMaxPoints) return false;
    label1_.points = points;
    Measure(label1_);
    Redraw();
    Notify(L"FontSize");
    return true;
}

void NSelection::SetFontBold(bool bold) {
    label1_.bold = bold;
    Measure(label1_);
    Redraw();
    Notify(L"FontBold");
}

void NSelection::SetEnabled(bool enabled) {
    enabled_ = enabled;
    // A press the control cannot finish makes no click.
    if (!enabled) EndPress(tracker_.EndPress() | space_.Cancel());
    if (site_) site_->SetInputEnabled(enabled);
    Notify(L"Enabled");
}

void NSelection::SetForeColorNormal(OleColor c) {
    ShowColor(looks_[ButtonLook::Normal].fore, label1_.color, c, L"ForeColorNormal");
}

void NSelection::SetForeColorHover(OleColor c) { Keep(looks_[ButtonLook::Hover].fore, c, L"ForeColorHover"); }

void NSelection::SetForeColorDown(OleColor c) { Keep(looks_[ButtonLook::Down].fore, c, L"ForeColorDown"); }

void NSelection::SetBackColorNormal(OleColor c) {
    ShowColor(looks_[ButtonLook::Normal].back, surfaceColor_, c, L"BackColorNormal");
}

void NSelection::SetBackColorHover(OleColor c) { Keep(looks_[ButtonLook::Hover].back, c, L"BackColorHover"); }

void NSelection::SetBackColorDown(OleColor c) { Keep(looks_[ButtonLook::Down].back, c, L"BackColorDown"); }

void NSelection::SetForeColorNormal_2(OleColor c) {
    ShowColor(looks_[ButtonLook::Normal].fore2, labelDescricao_.color, c, L"ForeColorNormal_2");
}

void NSelection::SetForeColorHover_2(OleColor c) { Keep(looks_[ButtonLook::Hover].fore2, c, L"ForeColorHover_2"); }

void NSelection::SetForeColorDown_2(OleColor c) { Keep(looks_[ButtonLook::Down].fore2, c, L"ForeColorDown_2"); }

void NSelection::Ajustar_Botao() {
    // The hidden picture fixes the height; the container answers the request with a size change, which lays
    // the control out again before the steps below run with the final height.
    if (height_ != kImage1Height) {
        if (site_)
            site_->RequestSize(width_, kImage1Height);
        else
            Resize(width_, kImage1Height);
    }
    // The caption's bottom edge and the description's top edge both sit on the middle line.
    const double middle = height_ / 2.0;
    label1_.top = middle - label1_.height;
    label1_.left = kLabelLeft;
    labelDescricao_.top = middle;
    labelDescricao_.left = label1_.left;
    Redraw();
}

void NSelection::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    Raise(events_.Resize);
    Ajustar_Botao();
}

void NSelection::ApplyStateColors() {
    const LookColors colors = looks_[buttonState_];
    surfaceColor_ = colors.back;
    label1_.color = colors.fore;
    labelDescricao_.color = colors.fore2;
    Redraw();
}

NSelection::Source NSelection::HitTest(float x, float y, float* relX, float* relY) const {
    auto inside = [&](const Label& l) {
        return l.width > 0 && l.height > 0 && x >= l.left && x < l.left + l.width && y >= l.top && y < l.top + l.height;
    };
    if (inside(label1_)) {
        *relX = static_cast<float>(x - label1_.left);
        *relY = static_cast<float>(y - label1_.top);
        return Source::Caption;
    }
    if (inside(labelDescricao_)) {
        *relX = static_cast<float>(x - labelDescricao_.left);
        *relY = static_cast<float>(y - labelDescricao_.top);
        return Source::Description;
    }
    *relX = x;
    *relY = y;
    return Source::Surface;
}

void NSelection::RelativeTo(Source source, float x, float y, float* relX, float* relY) const {
    const Label* label = source == Source::Caption       ? &label1_
                         : source == Source::Description ? &labelDescricao_
                                                         : nullptr;
    *relX = label ? static_cast<float>(x - label->left) : x;
    *relY = label ? static_cast<float>(y - label->top) : y;
}

NSelection::Source NSelection::Locate(float x, float y, float* relX, float* relY) const {
    const float x96 = plat::Unscale(x, dpi_), y96 = plat::Unscale(y, dpi_);
    // While a button is held the element that took the press keeps the pointer, as N_Shape's elements do.
    if (tracker_.HeldButtons() == 0) return HitTest(x96, y96, relX, relY);
    RelativeTo(pressSource_, x96, y96, relX, relY);
    return pressSource_;
}

void NSelection::NotePress(std::int16_t button, float* x, float* y) {
    // The pointer stays with the control between a press and its release.
    const bool first = tracker_.HeldButtons() == 0;
    if (first)
        pressSource_ = HitTest(plat::Unscale(*x, dpi_), plat::Unscale(*y, dpi_), x, y);
    else
        Locate(*x, *y, x, y);
    tracker_.Pressed(button);
}

void NSelection::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    NotePress(button, &x, &y);
    Raise(events_.MouseDown, button, shift, x, y);
    if (button == 1) {
        buttonState_ = ButtonLook::Down;
        ApplyStateColors();
    }
}

void NSelection::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    Locate(x, y, &x, &y);
    Raise(events_.MouseMove, button, shift, x, y);
    if (button >= 2) return;  // another button than the left one takes part: the look stays
    const PointerTracker::Move move = tracker_.MoveSeen(button);
    if (move == PointerTracker::Move::Entered && events_.MouseEnter) events_.MouseEnter();
    if (const auto look = PointerTracker::LookAfter(move)) {
        buttonState_ = *look;
        ApplyStateColors();
    }
}

void NSelection::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    Locate(x, y, &x, &y);
    tracker_.Released(button);
    Raise(events_.MouseUp, button, shift, x, y);
    buttonState_ = tracker_.RestingLook();
    RaiseClick();
    ApplyStateColors();
    tracker_.EndPressCapture();
}

void NSelection::RaiseClick() {
    Raise(events_.Click);
}

void NSelection::ClickNotified() {}

void NSelection::DblClick(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
    NotePress(button, &x, &y);
    Raise(events_.DblClick);
}

void NSelection::KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) {
    if (const wchar_t* focusKeys = FocusKeysFor(keyCode)) {
        if (services_.keys) services_.keys->Send(focusKeys);
    } else if (keyCode == keys::kReturn) {
        ClickNotified();
    }
    // The handler gets its own copies: the press follows the key that went down, whatever the handler made of it.
    std::int16_t code = keyCode, mods = shift;
    Raise(events_.KeyDown, code, mods);
    // Space presses the entry as a left press does; a held Space repeats KeyDown, not the press.
    if (enabled_ && space_.Down(keyCode, systemKey)) {
        buttonState_ = ButtonLook::Down;
        ApplyStateColors();
    }
}

void NSelection::KeyPress(std::int16_t keyAscii) {
    Raise(events_.KeyPress, keyAscii);
}

void NSelection::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    std::int16_t code = keyCode, mods = shift;
    Raise(events_.KeyUp, code, mods);
    Redraw();
    // Releasing Space clicks as a left release does, then shows the look the pointer calls for.
    if (space_.Up(keyCode)) {
        buttonState_ = tracker_.RestingLook();
        RaiseClick();
        ApplyStateColors();
    }
}

void NSelection::LostFocus() { CancelSpacePress(); }

void NSelection::CancelSpacePress() { EndPress(space_.Cancel()); }

void NSelection::CaptureLost() { EndPress(tracker_.CaptureLost()); }

void NSelection::EndPress(bool pressed) {
    if (!pressed) return;
    buttonState_ = tracker_.RestingLook();
    ApplyStateColors();
}

void NSelection::TimerTick(unsigned timerId) {
    if (!tracker_.TickSeesLeave(timerId)) return;
    tracker_.StopPoll();
    Raise(events_.MouseLeave);
    buttonState_ = ButtonLook::Normal;
    ApplyStateColors();
}

}  // namespace kit
