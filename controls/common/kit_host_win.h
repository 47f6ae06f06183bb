// Win32 pieces the kit's control hosts share on top of the window skeleton: mouse and key argument masks, fonts
// from the kit's font object, and the skeleton's entry points under the names the hosts use.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/common/property_bag.h"
#include "platform/scoped_win.h"
#include "platform/units.h"
#include "platform/window_host_win.h"

namespace kit {
namespace host {

// The `Button` mask of a mouse message's key flags: 1 left, 2 right, 4 middle.
std::int16_t ButtonMask(WPARAM keyFlags);
// The `Shift` mask of the modifier keys held now: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask();

// The largest font size drawn, in points; stored sizes above it are drawn at it.
constexpr double kMaxPoints = plat::kMaxFontPoints;

// The platform's description of a kit font object, and of a caption font by face, size and weight.
plat::FontSpec SpecOf(const Font& font);
plat::FontSpec SpecOf(const std::wstring& face, double points, bool bold);

// A font for a kit font object, at a window's DPI.
inline plat::GdiObject<HFONT> MakeFont(const Font& font, UINT dpi) { return plat::MakeFont(SpecOf(font), dpi); }

// Keeps the fonts a control paints with, so a repaint creates none unless a font changed.
class FontCache : public plat::FontCache {
public:
    using plat::FontCache::Get;
    HFONT Get(const std::wstring& face, double points, bool bold, UINT dpi) {
        return Get(SpecOf(face, points, bold), dpi);
    }
    HFONT Get(const Font& font, UINT dpi) { return Get(SpecOf(font), dpi); }
};

// Client pixels at `dpi` to 96-dpi pixels and twips, and back.
inline float To96(int pixels, UINT dpi) { return plat::Unscale(pixels, dpi); }
inline int From96(double pixels96, UINT dpi) { return plat::ScaleRound(pixels96, dpi); }
inline int TwipsFromPixels(int pixels, UINT dpi) { return plat::TwipsFromPixels(pixels, dpi); }
inline int PixelsFromTwips(double twips, UINT dpi) { return plat::PixelsFromTwips(twips, dpi); }

// Registers a control's window class once per process.
inline bool RegisterControlClass(const wchar_t* name, WNDPROC proc, UINT style, HCURSOR cursor = nullptr) {
    plat::WindowClass wc;
    wc.name = name;
    wc.proc = proc;
    wc.style = style;
    wc.cursor = cursor;
    return plat::RegisterWindowClass(wc);
}

using plat::StateIfClass;
using plat::StateOf;

// The window procedure of every control host.
template <typename Host>
LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    return plat::WindowProc<Host>(window, message, wp, lp);
}

// Creates a control window for a heap-allocated state; if the window never took ownership, frees the state.
template <typename Host>
HWND CreateControlWindow(Host* state, DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                         const RECT& r, HWND parent, int id) {
    return plat::CreateHostedWindow(state, exStyle, className, text, style, r, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

}  // namespace host
}  // namespace kit
