// Check button CheckButton: creation, the box looks, properties and layout.
#include "controls/checkbutton/check_button.h"

#include <cmath>

namespace kit {
namespace {

// VB-style integer division of a rounded value: round half to even, then divide truncating toward zero.
int RoundThenHalve(double value) { return static_cast<int>(std::nearbyint(value)) / 2; }

}  // namespace

CheckButton::CheckButton(const plat::Services& services, Events events)
    : Stored(services, std::move(events)), tracker_(services_, PollParams()) {}

TrackerParams CheckButton::PollParams() {
    TrackerParams params;
    params.timerId = kTimer1;
    params.periodMs = kTimer1PeriodMs;
    // The pointer is over the control anywhere in its client area, the right and bottom edges included.
    params.over = OverTest::ClientArea;
    params.clientSize = [this] {
        const plat::Point corner = ClientPixel(width_, height_);
        return plat::Size{corner.x, corner.y};
    };
    return params;
}

void CheckButton::Attached(plat::WindowId window) {
    tracker_.SetWindow(window);
    MeasureCaption();
    RefreshPicture();
    Layout();
    // The poll runs from creation: its first tick with the pointer elsewhere reports MouseOut once.
    tracker_.StartPoll();
}

void CheckButton::ShowLook(ButtonLook look) {
    // Values outside 0 to 2 have no image: the box keeps what it showed.
    if (value_ < 0 || value_ >= kBoxValues) return;
    shownImage_ = BoxImageIndex(value_, look);
    Redraw();
}

void CheckButton::RefreshPicture() {
    if (enabled_)
        ShowLook(ButtonLook::Normal);
    else
        ShowLook(ButtonLook::Disabled);
}

void CheckButton::MeasureCaption() {
    const plat::SizeF s = Measure(caption_, SpecOf(font_));
    captionWidth_ = s.cx;
    captionHeight_ = s.cy;
}

void CheckButton::Layout() {
    boxTop_ = RoundThenHalve(static_cast<double>(height_) - kBoxTwips);
    captionTop_ = RoundThenHalve(static_cast<double>(height_) - captionHeight_);
    Redraw();
}

void CheckButton::EnabledChanged() {
    const bool enabled = Enabled();
    // A press the control cannot finish ends here; the picture below is the one a disabled control shows.
    if (!enabled) tracker_.EndPress();
    site_->SetInputEnabled(enabled);
    RefreshPicture();
    captionColor_ = enabled ? foreColor_ : kDisabledCaption;
    Redraw();
}

void CheckButton::SetValue(std::int32_t value) {
    value_ = value;
    RefreshPicture();
    Notify(L"Value");
}

void CheckButton::SetCaption(const std::wstring& text) {
    caption_ = text;
    MeasureCaption();
    Layout();
    Notify(L"Caption");
}

void CheckButton::SetFont(const kit::Font& font) {
    font_ = font;
    MeasureCaption();
    Layout();
    Notify(L"Font");
}

void CheckButton::SetBackColor(OleColor c) {
    backColor_ = c;
    Notify(L"BackColor");
    surfaceColor_ = c;
    Redraw();
}

void CheckButton::SetForeColor(OleColor c) {
    foreColor_ = c;
    Notify(L"ForeColor");
    captionColor_ = enabled_ ? c : kDisabledCaption;
    Redraw();
}

void CheckButton::Resize(int widthTwips, int heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
    Layout();
}

void CheckButton::Paint(plat::Canvas& canvas) {
    canvas.Fill(canvas.Area(), {plat::Role::Surface, surfaceColor_});
    // In high contrast the parts take system colours; the box images stay as they are.
    if (shownImage_ >= 0 && shownImage_ < kBoxImageCount) {
        const BoxImage& image = CheckBoxImages()[static_cast<std::size_t>(shownImage_)];
        canvas.Pixels(image.pixels.data(), BoxImage::kSide, BoxImage::kSide, 0, boxTop_);
    }
    const plat::FontSpec font = SpecOf(font_);
    const double top = captionTop_;
    canvas.Text({kCaptionLeft, top, captionWidth_, captionHeight_}, caption_, font, CaptionInk(captionColor_),
                plat::TextAlign::Left, plat::TextFlow::Line);
    if (!canvas.FocusShown()) return;
    // The cue frames the caption as drawn, two pixels wider on each side at 96 dpi.
    const plat::SizeF drawn = canvas.MeasureText(caption_, font);
    canvas.FocusCue(
        {kCaptionLeft, top, drawn.cx > 0 ? drawn.cx : kEmptyCueWidth, drawn.cy > 0 ? drawn.cy : captionHeight_},
        -kCueMargin, 0);
}

// Screen readers: CheckButton reads as a three-state check box; its default action advances Value as a click does.

AccessibleInfo CheckButton::Describe(bool focused) const {
    const std::int32_t value = Value();
    const unsigned mark = value == kChecked ? accstate::kChecked : value == kIndeterminate ? accstate::kMixed : 0u;
    return Info(AccRole::CheckBox, Caption(), value == kChecked ? kActionUncheck : kActionCheck,
                ControlStates(Enabled(), focused) | mark);
}

bool CheckButton::DoDefaultAction() {
    if (Enabled()) Click();
    return Enabled();
}

}  // namespace kit
