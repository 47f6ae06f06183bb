// The one shape every control of the kit has toward its host: the site a model talks to. Each control is a
// portable model (control_model.h: properties, state machine, events, layout, persistence) plus a thin Win32 host
// that implements ControlSite, turns window messages into the model's input and paints what the model describes.
//
// Units: a model knows no DPI. Its host converts the window's client pixels once, with its plat::UnitScale, into
// the unit the model declares and its events report (96-dpi pixels for N_Shape and N_Selection, twips for
// CheckButton and N_TextBox; a shared intermediate unit would round twice), and sizes back. Where a model must ask
// the platform about a point (is it over my window?), the site turns the point back into the window's pixel. The
// pointer capture belongs to the model's PointerTracker: hosts never call SetCapture or ReleaseCapture themselves.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

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
    // A place of the control, in its unit, as the window's client pixel nearest it: what the platform's pointer
    // queries take.
    virtual plat::Point ClientPixel(double x, double y) const = 0;
    // A press the control decided takes the keyboard focus, before the press goes on, as on Windows' buttons.
    virtual void TakeFocus() {}
    // The caption changed: a host whose window text follows the caption updates it.
    virtual void CaptionChanged(const std::wstring& /*caption*/) {}
};

}  // namespace kit
