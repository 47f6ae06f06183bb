// Check button CheckButton: pointer looks and event positions, clicks, keys and the leave poll.
#include "controls/checkbutton/check_button.h"

#include <cmath>

namespace kit {

CheckButton::Source CheckButton::HitTest(float x, float y) const {
    if (x >= 0 && x < kBoxTwips && y >= boxTop_ && y < boxTop_ + kBoxTwips) return Source::Picture;
    if (captionWidth_ > 0 && x >= kCaptionLeft && x < kCaptionLeft + captionWidth_ && y >= captionTop_ &&
        y < captionTop_ + captionHeight_)
        return Source::Caption;
    return Source::Surface;
}

CheckButton::Source CheckButton::PartFor(float x, float y) const {
    // While a button is held the part that took the press keeps the pointer, as the platform's capture does.
    return buttonsDown_ != 0 ? pressPart_ : HitTest(x, y);
}

void CheckButton::Relative(Source part, float* x, float* y) const {
    if (part == Source::Picture) {
        *y -= static_cast<float>(boxTop_);
    } else if (part == Source::Caption) {
        *x -= static_cast<float>(kCaptionLeft);
        *y -= static_cast<float>(captionTop_);
    }
}

void CheckButton::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    const Source part = PartFor(x, y);
    if (buttonsDown_ == 0) pressPart_ = part;
    buttonsDown_ |= button;
    Relative(part, &x, &y);
    if (enabled_) ShowLook(kPressedLook);
    if (events_.MouseDown) events_.MouseDown(button, shift, x, y);
}

void CheckButton::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    StartTimer1();
    const Source part = PartFor(x, y);
    if (part == Source::Caption) {
        // The caption reports its own position in the control, not the pointer's.
        x = static_cast<float>(kCaptionLeft);
        y = static_cast<float>(captionTop_);
    } else {
        Relative(part, &x, &y);
    }
    // Outside these bounds the pointer is captured and has left the control while a button is held.
    if (x < 0 || x > width_ || y < 0 || y > height_) return;
    if (events_.MouseMove) events_.MouseMove(button, shift, x, y);
    if (enabled_) ShowLook(button == 1 ? kPressedLook : kHoverLook);
}

void CheckButton::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    const Source part = PartFor(x, y);
    buttonsDown_ &= ~button;
    Relative(part, &x, &y);
    if (events_.MouseUp) events_.MouseUp(button, shift, x, y);
}

void CheckButton::Click() {
    if (value_ == 1 || value_ == 2)
        SetValue(0);
    else if (value_ == 0)
        SetValue(1);
    RefreshPicture();
    if (events_.Click) events_.Click();
}

void CheckButton::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (events_.KeyDown) events_.KeyDown(keyCode, shift);
}

void CheckButton::KeyPress(std::int16_t keyAscii) {
    if (events_.KeyPress) events_.KeyPress(keyAscii);
}

void CheckButton::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (events_.KeyUp) events_.KeyUp(keyCode, shift);
}

void CheckButton::Timer1Tick() {
    // A tick already queued when the poll stopped must not raise MouseOut a second time.
    if (!timerRunning_ || !services_.pointer || !window_) return;
    const plat::Point p = services_.pointer->ScreenToClient(window_, services_.pointer->CursorPos());
    const long w = std::lround(width_ * static_cast<double>(dpi_) / 1440.0);
    const long h = std::lround(height_ * static_cast<double>(dpi_) / 1440.0);
    // The right and bottom edges count as inside.
    const bool outside = p.x < 0 || p.y < 0 || p.x > w || p.y > h;
    if (!outside) return;
    RefreshPicture();
    StopTimer1();
    if (events_.MouseOut) events_.MouseOut();
}

}  // namespace kit
