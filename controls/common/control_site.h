// The one shape every control of the kit has toward its host: the site a model talks to, and the members a
// model offers. Each control is a portable model (properties, state machine, events, layout, persistence) plus a
// thin Win32 host that implements ControlSite, turns window messages into the model calls below and paints what
// the model describes.
//
// A model offers, under these names:
//   Attach(plat::WindowId window, ControlSite* site, unsigned dpi)  the window, its site and its DPI
//   SetDpi(unsigned dpi)                                           the window moved to another DPI
//   InitNew(ambient), Load(const PropertyBag&, ambient) -> LoadResult, Save(PropertyBag&, ambient) const
//                                                                  new instance, load (names the key that stopped
//                                                                  it), save: StoredInstance, one for all
//   MouseDown / MouseMove / MouseUp(button, shift, x, y)           pointer input, see the unit below
//   DblClick(button, shift, x, y)                                  the second press of a double-click
//   KeyDown(keyCode, shift, systemKey), KeyPress(keyAscii), KeyUp(keyCode, shift)
//                                                                  systemKey: Alt held or F10 (WM_SYSKEYDOWN)
//   TimerTick(timerId)                                             every timer tick of the control's window
//   Resize(width, height)                                          the window's size, in the model's unit
//
// Pointer positions: the host passes the window's client pixels exactly as the message carries them (at the
// window's DPI, as floats), and the model converts them into the unit its events report with platform/units.h:
// 96-dpi pixels for N_Shape and N_Selection, twips for CheckButton and N_TextBox. Converting once, in the
// model, from the integer pixels keeps every event argument what it has always been at any DPI; a shared
// intermediate unit would round twice.
//
// Sizes travel in the model's own unit (96-dpi pixels or twips); the host converts them.
//
// The pointer capture belongs to the model's PointerTracker (controls/common/pointer_tracker.h): hosts never
// call SetCapture or ReleaseCapture themselves.
#pragma once

#include <cstdint>
#include <string>

namespace kit {

// Virtual key codes the controls react to.
namespace keys {
constexpr std::int16_t kReturn = 13;
constexpr std::int16_t kEscape = 27;
constexpr std::int16_t kSpace = 32;
constexpr std::int16_t kLeft = 37;
constexpr std::int16_t kUp = 38;
constexpr std::int16_t kRight = 39;
constexpr std::int16_t kDown = 40;
}  // namespace keys

// The keystrokes an arrow key posts to move the focus (Right and Down to the next control in the tab order, Left
// and Up to the previous one); null for any other key.
inline const wchar_t* FocusKeysFor(std::int16_t keyCode) {
    if (keyCode == keys::kRight || keyCode == keys::kDown) return L"{TAB}";
    if (keyCode == keys::kLeft || keyCode == keys::kUp) return L"+{TAB}";
    return nullptr;
}

// What a control's model needs from the window that shows it.
class ControlSite {
public:
    virtual ~ControlSite() = default;
    // Something visible changed: repaint when convenient.
    virtual void Invalidate() = 0;
    // Repaint now, before returning.
    virtual void Refresh() = 0;
    // The control's enabled flag changed: the host stops or resumes input to its window.
    virtual void SetInputEnabled(bool enabled) = 0;
    // The model wants this size (in its own unit); a side equal to the model's current one asks for no change
    // of that side. The host resizes its window and reports the size it got through the model's Resize.
    virtual void RequestSize(int width, int height) = 0;
    // The caption changed: a host whose window text follows the caption updates it.
    virtual void CaptionChanged(const std::wstring& /*caption*/) {}
};

}  // namespace kit
