// The press as the kit's buttons (N_Shape, N_Selection) take it, written once beside the pointer tracker: the
// pointer's press, moves while held, release and Click, entering and the leave poll, Space down, up and cancel,
// and the end of a press whose release never comes (a disable, a capture another window took). What the two
// buttons do differently (N_Shape's pictures and hover capture, which element a point reports to, whether the
// control reads Button back after raising) is the control's side, PressingControl.
#pragma once

#include <cstdint>

#include "controls/common/control_events.h"
#include "controls/common/control_model.h"
#include "controls/common/control_site.h"
#include "controls/common/look.h"
#include "controls/common/pointer_tracker.h"
#include "platform/platform.h"

namespace kit {

// The events a button raises to its container, in their declared order. Unset handlers are skipped.
struct ButtonEvents {
    PlainEvent Click;
    PlainEvent DblClick;
    PointerEvent MouseMove;
    PointerEvent MouseUp;
    PointerEvent MouseDown;
    PlainEvent MouseEnter;
    PlainEvent MouseLeave;
    PlainEvent MouseOver;  // declared for containers that bind it; never raised
    PlainEvent MouseOut;
    PlainEvent Resize;
    KeyAsciiEvent KeyPress;
    KeyEvent KeyDown;
    KeyEvent KeyUp;
    PropertyEvent PropertyChanged;
};

// What a button model is besides its press: its services, handlers, site, scale and enabled flag.
using ButtonModel = ControlModel<ButtonEvents, plat::SizeUnit::Pixels96>;

// The control's side of a press. Elements are the control's own numbering (0 the surface).
class PressingControl {
public:
    // The element under a point of the control (96-dpi pixels).
    virtual int ElementAt(float x96, float y96) const = 0;
    // A point of the control (96-dpi pixels) relative to an element.
    virtual void RelativeTo(int element, float* x96, float* y96) const = 0;
    // Whether the look follows the pointer on an element (N_Shape's picture leaves it alone).
    virtual bool LookFollows(int /*element*/) const { return true; }
    // The look changed: show it.
    virtual void ShowLook() = 0;
    // A press began on an element, or a Space press: before MouseDown, or before the pressed look.
    virtual void PressedOn(int /*element*/) {}
    virtual void SpacePressed() {}
    // A release on an element, before MouseUp.
    virtual void ReleasedOn(int /*element*/) {}
    // A move without the left button alone, after the look: the hover capture of a control that holds one;
    // `client` is the move's point in the window's pixels.
    virtual void HoverMove(int /*element*/, plat::Point /*client*/) {}
    // A key went up, after KeyUp: the control repaints.
    virtual void KeyReleased() = 0;
    // The size changed, after Resize: the control lays itself out.
    virtual void LayOut() = 0;

protected:
    ~PressingControl() = default;
};

// The press of a button model: a member of the model, built after the model's base and elements it refers to.
class ButtonPress {
public:
    // `readsButtonBack`: the control examines Button after raising a pointer event, so a handler that changes it
    // changes the control's reaction; otherwise handlers get copies.
    ButtonPress(ButtonModel& model, PressingControl& control, TrackerParams tracking, bool readsButtonBack, int width,
                int height);

    ButtonPress(const ButtonPress&) = delete;
    ButtonPress& operator=(const ButtonPress&) = delete;

    // Input; positions are the window's client pixels at its DPI. `buttons` of a move is the mask of held
    // buttons; `button` of a press or release the one button.
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    // The second press of a double-click: only DblClick; its release still raises MouseUp and Click.
    void DblClick(std::int16_t button, std::int16_t shift, float x, float y);
    // The arrows move the focus before KeyDown; only a plain Space (not a system key: Alt held or F10) presses.
    void KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey = false);
    void KeyPress(std::int16_t keyAscii);
    void KeyUp(std::int16_t keyCode, std::int16_t shift);
    void TimerTick(unsigned timerId);

    // A press whose release will not come ends: no Click, the look the pointer calls for, the next press fresh.
    void LostFocus();    // a Space press
    void CaptureLost();  // a pointer press
    // The model was disabled: a press ends without a click; the site stops or resumes the window's input.
    void EnableInput(bool enabled);

    // The window's size changed (96-dpi pixels): Resize, then the control's layout, when it differs from the last.
    void Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The look the press leaves, whether the pointer entered.
    ButtonLook ButtonState() const { return look_; }
    bool EnterRaised() const { return tracker_.Entered(); }
    PointerTracker& tracker() { return tracker_; }
    const PointerTracker& tracker() const { return tracker_; }

private:
    // The element a point reports to (the one that took a press still held, else the one under it) and the point
    // relative to it, in 96-dpi pixels.
    int Locate(float* x, float* y) const;
    void RaisePointer(const PointerEvent& handler, std::int16_t* button, std::int16_t shift, float x, float y);
    void Show(ButtonLook look);
    void End(bool pressed);

    ButtonModel& model_;
    PressingControl& control_;
    PointerTracker tracker_;
    const bool readsButtonBack_;
    int width_, height_;
    ButtonLook look_ = ButtonLook::Normal;
    int pressElement_ = 0;  // the element that took the first held button
    bool spaceHeld_ = false;
    unsigned focusLosses_ = 0;  // counted, so that a key press can tell whether its handler moved the focus away
};

// The input a button model takes, handed to its press (the model's member `press_`).
template <typename Model>
class PressInput {
public:
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
        press().MouseDown(button, shift, x, y);
    }
    void MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) {
        press().MouseMove(buttons, shift, x, y);
    }
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) { press().MouseUp(button, shift, x, y); }
    void DblClick(std::int16_t button, std::int16_t shift, float x, float y) { press().DblClick(button, shift, x, y); }
    void KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey = false) {
        press().KeyDown(keyCode, shift, systemKey);
    }
    void KeyPress(std::int16_t keyAscii) { press().KeyPress(keyAscii); }
    void KeyUp(std::int16_t keyCode, std::int16_t shift) { press().KeyUp(keyCode, shift); }
    void TimerTick(unsigned timerId) { press().TimerTick(timerId); }
    void CaptureLost() { press().CaptureLost(); }
    void Resize(int width, int height) { press().Resize(width, height); }
    int Width() const { return press().Width(); }
    int Height() const { return press().Height(); }
    ButtonLook ButtonState() const { return press().ButtonState(); }
    bool EnterRaised() const { return press().EnterRaised(); }

protected:
    ~PressInput() = default;

private:
    ButtonPress& press() { return static_cast<Model&>(*this).press_; }
    const ButtonPress& press() const { return static_cast<const Model&>(*this).press_; }
};

}  // namespace kit
