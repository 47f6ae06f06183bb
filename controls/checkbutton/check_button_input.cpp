// Check button CheckButton: pointer looks and event positions, clicks, keys and the leave poll.
#include "controls/checkbutton/check_button.h"

#include <utility>

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
    return tracker_.HeldButtons() != 0 ? pressPart_ : HitTest(x, y);
}

void CheckButton::Relative(Source part, float* x, float* y) const {
    if (part == Source::Picture) {
        *y -= static_cast<float>(boxTop_);
    } else if (part == Source::Caption) {
        *x -= static_cast<float>(kCaptionLeft);
        *y -= static_cast<float>(captionTop_);
    }
}

bool CheckButton::OnClient(float x, float y) const {
    // Judged in the window's pixels, as the system judges where a release lands.
    const plat::Point p = ClientPixel(x, y), corner = ClientPixel(width_, height_);
    return p.x >= 0 && p.y >= 0 && p.x < corner.x && p.y < corner.y;
}

void CheckButton::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (button == buttons::kLeft) {
        // A left press takes the focus first, as on a Windows check box.
        site_->TakeFocus();
        clickPending_ = true;
    }
    const Source part = PartFor(x, y);
    if (tracker_.Pressed(button)) pressPart_ = part;
    Relative(part, &x, &y);
    if (enabled_) ShowLook(ButtonLook::Down);
    Raise(events_.MouseDown, button, shift, x, y);
}

void CheckButton::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    // The system repeats the last move when the capture ends or windows change under the pointer; only a real
    // move may bring back the hover image after a click.
    if (lastMove_ && lastMove_->x == x && lastMove_->y == y && lastMove_->buttons == button) return;
    lastMove_ = LastMove{x, y, button};
    // Every move starts the poll; one already running keeps its rhythm (starting its timer again would put the
    // next tick off by a whole period at each move, so a pointer that keeps moving would never be polled).
    if (!tracker_.Polling()) tracker_.StartPoll();
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
    // The handler gets the arguments by reference, but what it makes of Button does not change the look.
    std::int16_t raised = button;
    Raise(events_.MouseMove, raised, shift, x, y);
    if (enabled_) ShowLook(button == buttons::kLeft ? ButtonLook::Down : ButtonLook::Hover);
}

void CheckButton::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    // A left press and release on the control make a click, judged before the capture goes (losing it cancels a
    // click still to come).
    const bool click = button == buttons::kLeft && std::exchange(clickPending_, false) && OnClient(x, y);
    const float restX = x, restY = y;
    const Source part = PartFor(x, y);
    tracker_.Released(button);
    // The system's move after a release (the capture ends) comes where the pointer rests, with the buttons still
    // held; it is no move, however the buttons changed during the press.
    lastMove_ = LastMove{restX, restY, static_cast<std::int16_t>(tracker_.HeldButtons())};
    tracker_.EndPressCapture();
    Relative(part, &x, &y);
    Raise(events_.MouseUp, button, shift, x, y);
    if (click) Click();
}

void CheckButton::DblClick(std::int16_t button, std::int16_t shift, float x, float y) {
    // Only the left button's second press is a double-click's; it makes no click, so the value changes once.
    if (button != buttons::kLeft) return MouseDown(button, shift, x, y);
    clickPending_ = false;
    tracker_.Pressed(button);
}

void CheckButton::Click() {
    if (value_ == kChecked || value_ == kIndeterminate)
        SetValue(kUnchecked);
    else if (value_ == kUnchecked)
        SetValue(kChecked);
    RefreshPicture();
    Raise(events_.Click);
}

void CheckButton::CaptureLost() {
    clickPending_ = false;
    EndPress(tracker_.CaptureLost());
}

void CheckButton::EndPress(bool pressed) {
    if (!pressed) return;
    if (enabled_)
        ShowLook(tracker_.RestingLook());
    else
        ShowLook(ButtonLook::Disabled);
}

void CheckButton::KeyDown(std::int16_t keyCode, std::int16_t shift, bool) { Raise(events_.KeyDown, keyCode, shift); }

std::int16_t CheckButton::KeyPress(std::int16_t keyAscii) {
    Raise(events_.KeyPress, keyAscii);
    return keyAscii;
}

void CheckButton::KeyUp(std::int16_t keyCode, std::int16_t shift) { Raise(events_.KeyUp, keyCode, shift); }

void CheckButton::TimerTick(unsigned timerId) {
    // The poll compares the pointer with the client area in pixels; positions and sizes stay in twips, so the
    // events after a tick report the same unit as before it. A tick already queued when the poll stopped
    // reports nothing.
    if (tracker_.TickSeesLeave(timerId)) {
        RefreshPicture();
        tracker_.StopPoll();
        Raise(events_.MouseOut);
    }
    // Once the poll has seen the pointer leave, a move back to the same point is a real move.
    if (!tracker_.Polling()) lastMove_.reset();
}

}  // namespace kit
