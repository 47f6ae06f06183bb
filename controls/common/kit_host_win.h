// Win32 pieces the kit's control hosts share on top of the window skeleton: mouse and key argument masks, fonts
// from the kit's font object, and the skeleton's entry points under the names the hosts use.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "controls/common/control_site.h"
#include "controls/common/property_bag.h"
#include "platform/scoped_win.h"
#include "platform/units.h"
#include "platform/window_host_win.h"
#include "platform/window_win.h"

namespace kit {
namespace host {

// The `Button` mask of a mouse message's key flags: 1 left, 2 right, 4 middle.
std::int16_t ButtonMask(WPARAM keyFlags);
// The `Shift` mask of the modifier keys held now: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask();

// The button a press, double-click or release message is about: 1 left, 2 right, 4 middle.
inline std::int16_t ButtonOf(UINT msg) {
    switch (msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
            return 2;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            return 4;
        default:
            return 1;
    }
}

// A mouse message's position in the window's client pixels, as the models take it.
inline float PointerX(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
inline float PointerY(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }

// Hands a key message to a model's KeyDown, KeyPress (characters) or KeyUp and gives the message's result;
// nothing for any other message. System keys (Alt combinations, F10) raise the events too and then go on to the
// default handler, so Alt+F4 and the system menu keep working.
template <typename Model>
std::optional<LRESULT> RouteKey(Model& model, HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    const auto code = static_cast<std::int16_t>(wp & 0xFFFF);
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            model.KeyDown(code, ShiftMask());
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            model.KeyUp(code, ShiftMask());
            break;
        case WM_CHAR:
            model.KeyPress(code);
            break;
        default:
            return std::nullopt;
    }
    if (msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP) return DefWindowProcW(window, msg, wp, lp);
    return 0;
}

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

// The window side of a control's site: repaints and the enabled flag go to the host's own window.
class WindowSite : public ControlSite {
public:
    HWND hwnd_ = nullptr;  // set by the window procedure

    void Invalidate() override {
        if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
    }
    void Refresh() override {
        if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    void SetInputEnabled(bool enabled) override {
        if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    }
};

// Where and how a control's window is made.
struct ControlWindow {
    const wchar_t* className;
    DWORD style;  // window styles: WS_CHILD | WS_VISIBLE | WS_TABSTOP and what the control adds
    DWORD exStyle;
    HWND parent;
    int id;
    std::wstring text;
    int left, top, width, height;  // twips in the parent's client area
};

// Creates a control's window (class registered once, with double-clicks) at its twips rectangle at the parent's
// DPI; the window owns `state` from then on. The state, or null when no window was made (the state is freed).
template <typename Host>
Host* CreateControl(Host* state, const ControlWindow& w) {
    if (!RegisterControlClass(w.className, &ControlProc<Host>, CS_DBLCLKS)) {
        delete state;
        return nullptr;
    }
    const RECT r = plat::TwipsRect(w.left, w.top, w.width, w.height, plat::WindowDpi(w.parent));
    return CreateControlWindow(state, w.exStyle, w.className, w.text, w.style, r, w.parent, w.id) ? state : nullptr;
}

}  // namespace host
}  // namespace kit
