// The one Win32 host of the kit's controls, which only translates: messages into the model's input, the model's
// look onto the window's canvas, a size asked for applied and reported once, a text field offered.
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

// WM_GETDLGCODE of a control that owns every key but Tab: the dialog manager moves the focus on Tab and
// Shift+Tab and leaves every other key press and character (arrows, Enter, Escape...) to the control.
inline LRESULT WantEveryKeyButTab(LRESULT code, LPARAM lp) {
    code |= DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* m = reinterpret_cast<const MSG*>(lp);
    if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam != VK_TAB) code |= DLGC_WANTMESSAGE;
    return code;
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

// The window side of a text field a host offers: a native edit box the control's creation line makes, which
// reports through the host's routes. ParentMessage: its notifications and colours, which reach the host; Refit:
// the DPI or the system's colours changed.
class Field : public TextField {
public:
    virtual ~Field() = default;
    virtual HWND Window() const = 0;
    virtual bool Visible() const = 0;  // whether the control has it shown
    virtual std::optional<LRESULT> ParentMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;
    virtual void Refit() = 0;
};
using FieldMaker = std::unique_ptr<Field> (*)(ControlHost& host);

// The one host. It holds its control through the interface only, with its screen-reader answers; converts pointer
// positions and sizes between the window's pixels and the control's unit (its UnitScale, nowhere else); answers
// the messages every control treats alike; and paints double-buffered on a GdiCanvas. At WM_CREATE come the text
// field (when the creation line offers one), Attach, then MakeControl. The focus cue shows the Windows way, once
// the keyboard has been used (platform/keyboard_win.h).
class ControlHost : public ControlSite {
public:
    HWND hwnd_ = nullptr;  // set by the window procedure

    ControlHost(const plat::Services& services, Control& control, const ControlArgs& args, FieldMaker field);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    // ControlSite. A repaint may mean new states for screen readers.
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
    // The window text follows, readers hear the new name, and it shows at once (a caller may block the thread next).
    void CaptionChanged(const std::wstring& caption) override;

    // ---- For a field: the routes a part's pointer and keys take to the control (the kind routed, or whether the
    // message was a key; a typed character's result in `passed`), and what it draws with.
    std::optional<Input::Kind> RoutePointer(int part, HWND window, UINT msg, WPARAM wp, LPARAM lp);
    bool RouteKey(int part, UINT msg, WPARAM wp, std::int16_t* passed = nullptr);
    Control& control() { return control_; }
    plat::UnitScale Units() const { return {control_.SizeUnit(), plat::Dpi{dpi_}}; }
    plat::DisplayScheme* Scheme() const { return services_.scheme; }

private:
    bool Shown() const { return hwnd_ && IsWindowVisible(hwnd_); }
    void Create();
    void Paint();
    void ReportSize();
    // After a DPI change: the window goes to its place at the new DPI, keeping its size in the control's unit.
    void Refit();
    int ModelSize(int pixels) const { return Units().SizeFromPixels(pixels); }
    // The window was made with the instance name; tools and readers meet the caption.
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

// A host of one model, its own member made from the creation arguments.
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

// The one way every control is made: its host, its window at the arguments' place, the control made at
// WM_CREATE. The window, or null.
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

// The model behind a window, only when the window is of the model's class (null for any other window).
template <typename Model>
Model* ModelIfClass(HWND window, const wchar_t* className) {
    ModelHost<Model>* state = plat::StateIfClass<ModelHost<Model>>(window, className);
    return state ? &state->model() : nullptr;
}

}  // namespace host
}  // namespace kit
