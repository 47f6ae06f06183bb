// The selection entry's window: pointer, key, timer and size messages go to the model; paint draws its look.
#include "controls/nselection/n_selection_win.h"

#include "controls/common/contrast.h"
#include "controls/common/kit_accessible_win.h"
#include "controls/common/kit_host_win.h"
#include "controls/common/property_bag_win.h"
#include "platform/platform_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kNSelectionClass[] = L"KitNSelection";

namespace {

class SelectionHost final : public host::WindowSite {
public:
    explicit SelectionHost(const NSelection::Events& events) : model_(plat::Win32Services(), events) {}

    // ControlSite
    void Invalidate() override {
        access_.StatesMayHaveChanged();
        WindowSite::Invalidate();
    }
    void RequestSize(int width, int height) override {
        if (!hwnd_) return;
        RECT r;
        GetClientRect(hwnd_, &r);
        const int wantedWidth = width == model_.Width() ? r.right : plat::ScaleRound(width, dpi_);
        const int wantedHeight = plat::ScaleRound(height, dpi_);
        if (r.right != wantedWidth || r.bottom != wantedHeight) {
            SetWindowPos(hwnd_, nullptr, 0, 0, wantedWidth, wantedHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // When the pixel size did not change (or rounds back to another 96-dpi height) no size message tells
        // the model; report the granted height directly so the layout finishes with it.
        if (model_.Width() != width || model_.Height() != height) model_.Resize(width, height);
    }

    void Start(const NSelectionArgs& args) {
        dpi_ = plat::WindowDpi(hwnd_);
        model_.Attach(reinterpret_cast<plat::WindowId>(hwnd_), this, dpi_);
        ready_ = true;
        if (args.bag) {
            ReportLoad(model_.Load(*args.bag), args.name);
        } else {
            model_.InitNew(args.name);
        }
        // The container's size reaches the model after the properties, and lays it out.
        ReportSize();
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        LRESULT answered = 0;
        if (access_.Handle(hwnd_, msg, wp, lp, &answered)) return answered;
        if (const auto keyResult = host::RouteKey(model_, hwnd_, msg, wp, lp)) return *keyResult;
        switch (msg) {
            case WM_SIZE:
                if (ready_) ReportSize();
                return 0;
            case WM_SYSCOLORCHANGE:
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
            case WM_ERASEBKGND:
                return TRUE;
            case WM_PAINT:
                Paint();
                return 0;
            case WM_MOUSEMOVE:
                model_.MouseMove(host::ButtonMask(wp), host::ShiftMask(), host::PointerX(lp), host::PointerY(lp));
                return 0;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDBLCLK:
                if (GetFocus() != hwnd_) SetFocus(hwnd_);
                model_.MouseDown(host::ButtonOf(msg), host::ShiftMask(), host::PointerX(lp), host::PointerY(lp));
                return 0;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP:
                model_.MouseUp(host::ButtonOf(msg), host::ShiftMask(), host::PointerX(lp), host::PointerY(lp));
                return 0;
            case WM_LBUTTONDBLCLK:
                model_.DblClick(1, host::ShiftMask(), host::PointerX(lp), host::PointerY(lp));
                return 0;
            case WM_GETDLGCODE: {
                LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
                const MSG* m = reinterpret_cast<const MSG*>(lp);
                if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
                return code;
            }
            case WM_TIMER:
                model_.TimerTick(static_cast<unsigned>(wp));
                return 0;
            case WM_DPICHANGED_AFTERPARENT:
                dpi_ = plat::WindowDpi(hwnd_);
                model_.SetDpi(dpi_);
                ReportSize();
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    NSelection& model() { return model_; }

private:
    // The model's colour, or in high contrast the system colour of the part in the current look.
    COLORREF Colour(ColorRole role, OleColor design) const {
        const auto look = static_cast<RoleLook>(model_.ButtonState());
        return plat::OleToColorRef(PaintColor(plat::Win32Services().scheme, role, look, design));
    }

    void ReportSize() {
        RECT r;
        GetClientRect(hwnd_, &r);
        model_.Resize(plat::UnscaleRound(r.right, dpi_), plat::UnscaleRound(r.bottom, dpi_));
    }

    void DrawLabel(HDC dc, const NSelection::Label& label) {
        if (label.text.empty()) return;
        plat::SelectObj use(dc, fonts_.Get(label.face, label.points, label.bold, dpi_));
        SetTextColor(dc, Colour(model_.Enabled() ? ColorRole::Text : ColorRole::DisabledText, label.color));
        TextOutW(dc, plat::ScaleRound(label.left, dpi_), plat::ScaleRound(label.top, dpi_), label.text.c_str(),
                 static_cast<int>(label.text.size()));
    }

    void Paint() {
        plat::PaintScope paint(hwnd_);
        RECT r;
        GetClientRect(hwnd_, &r);
        plat::BackBuffer buffer(paint.get(), r.right, r.bottom);
        if (!buffer.ok()) return;
        HDC dc = buffer.dc();
        plat::GdiObject<HBRUSH> back(CreateSolidBrush(Colour(ColorRole::Fill, model_.SurfaceColor())));
        FillRect(dc, &r, back.get());
        SetBkMode(dc, TRANSPARENT);
        // Text wider than the control is cut at its right edge.
        DrawLabel(dc, model_.Label1());
        DrawLabel(dc, model_.Label_Descricao());
        buffer.Blit();
    }

    NSelection model_;
    ControlAccess<NSelection> access_{model_};
    host::FontCache fonts_;
    UINT dpi_ = 96;
    bool ready_ = false;
};

}  // namespace

HWND CreateNSelection(const NSelectionArgs& args) {
    SelectionHost* state =
        host::CreateControl(new SelectionHost(args.events),
                            {kNSelectionClass, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, args.parent,
                             args.id, args.name, args.left, args.top, args.width, args.height});
    if (!state) return nullptr;
    state->Start(args);
    return state->hwnd_;
}

NSelection* NSelectionOf(HWND window) {
    SelectionHost* state = host::StateIfClass<SelectionHost>(window, kNSelectionClass);
    return state ? &state->model() : nullptr;
}

}  // namespace kit
