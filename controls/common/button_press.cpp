// The press of the kit's buttons, on the pointer tracker.
#include "controls/common/button_press.h"

#include <utility>

#include "platform/units.h"

namespace kit {

ButtonPress::ButtonPress(ButtonModel& model, PressingControl& control, TrackerParams tracking, bool readsButtonBack,
                         int width, int height)
    : model_(model),
      control_(control),
      tracker_(model.services(), std::move(tracking)),
      readsButtonBack_(readsButtonBack),
      width_(width),
      height_(height) {}

void ButtonPress::Resize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Raise(model_.events().Resize);
    control_.LayOut();
}

int ButtonPress::Locate(float* x, float* y) const {
    *x = plat::Unscale(*x, model_.dpi());
    *y = plat::Unscale(*y, model_.dpi());
    const int element = tracker_.HeldButtons() ? pressElement_ : control_.ElementAt(*x, *y);
    control_.RelativeTo(element, x, y);
    return element;
}

void ButtonPress::RaisePointer(const PointerEvent& handler, std::int16_t* button, std::int16_t shift, float x,
                               float y) {
    std::int16_t copy = *button;
    Raise(handler, readsButtonBack_ ? *button : copy, shift, x, y);
}

void ButtonPress::Show(ButtonLook look) {
    look_ = look;
    control_.ShowLook();
}

void ButtonPress::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    // The first button of a press series notes the element it began on; the pointer stays with the control until
    // the last release.
    if (tracker_.HeldButtons() == 0)
        pressElement_ = control_.ElementAt(plat::Unscale(x, model_.dpi()), plat::Unscale(y, model_.dpi()));
    tracker_.Pressed(button);
    const int element = Locate(&x, &y);
    control_.PressedOn(element);
    RaisePointer(model_.events().MouseDown, &button, shift, x, y);
    // A handler may have ended the press (a disable, a box that took the pointer), as the Space path checks.
    if (control_.LookFollows(element) && button == buttons::kLeft && tracker_.HeldButtons()) Show(ButtonLook::Down);
}

void ButtonPress::MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) {
    const plat::Point client{plat::RoundPixel(x), plat::RoundPixel(y)};
    const int element = Locate(&x, &y);
    RaisePointer(model_.events().MouseMove, &buttons, shift, x, y);
    // Another button than the left one takes part: the look stays.
    if (control_.LookFollows(element) && buttons::NoneOrLeftAlone(buttons)) {
        const PointerTracker::Move move = tracker_.MoveSeen(buttons);
        if (move == PointerTracker::Move::Entered) Raise(model_.events().MouseEnter);
        if (const auto look = PointerTracker::LookAfter(move)) Show(*look);
    }
    if (buttons != buttons::kLeft) control_.HoverMove(element, client);
}

void ButtonPress::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    const int element = Locate(&x, &y);
    tracker_.Released(button);
    control_.ReleasedOn(element);
    RaisePointer(model_.events().MouseUp, &button, shift, x, y);
    if (control_.LookFollows(element)) {
        // The new look shows only after Click returns: the pressed look stays while the container's handler runs.
        look_ = tracker_.RestingLook();
        Raise(model_.events().Click);
        control_.ShowLook();
    } else {
        Raise(model_.events().Click);
    }
    tracker_.EndPressCapture();
}

void ButtonPress::DblClick(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
    // The second press of a double-click raises DblClick instead of MouseDown; its release follows as usual.
    if (tracker_.HeldButtons() == 0)
        pressElement_ = control_.ElementAt(plat::Unscale(x, model_.dpi()), plat::Unscale(y, model_.dpi()));
    tracker_.Pressed(button);
    Raise(model_.events().DblClick);
}

void ButtonPress::KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) {
    if (plat::KeySender* keys = model_.services().keys)
        if (const wchar_t* focusKeys = FocusKeysFor(keyCode)) keys->Send(focusKeys);
    // The handler gets its own copies: the press follows the key that went down, whatever the handler made of it.
    std::int16_t code = keyCode, mods = shift;
    const unsigned focusLosses = focusLosses_;
    Raise(model_.events().KeyDown, code, mods);
    // Space presses as a left press does, once however long the key repeats. Alt+Space opens the system menu,
    // whose loop takes the key's release: it presses nothing.
    // A handler may have disabled the control, or moved the focus away, so that the release goes elsewhere.
    if (keyCode != keys::kSpace || systemKey || spaceHeld_ || !model_.Enabled() || focusLosses != focusLosses_) return;
    spaceHeld_ = true;
    control_.SpacePressed();
    Show(ButtonLook::Down);
}

void ButtonPress::KeyPress(std::int16_t keyAscii) { Raise(model_.events().KeyPress, keyAscii); }

void ButtonPress::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    std::int16_t code = keyCode, mods = shift;
    Raise(model_.events().KeyUp, code, mods);
    control_.KeyReleased();
    // Releasing Space clicks as a left release does: the pressed look stays on screen while Click runs.
    if (keyCode != keys::kSpace || !spaceHeld_) return;
    spaceHeld_ = false;
    look_ = tracker_.RestingLook();
    Raise(model_.events().Click);
    control_.ShowLook();
}

void ButtonPress::TimerTick(unsigned timerId) {
    if (!tracker_.TickSeesLeave(timerId)) return;
    tracker_.StopPoll();
    Raise(model_.events().MouseLeave);
    Show(ButtonLook::Normal);
}

void ButtonPress::End(bool pressed) {
    if (pressed) Show(tracker_.RestingLook());
}

void ButtonPress::LostFocus() {
    ++focusLosses_;
    End(std::exchange(spaceHeld_, false));
}

void ButtonPress::CaptureLost() { End(tracker_.CaptureLost()); }

void ButtonPress::EnableInput(bool enabled) {
    if (!enabled) {
        const bool pointer = tracker_.EndPress();
        End(std::exchange(spaceHeld_, false) || pointer);
    }
    if (ControlSite* site = model_.site()) site->SetInputEnabled(enabled);
}

}  // namespace kit
