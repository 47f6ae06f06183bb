// Every call a host window makes on its control's model, in one interface the host holds the model through: a
// control that leaves out a call, or misspells one, does not compile.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/common/accessible.h"
#include "controls/common/control_site.h"
#include "controls/common/look.h"
#include "controls/common/property_bag_core.h"
#include "controls/common/property_table.h"
#include "platform/platform.h"
#include "platform/units.h"

namespace kit {

// What a container gives every new instance: the name it called the instance and its own font.
struct Ambient {
    std::wstring name;
    kit::Font font = {};
};

class Control {
public:
    // ---- Creation (MakeControl): Attach once the window exists; its first size, before the properties when
    // SizedFirst() and else after Placed(), where a control that lays itself out before its first size does it.
    virtual void Attach(plat::WindowId window, ControlSite* site) = 0;
    virtual bool SizedFirst() const = 0;
    virtual void Placed() = 0;

    // ---- A new instance; a load, which stops at the first key it cannot take; a save of every key.
    virtual void InitNew(const Ambient& ambient) = 0;
    virtual LoadResult Load(const PropertyBag& bag, const Ambient& ambient) = 0;
    virtual bool Save(PropertyBag& bag, const Ambient& ambient) const = 0;

    // ---- Pointer, at a place of the control in its unit (the host converts its pixels). `buttons` of a move is the
    // mask of held buttons; `button` of a press or release the one button. DblClick is the second press of a
    // double-click.
    virtual void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void MouseMove(std::int16_t buttons, std::int16_t shift, float x, float y) = 0;
    virtual void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void DblClick(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    // Another window took the pointer while a press held it: the press ends without a click.
    virtual void CaptureLost() = 0;

    // ---- Keys: a control whose window takes them owns every key but Tab; others get them from an inner window.
    virtual bool WindowTakesKeys() const = 0;
    virtual void KeyDown(std::int16_t keyCode, std::int16_t shift, bool systemKey) = 0;
    // A typed character: the one the control lets through after its handlers (0: none).
    virtual std::int16_t KeyPress(std::int16_t keyAscii) = 0;
    virtual void KeyUp(std::int16_t keyCode, std::int16_t shift) = 0;

    // ---- Focus of the control's window, and the ticks of the timers it started.
    virtual void GotFocus() = 0;
    virtual void LostFocus() = 0;
    virtual void TimerTick(unsigned timerId) = 0;

    // ---- Size, in the control's unit: the host converts between it and its window's pixels, the model never.
    virtual plat::SizeUnit SizeUnit() const = 0;
    virtual void Resize(int width, int height) = 0;

    // ---- Caption: what a screen reader or a tool setting the window text gives the control.
    virtual std::wstring Caption() const = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;

    // ---- Painting: a repaint is about to read the elements; the look whose high-contrast colours they take.
    virtual void OnPaint() = 0;
    virtual ButtonLook PaintLook() const = 0;
    virtual bool Enabled() const = 0;

    // ---- Screen readers. `focused`: the control's window has the keyboard focus (models do not track it). The
    // default action is what a left click does, raised through the same events; false while it has none.
    virtual AccessibleInfo Describe(bool focused) const = 0;
    virtual bool DoDefaultAction() = 0;

protected:
    ~Control() = default;  // a control is owned by its host, never deleted through the interface
};

// The one creation step of every control, once Attach has given it its window: its properties from `bag` (a new
// instance without one) and its first size, in the order the control asks for. `reportSize` hands the control
// the window's size. Gives what the load reported (everything applied for a new instance).
LoadResult MakeControl(Control& control, const PropertyBag* bag, const Ambient& ambient,
                       const std::function<void()>& reportSize);

}  // namespace kit
