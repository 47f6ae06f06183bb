// The skeleton every window of the program hangs on: one window procedure that attaches a per-instance state to
// its window, one class registration, one creation path and one font cache.
//
// A host is a class with a public `HWND hwnd_` and `LRESULT Handle(UINT, WPARAM, LPARAM)`. The procedure sets
// `hwnd_` in WM_NCCREATE, from then on hands it every message (WM_NCCREATE included), and after WM_NCDESTROY
// clears `hwnd_` and deletes the state once the outermost of its messages has returned: a handler may destroy
// its own window (a click that closes the window) and still finish its step.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/canvas.h"
#include "platform/keyboard_win.h"
#include "platform/scoped_win.h"
#include "platform/trace_win.h"

namespace plat {

// What a class registration varies; everything else is the same for every window of the program (one
// pointer-sized extra slot for the state, the program's module).
struct WindowClass {
    const wchar_t* name = nullptr;
    WNDPROC proc = nullptr;
    UINT style = 0;
    HCURSOR cursor = nullptr;  // null: the arrow
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HBRUSH background = nullptr;  // null: the window paints all of itself
};

// Registers the class once per process; later calls with the same name succeed without registering again.
bool RegisterWindowClass(const WindowClass& windowClass);

// What a top-level window of the program implements to get the keyboard set-up every such window shares (see
// WindowProc): the first control of its tab order.
class PageWindow {
public:
    virtual HWND FirstControl() const = 0;

protected:
    ~PageWindow() = default;
};

namespace hostdetail {

// What the extra slot points to: the state, how to delete it, and the guard that keeps it alive while one of
// its window's messages is still running.
struct Slot {
    void* state = nullptr;
    void (*destroy)(void*) = nullptr;
    int depth = 0;
    bool detached = false;
    HWND lastFocus = nullptr;  // a top-level window's control that had the focus when the window was left
};

Slot* SlotOf(HWND window);
// Attaches a fresh slot for `state` to the window; null when there is no memory for it.
Slot* Attach(HWND window, void* state, void (*destroy)(void*));
void Detach(HWND window);
// The state the last WM_NCCREATE on this thread attached; tells a failed creation whether the window (which
// frees its state when destroyed) had taken ownership.
const void*& LastAttached();

template <typename Host>
void Destroy(void* state) {
    delete static_cast<Host*>(state);
}

}  // namespace hostdetail

// The state of a window created through CreateHostedWindow (null before WM_NCCREATE and after WM_NCDESTROY).
template <typename Host>
Host* StateOf(HWND window) {
    hostdetail::Slot* slot = window ? hostdetail::SlotOf(window) : nullptr;
    return slot ? static_cast<Host*>(slot->state) : nullptr;
}

// True when the window is of the named class.
bool IsWindowOfClass(HWND window, const wchar_t* className);

// The state of a window only when it is of the given class: null for any other window, so a caller cannot read a
// foreign window's extra slot as ours.
template <typename Host>
Host* StateIfClass(HWND window, const wchar_t* className) {
    return IsWindowOfClass(window, className) ? StateOf<Host>(window) : nullptr;
}

// The window procedure of every hosted window. No exception leaves it: one caught is traced and the message
// goes to the default handler.
//
// A top-level window whose host is a PageWindow gets the keyboard set-up here, once for every window:
// its focus cues start when its creation (WM_CREATE) has made its controls, and each activation gives the focus
// to a control, the one that had it when the window was left or else the first, so the keyboard works at once.
// The cues are forgotten at WM_NCDESTROY, for every window.
template <typename Host>
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    hostdetail::Slot* slot = hostdetail::SlotOf(window);
    if (message == WM_NCCREATE && !slot) {
        Host* state = static_cast<Host*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        if (state) {
            slot = hostdetail::Attach(window, state, &hostdetail::Destroy<Host>);
            if (!slot) return FALSE;
            state->hwnd_ = window;
        }
    }
    if (!slot) return DefWindowProcW(window, message, wp, lp);
    Host* self = static_cast<Host*>(slot->state);
    LRESULT result = 0;
    ++slot->depth;
    try {
        std::optional<LRESULT> focused;
        if constexpr (std::is_base_of_v<PageWindow, Host>) {
            if (message == WM_ACTIVATE) focused = FocusOnActivate(window, wp, self->FirstControl(), &slot->lastFocus);
        }
        result = focused ? *focused : self->Handle(message, wp, lp);
        if constexpr (std::is_base_of_v<PageWindow, Host>) {
            if (message == WM_CREATE && result != -1) StartFocusCues(window);
        }
    } catch (...) {
        TraceCaughtHere("window procedure");
        result = DefWindowProcW(window, message, wp, lp);
    }
    --slot->depth;
    if (message == WM_NCDESTROY) {
        ForgetFocusCues(window);
        hostdetail::Detach(window);
        self->hwnd_ = nullptr;
        slot->detached = true;
    }
    if (slot->detached && slot->depth == 0) {
        slot->destroy(slot->state);
        delete slot;
    }
    return result;
}

// Creates a window for a heap-allocated state, which the window owns from WM_NCCREATE on; when the window never
// took it, the state is freed here. `menu` is the control id of a child window.
template <typename Host>
HWND CreateHostedWindow(Host* state, DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style,
                        const RECT& r, HWND parent, HMENU menu) {
    hostdetail::LastAttached() = nullptr;
    HWND window = CreateWindowExW(exStyle, className, text.c_str(), style, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, parent, menu, GetModuleHandleW(nullptr), state);
    if (!window && hostdetail::LastAttached() != state) delete state;
    return window;
}

// The two paint messages of a window that paints all of itself through a back buffer: no erase (it would show
// between the erase and the paint) and WM_PAINT to `paint`. Nothing for any other message.
template <typename PaintFn>
std::optional<LRESULT> RoutePaint(UINT msg, PaintFn paint) {
    switch (msg) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            paint();
            return 0;
        default:
            return std::nullopt;
    }
}

// The font for a description at a DPI.
GdiObject<HFONT> MakeFont(const FontSpec& spec, UINT dpi);

// Keeps the few fonts a window paints with, so a repaint creates none unless a font or the DPI changed.
class FontCache {
public:
    HFONT Get(const FontSpec& spec, UINT dpi);

private:
    struct Entry {
        FontSpec spec;
        UINT dpi = 0;
        GdiObject<HFONT> handle;
    };
    static constexpr int kEntries = 8;
    Entry entries_[kEntries];
    int next_ = 0;
};

}  // namespace plat
