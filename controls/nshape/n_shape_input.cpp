// N_Shape's input: the pointer state machine on the kit's tracker, the keys, the focus border and the leave poll.
#include "controls/nshape/n_shape.h"

#include "platform/units.h"

namespace kit {
namespace {

bool InRect(const RectF& r, float x, float y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

}  // namespace

TrackerParams NShape::LeaveTracking() {
    TrackerParams params;
    params.timerId = kLeaveTimerId;
    params.periodMs = kLeavePeriodMs;
    params.over = OverTest::OwnWindow;
    params.hoverCapture = true;
    return params;
}

NShapeSource NShape::SourceAt(float x96, float y96) const {
    if (label_.visible && InRect(label_.box, x96, y96)) return NShapeSource::Caption;
    if (image_.visible && InRect(image_.box, x96, y96)) return NShapeSource::Picture;
    return NShapeSource::Surface;
}

NShape::PointerArgs NShape::ArgsFor(NShapeSource source, std::int16_t button, std::int16_t shift, float x96, float y96) const {
    PointerArgs a{button, shift, x96, y96};
    if (source == NShapeSource::Caption) {
        a.x = static_cast<float>(x96 - label_.box.left);
        a.y = static_cast<float>(y96 - label_.box.top);
    } else if (source == NShapeSource::Picture) {
        a.x = static_cast<float>(x96 - image_.box.left);
        a.y = static_cast<float>(y96 - image_.box.top);
    }
    return a;
}

void NShape::MoveLogic(NShapeSource source, const PointerArgs& args, plat::Point client) {
    const std::int16_t button = args.button;
    const bool picture = source == NShapeSource::Picture;
    RaisePointer(events_.MouseMove, args);

    if (!picture && button < 2) {
        const PointerTracker::Move move = tracker_.MoveSeen(button);
        if (move == PointerTracker::Move::Entered) Raise(events_.MouseEnter);
        if (const auto look = PointerTracker::LookAfter(move)) {
            state_ = *look;
            ApplyStateColors();
        }
    }

    if (button == 1) return;
    switch (tracker_.HoverAt(client)) {
        case PointerTracker::Hover::Outside:
            Refresh();
            tracker_.ReleaseHover();
            ShowPicture(pictureNormal_);
            if (!picture) mouseInside_ = false;
            Raise(events_.MouseOut);
            break;
        case PointerTracker::Hover::Free:
            tracker_.TakeHover();
            if (PictureHandle(image_.shown) != PictureHandle(pictureHover_)) {
                ShowPicture(pictureHover_);
                if (!picture) mouseInside_ = true;
            }
            break;
        case PointerTracker::Hover::Kept:
            break;
    }
}

void NShape::MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) {
    if (!enabled_) return;
    const float x96 = plat::Unscale(x, dpi_), y96 = plat::Unscale(y, dpi_);
    const NShapeSource source = tracker_.HeldButtons() ? pressSource_ : SourceAt(x96, y96);
    const PointerArgs args = ArgsFor(source, buttons, shift, x96, y96);
    MoveLogic(source, args, {RoundPixel(x), RoundPixel(y)});
}

void NShape::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!enabled_) return;
    const float x96 = plat::Unscale(x, dpi_), y96 = plat::Unscale(y, dpi_);
    if (tracker_.HeldButtons() == 0) pressSource_ = SourceAt(x96, y96);
    tracker_.Pressed(button);
    const NShapeSource source = pressSource_;
    const PointerArgs args = ArgsFor(source, button, shift, x96, y96);
    if (source == NShapeSource::Surface) ShowPicture(pictureDown_);
    RaisePointer(events_.MouseDown, args);
    if (source != NShapeSource::Picture && button == 1) {
        state_ = ButtonLook::Down;
        ApplyStateColors();
    }
}

void NShape::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!enabled_) return;
    const float x96 = plat::Unscale(x, dpi_), y96 = plat::Unscale(y, dpi_);
    const NShapeSource source = tracker_.HeldButtons() ? pressSource_ : SourceAt(x96, y96);
    tracker_.Released(button);
    const PointerArgs args = ArgsFor(source, button, shift, x96, y96);
    if (source == NShapeSource::Surface) ShowPicture(pictureHover_);
    RaisePointer(events_.MouseUp, args);
    if (source == NShapeSource::Picture) {
        Raise(events_.Click);
    } else {
        state_ = tracker_.RestingLook();
        Raise(events_.Click);
        ApplyStateColors();
    }
    tracker_.EndPressCapture();
}

void NShape::DblClick(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
    if (!enabled_) return;
    // The second press of a double-click raises DblClick instead of MouseDown; its release follows as usual.
    if (tracker_.HeldButtons() == 0) pressSource_ = SourceAt(plat::Unscale(x, dpi_), plat::Unscale(y, dpi_));
    tracker_.Pressed(button);
    Raise(events_.DblClick);
}

void NShape::KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) {
    if (!enabled_) return;
    if (services_.keys)
        if (const wchar_t* focusKeys = FocusKeysFor(keyCode)) services_.keys->Send(focusKeys);
    std::int16_t code = keyCode, mods = shift;
    Raise(events_.KeyDown, code, mods);
    // Space presses the button as a left press on its surface does; a held Space repeats KeyDown, not the press.
    if (enabled_ && space_.Down(keyCode, systemKey)) {
        ShowPicture(pictureDown_);
        state_ = ButtonLook::Down;
        ApplyStateColors();
    }
}

void NShape::KeyPress(std::int16_t keyAscii) {
    if (!enabled_) return;
    Raise(events_.KeyPress, keyAscii);
}

void NShape::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (!enabled_) return;
    std::int16_t code = keyCode, mods = shift;
    Raise(events_.KeyUp, code, mods);
    Refresh();
    // Releasing Space clicks as a left release does: the pressed look stays on screen while Click runs.
    if (space_.Up(keyCode)) {
        state_ = tracker_.RestingLook();
        Raise(events_.Click);
        ApplyStateColors();
    }
}

void NShape::CancelSpacePress() { EndPress(space_.Cancel()); }

void NShape::CaptureLost() { EndPress(tracker_.CaptureLost()); }

void NShape::EndPress(bool pressed) {
    if (!pressed) return;
    state_ = tracker_.RestingLook();
    ApplyStateColors();
}

void NShape::GotFocus() {
    if (!borderGotFocus_) return;
    shape_.border = borderCustom_;
    Changed();
}

void NShape::LostFocus() {
    // A Space press the focus leaves behind makes no click.
    CancelSpacePress();
    if (!borderGotFocus_) return;
    // Back to the border of the current look.
    shape_.border = looks_[state_].border;
    Changed();
}

void NShape::TimerTick(unsigned timerId) {
    if (!tracker_.TickSeesLeave(timerId)) return;
    tracker_.StopPoll();
    Raise(events_.MouseLeave);
    state_ = ButtonLook::Normal;
    ApplyStateColors();
}

}  // namespace kit
