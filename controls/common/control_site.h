// The site a model talks to. Each control is a portable model (control_model.h: properties, state machine, events,
// layout, persistence and its whole look, painted on a canvas) plus the one Win32 host (kit_host_win.h), which
// implements ControlSite and only translates.
//
// Units: a model knows no DPI. Its host converts the window's pixels once, with its plat::UnitScale, into the unit
// the model declares (96-dpi pixels for N_Shape and N_Selection, twips for CheckButton and N_TextBox), and sizes
// back; a point the platform must judge (is it over my window?) goes back through ClientPixel. The pointer
// capture belongs to the model's PointerTracker.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/canvas.h"
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

// A native single-line text field a site offers a control: the system keeps its caret, selection and typing; the
// model drives the rest; its input comes through the control's Take with its part id.
class TextField {
public:
    struct Look {
        std::wstring text;
        plat::FontSpec font;
        plat::Ink fore{plat::Role::PageText, 0};
        plat::Ink back{plat::Role::PageBack, 0};
        plat::TextAlign align = plat::TextAlign::Left;
        wchar_t mask = 0;  // the character shown for each typed one; 0 shows the text
        bool locked = false;
        bool enabled = true;
        bool visible = true;
        plat::RectF place;  // in the control's unit
    };
    virtual void Show(const Look& look) = 0;
    virtual std::wstring Text() const = 0;
    virtual void SelectAll() = 0;

protected:
    ~TextField() = default;
};

// What a control's model needs from the window that shows it.
class ControlSite {
public:
    virtual ~ControlSite() = default;
    virtual void Invalidate() = 0;  // repaint when convenient
    virtual void Refresh() = 0;     // repaint now, before returning
    // The control's enabled flag changed: the host stops or resumes input to its window.
    virtual void SetInputEnabled(bool enabled) = 0;
    virtual plat::Size Extent() const = 0;  // the window's size, in the control's unit
    // The model wants this size (in its unit; a negative side keeps the window's). The host sizes its window and
    // reports the size it got through the model's Resize, once.
    virtual void RequestSize(int width, int height) = 0;
    // A place of the control, in its unit, as the window's nearest client pixel: what pointer queries take.
    virtual plat::Point ClientPixel(double x, double y) const = 0;
    // One line of text as the window's canvas draws it, in the control's unit.
    virtual plat::SizeF MeasureText(std::wstring_view text, const plat::FontSpec& font) = 0;
    // The natural size of the picture a reference names (96-dpi pixels); nothing when it cannot be read.
    virtual std::optional<plat::Size> PictureSize(std::wstring_view ref) = 0;
    virtual TextField* Field() = 0;  // null where the site offers none
    // A press the control decided takes the keyboard focus, before the press goes on, as on Windows' buttons.
    virtual void TakeFocus() = 0;
    // The caption changed: a host whose window text follows the caption updates it.
    virtual void CaptionChanged(const std::wstring& caption) = 0;
};

}  // namespace kit
