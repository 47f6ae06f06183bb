// The one Win32 host of the kit's controls: it only translates. Window messages become the model's input, the
// model paints its whole look on the window's canvas, a size the model asks for is applied and reported once, and
// a text field is offered to a model that drives one.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "controls/common/control.h"
#include "controls/common/control_events.h"
#include "controls/common/control_site.h"
#include "controls/common/kit_accessible_win.h"
#include "controls/common/property_bag.h"
#include "controls/common/property_bag_win.h"
#include "platform/canvas_win.h"
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
inline bool IsButtonMessage(UINT msg) { return msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK; }
// The kind of one of those messages, and its button (1 left, 2 right, 4 middle).
inline Input::Kind KindOf(UINT msg) {
    static const Input::Kind kinds[] = {Input::Down, Input::Up, Input::Double};
    return kinds[(msg - WM_LBUTTONDOWN) % 3];
}
inline std::int16_t ButtonOf(UINT msg) { return static_cast<std::int16_t>(1 << ((msg - WM_LBUTTONDOWN) / 3)); }

// WM_GETDLGCODE of a control that owns every key but Tab: the dialog manager moves the focus on Tab and
// Shift+Tab and leaves every other key press and character (arrows, Enter, Escape...) to the control.
inline LRESULT WantEveryKeyButTab(LRESULT code, LPARAM lp) {
    code |= DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* m = reinterpret_cast<const MSG*>(lp);
    if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam != VK_TAB) code |= DLGC_WANTMESSAGE;
    return code;
}

// Pointer and keyboard messages, which a disabled control does not take.
inline bool IsInput(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

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
    plat::PictureSource pictures;              // where the pictures come from; null: the program's own
};

class ControlHost;

// The window side of a text field a host offers its control: a native edit box made by the control's creation
// line, which reports through the host's routes.
class Field : public TextField {
public:
    virtual ~Field() = default;
    virtual HWND Window() const = 0;
    // Whether the control has it shown.
    virtual bool Visible() const = 0;
    // The field's messages to its parent (its notifications and colours); nothing for any other.
    virtual std::optional<LRESULT> ParentMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;
    // The DPI or the system's colours changed: the field shows its look again.
    virtual void Refit() = 0;
};
using FieldMaker = std::unique_ptr<Field> (*)(ControlHost& host);

// The one host. It holds its control through the interface only, with its screen-reader answers; converts pointer
// positions and sizes between the window's pixels and the control's unit (its UnitScale, nowhere else); answers
// the messages every control treats alike (input a disabled control drops, keys for a control whose window takes
// them, focus, size, system colours, erase, paint, a DPI change); and paints double-buffered on a GdiCanvas, with the
// fonts and pictures it keeps between paints.
//
// At WM_CREATE come the text field (when the control's creation line offers one), the control's window and site
// (Attach), then MakeControl. The focus shows the Windows way: while the window's focus cues show (after keyboard
// use, platform/keyboard_win.h) the canvas tells the control to draw its cue.
class ControlHost : public ControlSite {
public:
    HWND hwnd_ = nullptr;  // set by the window procedure

    ControlHost(const plat::Services& services, Control& control, const ControlArgs& args, FieldMaker field);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    // ControlSite. Repaints and the enabled flag go to the host's own window; a repaint may mean new states for
    // screen readers.
    void Invalidate() override;
    void Refresh() override;
    void SetInputEnabled(bool enabled) override;
    plat::Size Extent() const override;
    void RequestSize(int width, int height) override;
    plat::Point ClientPixel(double x, double y) const override { return Units().ClientPixel(x, y); }
    plat::SizeF MeasureText(std::wstring_view text, const plat::FontSpec& font) override {
        return plat::MeasureText(cache_.fonts, Units(), text, font);
    }
    std::optional<plat::Size> PictureSize(std::wstring_view ref) override;
    TextField* Field() override { return field_.get(); }
    host::Field* OfferedField() const { return field_.get(); }
    void TakeFocus() override {
        if (GetFocus() != hwnd_) SetFocus(hwnd_);
    }
    // The caption changed: the window text follows, screen readers hear the new name, and the control shows it at
    // once (a caller that blocks the thread next would otherwise keep it unseen).
    void CaptionChanged(const std::wstring& caption) override;

    // ---- For a field: the routes its messages take, a part's pointer and keys to the control (true when the
    // message was one of them; a typed character's result in `passed`), and what it draws with.
    bool RoutePointer(int part, HWND window, UINT msg, WPARAM wp, LPARAM lp);
    bool RouteKey(int part, UINT msg, WPARAM wp, std::int16_t* passed = nullptr);
    std::int16_t Take(const Input& input) { return control_.Take(input); }
    Control& control() { return control_; }
    plat::UnitScale Units() const { return {control_.SizeUnit(), plat::Dpi{dpi_}}; }
    UINT Dpi() const { return dpi_; }
    plat::DisplayScheme* Scheme() const { return services_.scheme; }
    plat::PaintCache& Cache() { return cache_; }

private:
    bool Shown() const { return hwnd_ && IsWindowVisible(hwnd_); }
    void Create();
    void Paint();
    // Tells the control the window's size.
    void ReportSize();
    // After a DPI change: the window goes to its place at the new DPI, keeping its size in the control's unit.
    void Refit();
    int ModelSize(int pixels) const { return Units().SizeFromPixels(pixels); }
    // The window text of a control whose caption it is (the window was made with the instance name), so screen
    // readers and tools that read or set it meet the caption.
    void CaptionAsWindowText(const std::wstring& caption) {
        DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }

    const plat::Services& services_;
    Control& control_;
    ControlAccess access_{control_};
    const ControlArgs* args_;  // while the window is being made
    plat::TwipsRect place_;
    FieldMaker makeField_;
    std::unique_ptr<host::Field> field_;
    plat::PaintCache cache_;
    UINT dpi_ = plat::kBaseDpi;
};

// A host of one model, its own member made from the creation arguments (the services and the container's handlers).
template <typename Model>
class ModelHost final : public ControlHost {
public:
    template <typename Args>
    ModelHost(const plat::Services& services, const Args& args, FieldMaker field)
        : ControlHost(services, model_, args, field), model_(services, args.events) {}

    Model& model() { return model_; }

private:
    Model model_;
};

// The style of a control that is a tab stop of its own, which most of the kit's controls are.
constexpr DWORD kTabStopControlStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;

// The one way every control of the kit is made: its host from the arguments, its window at the place the
// arguments give, the control made with it (WM_CREATE). The window, or null when none was made.
template <typename Model, typename Args>
HWND CreateControl(const wchar_t* className, const Args& args, DWORD style = kTabStopControlStyle, DWORD exStyle = 0,
                   FieldMaker field = nullptr) {
    using Host = ModelHost<Model>;
    if (!args.parent || !args.services) return nullptr;
    plat::WindowClass wc;  // registered once per process; double-clicks reach the control
    wc.name = className;
    wc.proc = &plat::WindowProc<Host>;
    wc.style = CS_DBLCLKS;
    if (!plat::RegisterWindowClass(wc)) return nullptr;
    // The window owns the state from WM_NCCREATE on; a window never made has freed it already.
    Host* state = new Host(*args.services, args, field);
    const RECT r = plat::PixelRect(args.place, plat::WindowDpi(args.parent));
    return plat::CreateHostedWindow(state, exStyle, className, args.name, style, r, args.parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)));
}

// The model behind a window, only when the window is of the model's class (null for any other window); and its host.
template <typename Model>
ControlHost* HostIfClass(HWND window, const wchar_t* className) {
    return plat::StateIfClass<ModelHost<Model>>(window, className);
}
template <typename Model>
Model* ModelIfClass(HWND window, const wchar_t* className) {
    ModelHost<Model>* state = plat::StateIfClass<ModelHost<Model>>(window, className);
    return state ? &state->model() : nullptr;
}

}  // namespace host
}  // namespace kit
