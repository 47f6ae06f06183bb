// Win32 pieces the kit's control hosts share on top of the window skeleton: mouse and key argument masks, fonts
// from the kit's font object, the skeleton's entry points under the names the hosts use, and the host base that
// answers the messages every control treats alike.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "controls/common/contrast.h"
#include "controls/common/control.h"
#include "controls/common/control_events.h"
#include "controls/common/control_model.h"
#include "controls/common/control_site.h"
#include "controls/common/kit_accessible_win.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_bag_win.h"
#include "platform/keyboard_win.h"
#include "platform/platform.h"
#include "platform/platform_win.h"
#include "platform/scoped_win.h"
#include "platform/units.h"
#include "platform/window_host_win.h"
#include "platform/window_win.h"

#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace kit {
namespace host {

// The `Button` mask of a mouse message's key flags: 1 left, 2 right, 4 middle.
std::int16_t ButtonMask(WPARAM keyFlags);
// The `Shift` mask of the modifier keys held now: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask();

// The buttons' messages come in threes, left, right and middle: a press, a release, a double-click's second press.
static_assert(WM_LBUTTONUP == WM_LBUTTONDOWN + 1 && WM_LBUTTONDBLCLK == WM_LBUTTONDOWN + 2 &&
                  WM_RBUTTONDOWN == WM_LBUTTONDOWN + 3 && WM_MBUTTONDOWN == WM_LBUTTONDOWN + 6 &&
                  WM_MBUTTONDBLCLK == WM_LBUTTONDOWN + 8,
              "the button messages' layout");
enum class Press { Down, Up, Double };
inline bool IsButtonMessage(UINT msg) { return msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK; }
// The button of one of those messages (1 left, 2 right, 4 middle), and which of the three it is.
inline std::int16_t ButtonOf(UINT msg) { return static_cast<std::int16_t>(1 << ((msg - WM_LBUTTONDOWN) / 3)); }
inline Press PressOf(UINT msg) { return static_cast<Press>((msg - WM_LBUTTONDOWN) % 3); }

// Hands a key message to a control's KeyDown, KeyPress (characters) or KeyUp and gives the message's result;
// nothing for any other message. System keys (Alt combinations, F10) raise the events too and then go on to the
// default handler, so Alt+F4 and the system menu keep working.
std::optional<LRESULT> RouteKey(Control& control, HWND window, UINT msg, WPARAM wp, LPARAM lp);

// WM_GETDLGCODE of a control that owns every key but Tab: the dialog manager moves the focus on Tab and
// Shift+Tab and leaves every other key press and character (arrows, Enter, Escape...) to the control.
inline LRESULT WantEveryKeyButTab(LRESULT code, LPARAM lp) {
    code |= DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* m = reinterpret_cast<const MSG*>(lp);
    if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam != VK_TAB) code |= DLGC_WANTMESSAGE;
    return code;
}

// Draws the focus rectangle, which shows on any fill and in any scheme (it inverts what lies under it).
void PaintFocusRect(HDC dc, const RECT& r);

// Pointer and keyboard messages, which a disabled control does not take.
inline bool IsInput(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

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

using plat::StateIfClass;
using plat::StateOf;

// What every control's creation takes besides its own settings.
struct ControlArgs {
    HWND parent = nullptr;
    int id = 0;
    std::wstring name;                         // the container's name for the instance
    plat::TwipsRect place;                     // in the parent's client area
    const PropertyBag* bag = nullptr;          // loaded from it when given, else a new instance
    LoadResult* loaded = nullptr;              // when given, receives what the load from `bag` reported
    const plat::Services* services = nullptr;  // the platform, as the container was given it (required)
    Font containerFont;                        // the container's font, which some keys take as their default
};

// The part every control host shares: the control (through its interface only) with its screen-reader answers,
// the window's DPI, the window side of the control's site, pointer positions and sizes converted between the
// window's pixels and the control's unit, and the messages all controls answer alike (input a disabled control
// drops, keys, focus, size, system colours, erase, paint, a DPI change). A host supplies Draw and Message and may
// override the other hooks.
//
// The control meets its window and site at WM_NCCREATE, before any other message reaches it; at WM_CREATE
// come the host's own parts, then MakeControl, then the window's first picture. Size messages before the
// control's first size are the window being made, not the container's.
//
// The focus shows the Windows way: while the window's focus cues show (after keyboard use, platform/keyboard_win.h)
// the focused control draws a focus rectangle over its look; a mouse user sees the control exactly as before.
class ControlHost : public ControlSite {
public:
    HWND hwnd_ = nullptr;  // set by the window procedure

    // ControlSite: repaints and the enabled flag go to the host's own window; a repaint may mean new states for
    // screen readers.
    void Invalidate() override;
    void Refresh() override;
    void SetInputEnabled(bool enabled) override;
    // The caption changed: the window text follows, screen readers hear the new name, and the control shows it at
    // once (a caller that blocks the thread next would otherwise keep it unseen).
    void CaptionChanged(const std::wstring& caption) override;
    plat::Point ClientPixel(double x, double y) const override { return Units().ClientPixel(x, y); }
    void TakeFocus() override {
        if (GetFocus() != hwnd_) SetFocus(hwnd_);
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

protected:
    // `control` (the host's own model, maybe not made yet) is used from WM_NCCREATE on; `args` until WM_CREATE.
    ControlHost(const plat::Services& services, Control& control, const ControlArgs& args);

    // ---- Hooks. Draw paints into the back buffer.
    virtual void Draw(HDC dc, const RECT& client) = 0;
    // Every message the base does not answer, and the focus messages after the control heard them.
    virtual LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) = 0;
    // Creation: the host's own windows, before the properties; what shows once the control has its size.
    virtual void MakeParts() {}
    virtual void Started() {}
    // Whether repaint requests reach the window.
    virtual bool Shown() const { return hwnd_ != nullptr; }
    virtual void ColorsChanged() { InvalidateRect(hwnd_, nullptr, FALSE); }
    // After a DPI change: the host converts at the new DPI; bring the rest in line.
    virtual void Refit() { ReportSize(); }
    // Runs inside the paint, before the client area is read.
    virtual void BeforePaint() { control_.OnPaint(); }
    // The focused control's cue, inset inside the control as Windows' buttons draw it.
    virtual void DrawFocusCue(HDC dc, const RECT& client);
    static constexpr int kFocusCueInset = 3;  // 96-dpi pixels

    // ---- Pointer positions, sizes and places, between the window's pixels and the control's unit: converted here
    // only. A mouse message's position, in the unit.
    plat::UnitScale Units() const { return {control_.SizeUnit(), plat::Dpi{dpi_}}; }
    float X(LPARAM lp) const { return Units().PointerIn(static_cast<short>(LOWORD(lp))); }
    float Y(LPARAM lp) const { return Units().PointerIn(static_cast<short>(HIWORD(lp))); }
    int ModelSize(int pixels) const { return Units().SizeFromPixels(pixels); }
    int WindowSize(int size) const { return Units().SizeToPixels(size); }
    int WindowPlace(double place) const { return Units().PlaceToPixels(place); }
    // An element's box with each edge placed on its own, so boxes that meet in the model meet on screen.
    RECT WindowRect(const RectF& r) const {
        return {WindowPlace(r.left), WindowPlace(r.top), WindowPlace(r.left + r.width), WindowPlace(r.top + r.height)};
    }
    // Tells the control the window's size.
    void ReportSize();
    // Hands pointer, capture-loss and timer messages to the control (the second press of a double-click to
    // DblClick, whatever the button); nothing for any other message.
    std::optional<LRESULT> RoutePointer(UINT msg, WPARAM wp, LPARAM lp);
    // Whether the control has had its first size.
    bool Sized() const { return sized_; }

    // The control's colour, or in high contrast the system colour of the part in the current look.
    COLORREF Color(ColorRole role, OleColor design) const {
        return plat::OleToColorRef(PaintColor(services_.scheme, role, control_.PaintLook(), design));
    }
    // A caption's colour: a disabled control's is the disabled text's in high contrast.
    COLORREF TextColor(OleColor design) const {
        return Color(control_.Enabled() ? ColorRole::Text : ColorRole::DisabledText, design);
    }
    // One line of a caption at a place of the control, on what lies under it.
    void DrawCaption(HDC dc, HFONT font, OleColor color, double left, double top, const std::wstring& text) const;

    // The window text of a control with a caption is the caption (the window was made with the instance name), so
    // screen readers and tools that read or set it meet the caption.
    void CaptionAsWindowText(const std::wstring& caption) {
        DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }

    const plat::Services& services_;
    Control& control_;
    ControlAccess access_{control_};
    UINT dpi_ = plat::kBaseDpi;

private:
    void Create();
    // Paints double-buffered: the host draws into a back buffer the size of the client area.
    void Paint();

    const ControlArgs* args_;  // while the window is being made
    bool sized_ = false;
};

// A host of one model, its own member made from the creation arguments (the services, the container's handlers,
// then whatever else the control passes). `Base` is ControlHost or a kind of it.
template <typename Model, typename Base = ControlHost>
class ModelHost : public Base {
public:
    template <typename Args, typename... Rest>
    ModelHost(const plat::Services& services, const Args& args, Rest&&... rest)
        : Base(services, model_, args), model_(services, args.events, std::forward<Rest>(rest)...) {}

    Model& model() { return model_; }

protected:
    Model model_;
};

// The host of a control that presses like a button (N_Shape, N_Selection): pointer messages to the control, a
// press giving it the focus first as a click on a Windows button does; a capture another window took, timer ticks,
// and a window text set by a screen reader or a tool, which is the caption. The window text starts as the caption.
class ButtonHost : public ControlHost {
protected:
    using ControlHost::ControlHost;
    void Started() override { CaptionAsWindowText(control_.Caption()); }
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;
};

// The style of a control that is a tab stop of its own, which most of the kit's controls are.
constexpr DWORD kTabStopControlStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;

// The one way every control of the kit is made: a new host from the arguments, its window at the place the
// arguments give, the control made with it (WM_CREATE). The window, or null when none was made.
template <typename Host, typename Args>
HWND CreateControl(const wchar_t* className, const Args& args, DWORD style = kTabStopControlStyle, DWORD exStyle = 0) {
    if (!args.parent || !args.services) return nullptr;
    plat::WindowClass wc;  // registered once per process; double-clicks reach the control
    wc.name = className;
    wc.proc = &plat::WindowProc<Host>;
    wc.style = CS_DBLCLKS;
    if (!plat::RegisterWindowClass(wc)) return nullptr;
    // The window owns the state from WM_NCCREATE on; a window never made has freed it already.
    Host* state = new Host(*args.services, args);
    const RECT r = plat::PixelRect(args.place, plat::WindowDpi(args.parent));
    return plat::CreateHostedWindow(state, exStyle, className, args.name, style, r, args.parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)));
}

// The model behind a host's window, only when the window is of the host's class (null for any other window).
template <typename Host>
auto ModelIfClass(HWND window, const wchar_t* className) -> decltype(&StateOf<Host>(window)->model()) {
    Host* state = StateIfClass<Host>(window, className);
    return state ? &state->model() : nullptr;
}

}  // namespace host
}  // namespace kit
