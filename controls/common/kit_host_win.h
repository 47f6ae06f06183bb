// Win32 pieces the kit's control hosts share: per-window state in the extra slot, fonts from the kit's font
// object, mouse and key argument masks, and 96-dpi/twips conversions.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/common/property_bag.h"
#include "platform/scoped_win.h"

namespace kit {
namespace host {

// The `Button` mask of a mouse message's key flags: 1 left, 2 right, 4 middle.
std::int16_t ButtonMask(WPARAM keyFlags);
// The `Shift` mask of the modifier keys held now: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask();

// The largest font size drawn, in points; stored sizes above it are drawn at it.
constexpr double kMaxPoints = 2160;

// A font for a kit font object, at a window's DPI.
plat::GdiObject<HFONT> MakeFont(const Font& font, UINT dpi);
plat::GdiObject<HFONT> MakeFont(const std::wstring& face, double points, bool bold, UINT dpi);

// Keeps the fonts a control paints with, so a repaint creates none unless a font changed.
class FontCache {
public:
    HFONT Get(const std::wstring& face, double points, bool bold, UINT dpi);
    HFONT Get(const Font& font, UINT dpi);

private:
    struct Entry {
        Font font;
        UINT dpi = 0;
        plat::GdiObject<HFONT> handle;
    };
    Entry entries_[4];
    int next_ = 0;
};

// Client pixels at `dpi` to 96-dpi pixels and twips, and back.
float To96(int pixels, UINT dpi);
int From96(double pixels96, UINT dpi);
int TwipsFromPixels(int pixels, UINT dpi);
int PixelsFromTwips(double twips, UINT dpi);

// Registers a window class once per process, with one pointer-sized extra slot for the per-instance state.
bool RegisterControlClass(const wchar_t* name, WNDPROC proc, UINT style, HCURSOR cursor = nullptr);

// The per-instance state of a window whose class was registered above (null before WM_NCCREATE).
template <typename Host>
Host* StateOf(HWND window) {
    return reinterpret_cast<Host*>(GetWindowLongPtrW(window, 0));
}

// The state of a window only when it is of the given class: null for any other window, so a caller cannot read a
// foreign window's extra slot as ours.
template <typename Host>
Host* StateIfClass(HWND window, const wchar_t* className) {
    wchar_t cls[64] = {};
    if (!window || !GetClassNameW(window, cls, 64) || lstrcmpW(cls, className) != 0) return nullptr;
    return StateOf<Host>(window);
}

// The state the last WM_NCCREATE attached to a window; tells a failed creation whether the window (which frees
// its state when destroyed) had taken ownership.
inline const void*& LastAttached() {
    static thread_local const void* state = nullptr;
    return state;
}

// A window procedure that hands every message to Host::Handle. The state is attached in WM_NCCREATE from the
// creation parameter (the window owns it from then on) and deleted after WM_NCDESTROY. No exception leaves it.
template <typename Host>
LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    Host* self = StateOf<Host>(window);
    if (message == WM_NCCREATE) {
        self = static_cast<Host*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        if (self) {
            self->hwnd_ = window;
            LastAttached() = self;
            SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return DefWindowProcW(window, message, wp, lp);
    LRESULT result = 0;
    try {
        result = self->Handle(message, wp, lp);
    } catch (...) {
        result = DefWindowProcW(window, message, wp, lp);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, 0, 0);
        delete self;
    }
    return result;
}

// Creates a control window for a heap-allocated state; if the window never took ownership, frees the state.
template <typename Host>
HWND CreateControlWindow(Host* state, DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                         const RECT& r, HWND parent, int id) {
    LastAttached() = nullptr;
    HWND window =
        CreateWindowExW(exStyle, className, text.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), state);
    if (!window && LastAttached() != state) delete state;
    return window;
}

}  // namespace host
}  // namespace kit
