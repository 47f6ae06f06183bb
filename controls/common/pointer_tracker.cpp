// The kit's pointer tracker: over-tests, the leave poll, press and hover capture.
#include "controls/common/pointer_tracker.h"

#include <utility>

#include "controls/common/control_events.h"

namespace kit {

PointerTracker::PointerTracker(const plat::Services& services, TrackerParams params)
    : services_(services), params_(std::move(params)) {}

bool PointerTracker::IsOver() const {
    plat::Pointer* pointer = services_.pointer;
    if (params_.over == OverTest::OwnWindow) {
        if (!pointer || !window_) return false;
        return pointer->WindowFromPoint(pointer->CursorPos()) == window_;
    }
    // Without a pointer to ask the client-area test cannot see the pointer leave.
    if (!pointer || !window_) return true;
    const plat::Point p = pointer->ScreenToClient(window_, pointer->CursorPos());
    const plat::Size size = params_.clientSize ? params_.clientSize() : plat::Size{};
    return p.x >= 0 && p.y >= 0 && p.x <= size.cx && p.y <= size.cy;
}

PointerTracker::Move PointerTracker::MoveSeen(std::int16_t button) {
    if (!IsOver()) {
        entered_ = false;
        return Move::Outside;
    }
    if (button == 0 && !entered_) {
        StartPoll();
        entered_ = true;
        return Move::Entered;
    }
    if (button == buttons::kLeft) {
        entered_ = false;
        return Move::Dragged;
    }
    return Move::Inside;
}

std::optional<ButtonLook> PointerTracker::LookAfter(Move move) {
    if (move == Move::Inside) return std::nullopt;
    if (move == Move::Entered) return ButtonLook::Hover;
    return move == Move::Dragged ? ButtonLook::Down : ButtonLook::Normal;
}

void PointerTracker::StartPoll() {
    if (services_.timers && window_) services_.timers->Start(window_, params_.timerId, params_.periodMs);
    polling_ = true;
}

void PointerTracker::StopPoll() {
    if (services_.timers && window_) services_.timers->Stop(window_, params_.timerId);
    polling_ = false;
    entered_ = false;
}

bool PointerTracker::TickSeesLeave(unsigned timerId) const {
    return timerId == params_.timerId && polling_ && !IsOver();
}

bool PointerTracker::Pressed(std::int16_t button) {
    const bool first = held_ == 0;
    held_ = static_cast<std::int16_t>(held_ | button);
    if (!first) return false;
    plat::Pointer* pointer = services_.pointer;
    tookPressCapture_ = false;
    if (pointer && window_ && pointer->Capture() != window_) {
        pointer->SetCapture(window_);
        tookPressCapture_ = true;
    }
    return true;
}

void PointerTracker::Released(std::int16_t button) { held_ = static_cast<std::int16_t>(held_ & ~button); }

void PointerTracker::EndPressCapture() {
    if (held_ != 0) return;
    plat::Pointer* pointer = services_.pointer;
    if (tookPressCapture_ && pointer && pointer->Capture() == window_) GiveBackCapture();
    tookPressCapture_ = false;
    hoverGivenUp_ = false;
}

bool PointerTracker::EndPress() {
    const bool held = held_ != 0;
    held_ = 0;
    EndPressCapture();
    return held;
}

bool PointerTracker::CaptureLost() {
    if (releasing_) return false;
    // The capture is another window's now: nothing of it is the press's to give back.
    tookPressCapture_ = false;
    hoverGivenUp_ = false;
    const bool held = held_ != 0;
    held_ = 0;
    return held;
}

void PointerTracker::GiveBackCapture() {
    // Giving the capture back tells the window it lost it; that loss must not end anything.
    releasing_ = true;
    services_.pointer->ReleaseCapture();
    releasing_ = false;
}

PointerTracker::Hover PointerTracker::HoverAt(plat::Point client) const {
    plat::Pointer* pointer = services_.pointer;
    if (!pointer) return Hover::Kept;
    // A press holds the capture the hover logic gave up: only the way back over the control takes it again.
    const bool givenUp = held_ && hoverGivenUp_;
    if (!givenUp && (pointer->Capture() != window_ || !window_)) return Hover::Free;
    const bool over = pointer->WindowFromPoint(pointer->ClientToScreen(window_, client)) == window_;
    if (givenUp) return over ? Hover::Free : Hover::Kept;
    return over ? Hover::Kept : Hover::Outside;
}

void PointerTracker::TakeHover() {
    if (!services_.pointer) return;
    services_.pointer->SetCapture(window_);
    // Back over the control during a press: the capture is the hover logic's again and outlasts the release.
    if (hoverGivenUp_) tookPressCapture_ = hoverGivenUp_ = false;
}

void PointerTracker::ReleaseHover() {
    if (!services_.pointer) return;
    if (held_ == 0) return GiveBackCapture();
    // A press keeps the pointer until its release, so that the release still reaches the control and clicks: the
    // capture becomes the press's, given back with it, and the hover logic rests until then.
    tookPressCapture_ = true;
    hoverGivenUp_ = true;
}

}  // namespace kit
