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
#include <type_traits>
#include <string>
#include <utility>

#include "controls/common/contrast.h"
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

// The button a press, double-click or release message is about: 1 left, 2 right, 4 middle.
inline std::int16_t ButtonOf(UINT msg) {
    switch (msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
            return buttons::kRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            return buttons::kMiddle;
        default:
            return buttons::kLeft;
    }
}

// Hands a key message to a model's KeyDown, KeyPress (characters) or KeyUp and gives the message's result;
// nothing for any other message. System keys (Alt combinations, F10) raise the events too and then go on to the
// default handler, so Alt+F4 and the system menu keep working.
template <typename Model>
std::optional<LRESULT> RouteKey(Model& model, HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    const auto code = static_cast<std::int16_t>(wp & 0xFFFF);
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            model.KeyDown(code, ShiftMask(), msg == WM_SYSKEYDOWN);
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

// Whether a model takes its own keys (KeyDown, KeyPress, KeyUp) and hears of its focus (GotFocus, LostFocus).
template <typename Model, typename = void>
struct TakesKeys : std::false_type {};
template <typename Model>
struct TakesKeys<Model, std::void_t<decltype(std::declval<Model&>().KeyPress(std::int16_t{}))>> : std::true_type {};
template <typename Model, typename = void>
struct HearsFocus : std::false_type {};
template <typename Model>
struct HearsFocus<
    Model, std::void_t<decltype(std::declval<Model&>().GotFocus()), decltype(std::declval<Model&>().LostFocus())>>
    : std::true_type {};

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
};

// The part every control host shares: the model with its screen-reader answers, the window's DPI, the window
// side of the control's site, the model attached when the window is made (WM_NCCREATE), sizes converted between
// the window's pixels and the unit the model declares, and the messages all controls answer alike (size, system
// colours, erase, paint, a DPI change). A host supplies Draw and Message and may override the other hooks.
//
// The focus shows the Windows way: while the window's focus cues show (after keyboard use, platform/keyboard_win.h)
// the focused control draws a focus rectangle over its look; a mouse user sees the control exactly as before.
template <typename Model, typename Site = ControlSite>
class ControlHost : public Site {
public:
    HWND hwnd_ = nullptr;  // set by the window procedure

    // Made from the control's creation arguments: the model takes the services and the container's handlers,
    // then whatever else the control passes.
    template <typename Args, typename... Rest>
    ControlHost(const plat::Services& services, const Args& args, Rest&&... rest)
        : services_(services), model_(services, args.events, std::forward<Rest>(rest)...) {}

    Model& model() { return model_; }

    // ControlSite: repaints and the enabled flag go to the host's own window; a repaint may mean new states for
    // screen readers.
    void Invalidate() override {
        access_.StatesMayHaveChanged();
        if (Shown()) InvalidateRect(hwnd_, nullptr, FALSE);
    }
    void Refresh() override {
        if (Shown()) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    void SetInputEnabled(bool enabled) override {
        if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    }
    // The caption changed: the window text follows, screen readers hear the new name, and the control shows it at
    // once (a caller that blocks the thread next would otherwise keep it unseen).
    void CaptionChanged(const std::wstring& caption) override {
        if (!hwnd_) return;
        CaptionAsWindowText(caption);
        access_.NameChanged();
        if (!Shown()) return;
        InvalidateRect(hwnd_, nullptr, FALSE);
        plat::PaintNow(hwnd_);
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        LRESULT answered = 0;
        if (access_.Handle(hwnd_, msg, wp, lp, &answered)) return answered;
        // The one gate of a disabled control: the system sends it no input, and input sent or posted to it
        // anyway is dropped here. A model checks again only after its own handlers ran (one may disable it).
        if (IsInput(msg) && !IsWindowEnabled(hwnd_)) return 0;
        if constexpr (TakesKeys<Model>::value) {
            if (const auto keyResult = RouteKey(model_, hwnd_, msg, wp, lp)) return *keyResult;
        }
        if (const auto painted = plat::RoutePaint(msg, [this] { Paint(); })) return *painted;
        switch (msg) {
            case WM_NCCREATE:
                // Every model meets its window, site and DPI here, before any message of the window reaches it.
                dpi_ = plat::WindowDpi(hwnd_);
                model_.Attach(reinterpret_cast<plat::WindowId>(hwnd_), this, dpi_);
                break;
            case WM_GETDLGCODE:
                // A control that takes its keys owns every key but Tab, which moves the focus.
                if constexpr (TakesKeys<Model>::value) return WantEveryKeyButTab(0, lp);
                break;
            case WM_SETFOCUS:
            case WM_KILLFOCUS:
                // The cue comes and goes with the focus; with cues hidden nothing visible changes.
                if (plat::FocusCuesShown(hwnd_)) InvalidateRect(hwnd_, nullptr, FALSE);
                if constexpr (HearsFocus<Model>::value) {
                    if (msg == WM_SETFOCUS)
                        model_.GotFocus();
                    else
                        model_.LostFocus();
                    return 0;
                }
                break;
            case WM_UPDATEUISTATE:
                plat::FollowUiState(hwnd_, wp);
                break;
            case WM_SIZE:
                // Sizes before the control has its properties are not the container's; the message's size is the
                // one the model takes.
                if (ready_) model_.Resize(ModelSize(LOWORD(lp)), ModelSize(HIWORD(lp)));
                return 0;
            case WM_SYSCOLORCHANGE:
                ColorsChanged();
                return 0;
            case WM_DPICHANGED_AFTERPARENT:
                ApplyDpi(plat::WindowDpi(hwnd_));
                Refit();
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
        }
        return Message(msg, wp, lp);
    }

protected:
    // ---- Hooks.
    // Paints into the back buffer.
    virtual void Draw(HDC dc, const RECT& client) = 0;
    // Every message the base does not answer.
    virtual LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) = 0;
    // The look whose high-contrast colours the control paints with.
    virtual ButtonLook Look() const { return ButtonLook::Normal; }
    // Whether repaint requests reach the window.
    virtual bool Shown() const { return hwnd_ != nullptr; }
    virtual void ColorsChanged() { InvalidateRect(hwnd_, nullptr, FALSE); }
    // After a DPI change: the model has the new DPI; bring the rest in line.
    virtual void Refit() { ReportSize(); }
    // Runs inside the paint, before the client area is read.
    virtual void BeforePaint() {}
    // The focused control's cue, inset inside the control as Windows' buttons draw it.
    virtual void DrawFocusCue(HDC dc, const RECT& client) {
        RECT r = client;
        const int inset = plat::Scale(kFocusCueInset, dpi_);
        InflateRect(&r, -inset, -inset);
        if (r.right > r.left && r.bottom > r.top) PaintFocusRect(dc, r);
    }
    static constexpr int kFocusCueInset = 3;  // 96-dpi pixels

    // A mouse message's position in the window's client pixels, as the models take it.
    static float X(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
    static float Y(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }

    // ---- Sizes and places, between the window's pixels and the model's unit: converted here only.
    int ModelSize(int pixels) const { return plat::SizeFromPixels(Model::kSizeUnit, pixels, dpi_); }
    int WindowSize(int size) const { return plat::SizeToPixels(Model::kSizeUnit, size, dpi_); }
    int WindowPlace(double place) const { return plat::PlaceToPixels(Model::kSizeUnit, place, dpi_); }
    // An element's box with each edge placed on its own, so boxes that meet in the model meet on screen.
    RECT WindowRect(const RectF& r) const {
        return {WindowPlace(r.left), WindowPlace(r.top), WindowPlace(r.left + r.width), WindowPlace(r.top + r.height)};
    }
    // Tells the model the window's size.
    void ReportSize() {
        RECT r;
        GetClientRect(hwnd_, &r);
        model_.Resize(ModelSize(r.right), ModelSize(r.bottom));
    }

    // The model's colour, or in high contrast the system colour of the part in the current look.
    COLORREF Color(ColorRole role, OleColor design) const {
        return plat::OleToColorRef(PaintColor(services_.scheme, role, Look(), design));
    }
    // A caption's colour: a disabled control's is the disabled text's in high contrast.
    COLORREF TextColor(OleColor design) const {
        return Color(model_.Enabled() ? ColorRole::Text : ColorRole::DisabledText, design);
    }

    void ApplyDpi(UINT dpi) {
        dpi_ = dpi;
        model_.SetDpi(dpi);
    }

    // The window text of a control with a caption is the caption (the window was made with the instance name), so
    // screen readers and tools that read or set it meet the caption.
    void CaptionAsWindowText(const std::wstring& caption) {
        DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }

    // Loads the model from the stored properties when there are some (reporting what the load said), else makes
    // a new instance; `ambient` is what the model takes from its container.
    template <typename Ambient>
    void LoadOrInit(const ControlArgs& args, const Ambient& ambient) {
        if (args.bag) {
            const LoadResult result = model_.Load(*args.bag, ambient);
            ReportLoad(result, args.name);
            if (args.loaded) *args.loaded = result;
        } else {
            model_.InitNew(ambient);
        }
    }

    const plat::Services& services_;
    Model model_;
    ControlAccess<Model> access_{model_};
    UINT dpi_ = plat::kBaseDpi;
    bool ready_ = false;

private:
    // Paints double-buffered: the host draws into a back buffer the size of the client area.
    void Paint() {
        plat::PaintScope paint(hwnd_);
        BeforePaint();
        RECT client;
        GetClientRect(hwnd_, &client);
        plat::BackBuffer buffer(paint.get(), client.right, client.bottom);
        if (!buffer.ok()) return;
        Draw(buffer.dc(), client);
        if (GetFocus() == hwnd_ && plat::FocusCuesShown(hwnd_)) DrawFocusCue(buffer.dc(), client);
        buffer.Blit();
    }
};

// The host of a control that presses like a button (N_Shape, N_Selection): its colours follow the button's look,
// and it takes its input alike: pointer messages to the model's MouseMove, MouseDown, DblClick (the second press of
// a double-click, any button) or MouseUp, a press giving the control the focus first as a click on a Windows button
// does; a capture another window took to CaptureLost; timer ticks to TimerTick; a window text set by a screen
// reader or a tool to the caption it is. Arrows move the focus themselves, Enter is a key like any other and Space
// presses the button.
template <typename Model>
class ButtonHost : public ControlHost<Model> {
public:
    using ControlHost<Model>::ControlHost;

protected:
    ButtonLook Look() const override { return this->model_.ButtonState(); }

    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override {
        Model& model = this->model_;
        const HWND window = this->hwnd_;
        const float x = this->X(lp), y = this->Y(lp);
        switch (msg) {
            case WM_TIMER:
                model.TimerTick(static_cast<unsigned>(wp));
                return 0;
            case WM_CAPTURECHANGED:
                // Another window took the pointer (a message box a handler showed): the press ends without a click.
                if (reinterpret_cast<HWND>(lp) != window) model.CaptureLost();
                return 0;
            case WM_MOUSEMOVE:
                model.MouseMove(ButtonMask(wp), ShiftMask(), x, y);
                return 0;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDBLCLK:
                if (GetFocus() != window) SetFocus(window);
                if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK)
                    model.DblClick(ButtonOf(msg), ShiftMask(), x, y);
                else
                    model.MouseDown(ButtonOf(msg), ShiftMask(), x, y);
                return 0;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP:
                model.MouseUp(ButtonOf(msg), ShiftMask(), x, y);
                return 0;
            case WM_SETTEXT:
                model.SetCaption(lp ? reinterpret_cast<const wchar_t*>(lp) : L"");
                return TRUE;
        }
        return DefWindowProcW(window, msg, wp, lp);
    }
};

// The style of a control that is a tab stop of its own, which most of the kit's controls are.
constexpr DWORD kTabStopControlStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;

// The one way every control of the kit is made: a new host from the arguments (its services, the container's
// handlers), its window at the place the arguments give, then the host started from them (a load or a new
// instance). The window, or null when none was made.
template <typename Host, typename Args>
HWND CreateStarted(const wchar_t* className, const Args& args, DWORD style = kTabStopControlStyle, DWORD exStyle = 0) {
    if (!args.parent || !args.services) return nullptr;
    plat::WindowClass wc;  // registered once per process; double-clicks reach the control
    wc.name = className;
    wc.proc = &plat::WindowProc<Host>;
    wc.style = CS_DBLCLKS;
    if (!plat::RegisterWindowClass(wc)) return nullptr;
    // The window owns the state from WM_NCCREATE on; a window never made has freed it already.
    Host* state = new Host(*args.services, args);
    const RECT r = plat::PixelRect(args.place, plat::WindowDpi(args.parent));
    if (!plat::CreateHostedWindow(state, exStyle, className, args.name, style, r, args.parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id))))
        return nullptr;
    state->Start(args);
    return state->hwnd_;
}

// The model behind a host's window, only when the window is of the host's class (null for any other window).
template <typename Host>
auto ModelIfClass(HWND window, const wchar_t* className) -> decltype(&StateOf<Host>(window)->model()) {
    Host* state = StateIfClass<Host>(window, className);
    return state ? &state->model() : nullptr;
}

}  // namespace host
}  // namespace kit
