// The press as the kit's buttons (N_Shape, N_Selection) take it, written once in their shared model on the pointer
// tracker: the pointer's press, moves while held, release and Click, entering and the leave poll, Space down, up
// and cancel, and the end of a press whose release never comes (a disable, a capture another window took). What
// the two buttons do differently (N_Shape's pictures and hover capture, which element a point reports to, whether
// the control reads Button back after raising) is each button's side: the hooks of ButtonModel.
#pragma once

#include <cstdint>
#include <utility>

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

// What the kit's buttons share: the control's input taken by the press, their size in 96-dpi pixels, their look and
// the colours of the hover and pressed looks.
class ButtonModel : public ControlModel<ButtonEvents, plat::SizeUnit::Pixels96> {
public:
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) final;
    void MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) final;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) final;
    // The second press of a double-click: only DblClick; its release still raises MouseUp and Click.
    void DblClick(std::int16_t button, std::int16_t shift, float x, float y) final;
    // A press whose release will not come ends: no Click, the look the pointer calls for, the next press fresh.
    void CaptureLost() final;
    bool WindowTakesKeys() const final { return true; }
    // The arrows move the focus before KeyDown; only a plain Space (not a system key: Alt held or F10) presses.
    void KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) final;
    std::int16_t KeyPress(std::int16_t keyAscii) final;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) final;
    void LostFocus() override;  // a Space press still held makes no click
    void TimerTick(unsigned timerId) final;
    // Resize, then the control's layout, when the size differs from the last.
    void Resize(int width, int height) final;
    bool CaptionIsWindowText() const final { return true; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The look the press leaves, whether the pointer entered.
    ButtonLook ButtonState() const { return look_; }
    bool EnterRaised() const { return tracker_.Entered(); }

    // The hover and pressed looks' colours, which show when the look changes; the normal look's show at once,
    // each control's own way.
    OleColor ForeColorNormal() const { return looks_[ButtonLook::Normal].fore; }
    OleColor ForeColorHover() const { return looks_[ButtonLook::Hover].fore; }
    void SetForeColorHover(OleColor c) { Keep(looks_[ButtonLook::Hover].fore, c, L"ForeColorHover"); }
    OleColor ForeColorDown() const { return looks_[ButtonLook::Down].fore; }
    void SetForeColorDown(OleColor c) { Keep(looks_[ButtonLook::Down].fore, c, L"ForeColorDown"); }
    OleColor BackColorNormal() const { return looks_[ButtonLook::Normal].back; }
    OleColor BackColorHover() const { return looks_[ButtonLook::Hover].back; }
    void SetBackColorHover(OleColor c) { Keep(looks_[ButtonLook::Hover].back, c, L"BackColorHover"); }
    OleColor BackColorDown() const { return looks_[ButtonLook::Down].back; }
    void SetBackColorDown(OleColor c) { Keep(looks_[ButtonLook::Down].back, c, L"BackColorDown"); }
    // The control-level font: stored with the instance, used by no element.
    const Font& ControlFont() const { return font_; }
    void SetControlFont(const Font& font) { font_ = font; }

protected:
    // `readsButtonBack`: the control examines Button after raising a pointer event, so a handler that changes it
    // changes the control's reaction; otherwise handlers get copies.
    ButtonModel(const plat::Services& services, ButtonEvents events, TrackerParams tracking, bool readsButtonBack);

    // ---- The button's side of the press. Elements are the control's own numbering (0 the surface).
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
    // `x`, `y` are the move's point in the control, not relative to the element.
    virtual void HoverMove(int /*element*/, float /*x*/, float /*y*/) {}
    // A key went up, after KeyUp: the control repaints.
    virtual void KeyReleased() = 0;
    // The size changed, after Resize: the control lays itself out.
    virtual void LayOut() = 0;

    // A disabled button ends its press without a click, and its window takes no input.
    void EnabledChanged() override;
    void Attached(plat::WindowId window) override { tracker_.SetWindow(window); }
    // The size the control has before it is first told one: no Resize follows.
    void SetExtent(int width, int height) {
        width_ = width;
        height_ = height;
    }
    // A hovered or pressed look lights its parts in high contrast.
    bool Lit() const { return look_ != ButtonLook::Normal; }

    // The colours of one look: the surface, the caption and a third part (N_Shape's border, N_Selection's second
    // line).
    struct LookColors {
        OleColor back, fore, third;
    };
    PerLook<LookColors> looks_;
    Font font_;
    PointerTracker tracker_;

private:
    // The element a point reports to (the one that took a press still held, else the one under it) and the point
    // relative to it, in 96-dpi pixels.
    int Locate(float* x, float* y) const;
    void RaisePointer(const PointerEvent& handler, std::int16_t* button, std::int16_t shift, float x, float y);
    void Show(ButtonLook look);
    void End(bool pressed);

    const bool readsButtonBack_;
    int width_ = 0, height_ = 0;
    ButtonLook look_ = ButtonLook::Normal;
    int pressElement_ = 0;  // the element that took the first held button
    bool spaceHeld_ = false;
    unsigned focusLosses_ = 0;  // counted, so that a key press can tell whether its handler moved the focus away
};

}  // namespace kit
