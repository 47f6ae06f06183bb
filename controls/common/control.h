// Every call a host window makes on its control's model, in one interface the host holds the model through: a
// control that leaves out a call, or misspells one, does not compile.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/common/accessible.h"
#include "controls/common/control_site.h"
#include "controls/common/property_bag_core.h"
#include "controls/common/property_table.h"
#include "platform/canvas.h"
#include "platform/platform.h"
#include "platform/units.h"

namespace kit {

// What a container gives every new instance: the name it called the instance and its own font.
struct Ambient {
    std::wstring name;
    kit::Font font = {};
};

// The parts input comes from: the control's own window, or the text field its site offers it.
namespace parts {
constexpr int kWindow = 0;
constexpr int kTextField = 1;
}  // namespace parts

// One piece of input, from one part, as the host's routes take it from the window system. `code` is the button of
// a press or release (1 left, 2 right, 4 middle; Double is a double-click's second press), the mask of the
// buttons held in a move, the virtual key, the character typed or the timer; `system` marks a system key (Alt
// held, F10). Handled: the part's own handling of a release (a text field's caret) is done; Edited: the user
// changed its text. Positions are in the control's unit (the host converts its pixels), relative to the part.
struct Input {
    enum Kind { Down, Move, Up, Double, CaptureLost, KeyDown, Char, KeyUp, Focus, Blur, Tick, Handled, Edited };
    Kind kind;
    int part = parts::kWindow;
    std::int16_t code = 0;
    std::int16_t shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
    float x = 0;
    float y = 0;
    bool system = false;
};

class Control {
public:
    // ---- Creation (MakeControl): Attach once the window exists, then the properties, then Placed, where a control
    // that lays itself out before its first size does it.
    virtual void Attach(plat::WindowId window, ControlSite* site) = 0;
    virtual void Placed() = 0;

    // ---- A new instance; a load, which stops at the first key it cannot take; a save of every key.
    virtual void InitNew(const Ambient& ambient) = 0;
    virtual LoadResult Load(const PropertyBag& bag, const Ambient& ambient) = 0;
    virtual bool Save(PropertyBag& bag, const Ambient& ambient) const = 0;

    // ---- Every piece of input, from every part. A typed character gives the one the control lets through after
    // its handlers (0: none); any other input gives 0.
    virtual std::int16_t Take(const Input& input) = 0;
    // Whether the control's own window takes the keys (it then owns every key but Tab); else they come from a part.
    virtual bool WindowTakesKeys() const = 0;

    // ---- Size, in the control's unit: the host converts between it and its window's pixels, the model never.
    virtual plat::SizeUnit SizeUnit() const = 0;
    virtual void Resize(int width, int height) = 0;

    // ---- Caption: what a screen reader or a tool setting the window text gives the control; whether the window
    // text is the caption.
    virtual std::wstring Caption() const = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;
    virtual bool CaptionIsWindowText() const = 0;

    // ---- The whole look, on the window's canvas.
    virtual void Paint(plat::Canvas& canvas) = 0;

    // ---- Screen readers. `focused`: the control's window has the keyboard focus (models do not track it). The
    // default action is what a left click does, raised through the same events; false while it has none.
    virtual AccessibleInfo Describe(bool focused) const = 0;
    virtual bool DoDefaultAction() = 0;

protected:
    ~Control() = default;  // a control is owned by its host, never deleted through the interface
};

// The one creation step of every control, once Attach has given it its window: its properties from `bag` (a new
// instance without one), Placed, then its first size. `reportSize` hands the control the window's size. Gives
// what the load reported (everything applied for a new instance).
LoadResult MakeControl(Control& control, const PropertyBag* bag, const Ambient& ambient,
                       const std::function<void()>& reportSize);

}  // namespace kit
