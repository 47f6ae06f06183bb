// What every model of the kit keeps alike, under the control interface: the platform's services, the container's
// handlers, the site of the window that shows it, its enabled flag, the unit it keeps its size in, and the input
// of its own window taken apart into calls. A model knows no DPI: its host converts between its window's pixels
// and that unit, once (kit_host_win.h).
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "controls/common/control.h"
#include "controls/common/control_events.h"
#include "controls/common/control_site.h"
#include "controls/common/property_bag_core.h"
#include "platform/canvas.h"
#include "platform/platform.h"
#include "platform/units.h"

namespace kit {

// A box in floating-point units of the control (96-dpi pixels or twips), as the elements hold their places.
using RectF = plat::RectF;

// The canvas's description of a kit font object, and of a caption font by face, size and weight.
plat::FontSpec SpecOf(const Font& font);
plat::FontSpec SpecOf(const std::wstring& face, double points, bool bold);

// The site of a model no window shows yet: it takes every request and shows nothing.
ControlSite& UnsitedSite();

template <typename Events, plat::SizeUnit Unit>
class ControlModel : public Control {
public:
    ControlModel(const plat::Services& services, Events events) : services_(services), events_(std::move(events)) {}
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    // The container's handlers; they may be rebound at any time.
    Events& events() { return events_; }
    const plat::Services& services() const { return services_; }
    // The window the control lives in (what the pointer queries and timers name) and its site.
    void Attach(plat::WindowId window, ControlSite* site) final {
        site_ = site ? site : &UnsitedSite();
        Attached(window);
    }
    ControlSite* site() const { return site_; }
    bool Enabled() const { return enabled_; }
    plat::SizeUnit SizeUnit() const final { return Unit; }
    // The enabled flag; what follows it (the press ended, the look, the notification) is each control's own.
    void SetEnabled(bool enabled) {
        enabled_ = enabled;
        EnabledChanged();
    }

    // The input of the control's own window, taken apart; a control with a part of its own takes that too.
    std::int16_t Take(const Input& input) override { return input.part == parts::kWindow ? Dispatch(input) : 0; }
    // ---- The input calls: positions in the control's unit; `buttons` of a move is the mask of held buttons,
    // `button` of a press or release the one button. DblClick is the second press of a double-click.
    virtual void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) = 0;
    virtual void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void DblClick(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    // Another window took the pointer while a press held it: the press ends without a click.
    virtual void CaptureLost() = 0;
    virtual void KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) = 0;
    // A typed character: the one the control lets through after its handlers (0: none).
    virtual std::int16_t KeyPress(std::int16_t keyAscii) = 0;
    virtual void KeyUp(std::int16_t keyCode, std::int16_t shift) = 0;
    virtual void GotFocus() = 0;
    virtual void LostFocus() = 0;
    virtual void TimerTick(unsigned timerId) = 0;

protected:
    virtual void Attached(plat::WindowId /*window*/) {}
    virtual void EnabledChanged() = 0;
    std::int16_t Dispatch(const Input& in) {
        switch (in.kind) {
            case Input::Down:
                MouseDown(in.code, in.shift, in.x, in.y);
                break;
            case Input::Move:
                MouseMove(in.code, in.shift, in.x, in.y);
                break;
            case Input::Up:
                MouseUp(in.code, in.shift, in.x, in.y);
                break;
            case Input::Double:
                DblClick(in.code, in.shift, in.x, in.y);
                break;
            case Input::CaptureLost:
                CaptureLost();
                break;
            case Input::KeyDown:
                KeyDown(in.code, in.shift, in.system);
                break;
            case Input::Char:
                return KeyPress(in.code);
            case Input::KeyUp:
                KeyUp(in.code, in.shift);
                break;
            case Input::Focus:
                GotFocus();
                break;
            case Input::Blur:
                LostFocus();
                break;
            case Input::Tick:
                TimerTick(static_cast<unsigned>(in.code));
                break;
            case Input::Handled:
            case Input::Edited:
                break;
        }
        return 0;
    }
    void Redraw() { site_->Invalidate(); }
    // One line of text as the window draws it, in the control's unit.
    plat::SizeF Measure(std::wstring_view text, const plat::FontSpec& font) const {
        return site_->MeasureText(text, font);
    }
    // A caption's ink: the text role while the control is enabled, the disabled text role while it is not.
    plat::Ink CaptionInk(OleColor color, bool lit = false) const {
        return {enabled_ ? plat::Role::Text : plat::Role::DisabledText, color, lit};
    }
    // The focused control's cue, inset inside the control three 96-dpi pixels, as Windows' buttons draw it.
    void PaintFocusCue(plat::Canvas& canvas) const {
        constexpr double inset = plat::FromDevice({3}, Unit, plat::Dpi{});
        if (canvas.FocusShown()) canvas.FocusCue(canvas.Area(), inset, inset);
    }
    // A place of the control as its window's client pixel, for the platform's pointer queries.
    plat::Point ClientPixel(double x, double y) const { return site_->ClientPixel(x, y); }
    // Every property write ends here, so a designer can mark its design modified.
    void Notify(const wchar_t* property) { Raise(events_.PropertyChanged, std::wstring(property)); }
    // Stores a value the control keeps for later (a look not showing) and notifies.
    template <typename T>
    void Keep(T& stored, const T& value, const wchar_t* property) {
        stored = value;
        Notify(property);
    }
    // Stores a value that shows at once in `element` (when there is one), repaints and notifies.
    template <typename T>
    void ShowNow(T& stored, T* element, const T& value, const wchar_t* property) {
        stored = value;
        if (element) *element = value;
        Redraw();
        Notify(property);
    }

    const plat::Services services_;
    Events events_;
    ControlSite* site_ = &UnsitedSite();
    bool enabled_ = true;
};

// A control's three persistence calls, written once over its table `Model::kStoredKeys`: a new instance; a load
// from the container's bag, which stops at the first key that does not convert or is refused and names it (what
// was applied before it stays); a save, which hands the bag every key. `Base` is the model's own base.
template <class Model, class Base>
class Stored : public Base {
public:
    using Base::Base;
    void InitNew(const Ambient& ambient) final { Model::kStoredKeys.InitNew(static_cast<Model&>(*this), ambient); }
    LoadResult Load(const PropertyBag& bag, const Ambient& ambient) final {
        const LoadResult result = Model::kStoredKeys.Load(static_cast<Model&>(*this), bag, ambient);
        Loaded();
        return result;
    }
    bool Save(PropertyBag& bag, const Ambient& ambient) const final {
        Model::kStoredKeys.Save(static_cast<const Model&>(*this), bag, ambient);
        return true;
    }

protected:
    virtual void Loaded() {}  // a load, however far it went, may need following up
};

}  // namespace kit
