// The press of the kit's buttons, on the pointer tracker.
#include "controls/common/button_press.h"

#include <utility>

#include "platform/units.h"

namespace kit {

ButtonModel::ButtonModel(const plat::Services& services, ButtonEvents events, TrackerParams tracking,
                         bool readsButtonBack)
    : ControlModel(services, std::move(events)),
      tracker_(services_, std::move(tracking)),
      readsButtonBack_(readsButtonBack) {}

void ButtonModel::Resize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Raise(events_.Resize);
    LayOut();
}

int ButtonModel::Locate(float* x, float* y) const {
    const int element = tracker_.HeldButtons() ? pressElement_ : ElementAt(*x, *y);
    RelativeTo(element, x, y);
    return element;
}

void ButtonModel::RaisePointer(const PointerEvent& handler, std::int16_t* button, std::int16_t shift, float x,
                               float y) {
    std::int16_t copy = *button;
    Raise(handler, readsButtonBack_ ? *button : copy, shift, x, y);
}

void ButtonModel::Show(ButtonLook look) {
    look_ = look;
    ShowLook();
}

void ButtonModel::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    // Any press takes the focus first, as a click on a Windows button does.
    site_->TakeFocus();
    // The first button of a press series notes the element it began on; the pointer stays with the control until
    // the last release.
    if (tracker_.HeldButtons() == 0) pressElement_ = ElementAt(x, y);
    tracker_.Pressed(button);
    const int element = Locate(&x, &y);
    PressedOn(element);
    RaisePointer(events_.MouseDown, &button, shift, x, y);
    // A handler may have ended the press (a disable, a box that took the pointer), as the Space path checks.
    if (LookFollows(element) && button == buttons::kLeft && tracker_.HeldButtons()) Show(ButtonLook::Down);
}

void ButtonModel::MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) {
    const float atX = x, atY = y;
    const int element = Locate(&x, &y);
    RaisePointer(events_.MouseMove, &buttons, shift, x, y);
    // Another button than the left one takes part: the look stays.
    if (LookFollows(element) && buttons::NoneOrLeftAlone(buttons)) {
        const PointerTracker::Move move = tracker_.MoveSeen(buttons);
        if (move == PointerTracker::Move::Entered) Raise(events_.MouseEnter);
        if (const auto look = PointerTracker::LookAfter(move)) Show(*look);
    }
    if (buttons != buttons::kLeft) HoverMove(element, atX, atY);
}

void ButtonModel::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    const int element = Locate(&x, &y);
    tracker_.Released(button);
    ReleasedOn(element);
    RaisePointer(events_.MouseUp, &button, shift, x, y);
    if (LookFollows(element)) {
        // The new look shows only after Click returns: the pressed look stays while the container's handler runs.
        look_ = tracker_.RestingLook();
        Raise(events_.Click);
        ShowLook();
    } else {
        Raise(events_.Click);
    }
    tracker_.EndPressCapture();
}

void ButtonModel::DblClick(std::int16_t button, std::int16_t /*shift*/, float x, float y) {
    // The second press of a double-click raises DblClick instead of MouseDown; its release follows as usual.
    site_->TakeFocus();
    if (tracker_.HeldButtons() == 0) pressElement_ = ElementAt(x, y);
    tracker_.Pressed(button);
    Raise(events_.DblClick);
}

void ButtonModel::KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) {
    if (plat::KeySender* keys = services_.keys)
        if (const wchar_t* focusKeys = FocusKeysFor(keyCode)) keys->Send(focusKeys);
    // The handler gets its own copies: the press follows the key that went down, whatever the handler made of it.
    std::int16_t code = keyCode, mods = shift;
    const unsigned focusLosses = focusLosses_;
    Raise(events_.KeyDown, code, mods);
    // Space presses as a left press does, once however long the key repeats. Alt+Space opens the system menu,
    // whose loop takes the key's release: it presses nothing.
    // A handler may have disabled the control, or moved the focus away, so that the release goes elsewhere.
    if (keyCode != keys::kSpace || systemKey || spaceHeld_ || !Enabled() || focusLosses != focusLosses_) return;
    spaceHeld_ = true;
    SpacePressed();
    Show(ButtonLook::Down);
}

std::int16_t ButtonModel::KeyPress(std::int16_t keyAscii) {
    Raise(events_.KeyPress, keyAscii);
    return keyAscii;
}

void ButtonModel::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    std::int16_t code = keyCode, mods = shift;
    Raise(events_.KeyUp, code, mods);
    KeyReleased();
    // Releasing Space clicks as a left release does: the pressed look stays on screen while Click runs.
    if (keyCode != keys::kSpace || !spaceHeld_) return;
    spaceHeld_ = false;
    look_ = tracker_.RestingLook();
    Raise(events_.Click);
    ShowLook();
}

void ButtonModel::TimerTick(unsigned timerId) {
    if (!tracker_.TickSeesLeave(timerId)) return;
    tracker_.StopPoll();
    Raise(events_.MouseLeave);
    Show(ButtonLook::Normal);
}

void ButtonModel::End(bool pressed) {
    if (pressed) Show(tracker_.RestingLook());
}

void ButtonModel::LostFocus() {
    ++focusLosses_;
    End(std::exchange(spaceHeld_, false));
}

void ButtonModel::CaptureLost() { End(tracker_.CaptureLost()); }

void ButtonModel::EnabledChanged() {
    const bool enabled = Enabled();
    if (!enabled) {
        const bool pointer = tracker_.EndPress();
        End(std::exchange(spaceHeld_, false) || pointer);
    }
    site_->SetInputEnabled(enabled);
    Notify(L"Enabled");
}

}  // namespace kit
