// The selection entry's window: pointer, key, timer and size messages go to the model; paint draws its look.
#include "controls/nselection/n_selection_win.h"

#include "controls/common/kit_host_win.h"
#include "controls/common/property_bag_win.h"
#include "platform/platform_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kNSelectionClass[] = L"KitNSelection";

namespace {

class SelectionHost final : public ControlSite {
public:
    explicit SelectionHost(const NSelection::Events& events) : model_(plat::Win32Services(), events) {}

    // ControlSite
    void Invalidate() override {
        if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
    }
    void Refresh() override {
        if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    void SetInputEnabled(bool enabled) override {
        if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
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
            ReportLoad(model_.Load(*args.bag), args.name, *args.bag);
        } else {
            model_.InitNew(args.name);
        }
        // The container's size reaches the model after the properties, and lays it out.
        ReportSize();
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_SIZE:
                if (ready_) ReportSize();
                return 0;
            case WM_ERASEBKGND:
                return TRUE;
            case WM_PAINT:
                Paint();
                return 0;
            case WM_MOUSEMOVE:
                model_.MouseMove(host::ButtonMask(wp), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDBLCLK:
                if (GetFocus() != hwnd_) SetFocus(hwnd_);
                model_.MouseDown(PressedButton(msg), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP:
                model_.MouseUp(PressedButton(msg), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_LBUTTONDBLCLK:
                model_.DblClick(1, host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_GETDLGCODE: {
                LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
                const MSG* m = reinterpret_cast<const MSG*>(lp);
                if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
                return code;
            }
            case WM_KEYDOWN:
                model_.KeyDown(static_cast<std::int16_t>(wp), host::ShiftMask());
                return 0;
            case WM_SYSKEYDOWN:
                model_.KeyDown(static_cast<std::int16_t>(wp), host::ShiftMask());
                break;
            case WM_CHAR:
                model_.KeyPress(static_cast<std::int16_t>(wp));
                return 0;
            case WM_KEYUP:
                model_.KeyUp(static_cast<std::int16_t>(wp), host::ShiftMask());
                return 0;
            case WM_SYSKEYUP:
                model_.KeyUp(static_cast<std::int16_t>(wp), host::ShiftMask());
                break;
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

    HWND hwnd_ = nullptr;

private:
    static std::int16_t PressedButton(UINT msg) {
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
    static float X(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
    static float Y(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }

    void ReportSize() {
        RECT r;
        GetClientRect(hwnd_, &r);
        model_.Resize(plat::UnscaleRound(r.right, dpi_), plat::UnscaleRound(r.bottom, dpi_));
    }

    void DrawLabel(HDC dc, const NSelection::Label& label) {
        if (label.text.empty()) return;
        plat::SelectObj use(dc, fonts_.Get(label.face, label.points, label.bold, dpi_));
        SetTextColor(dc, plat::OleToColorRef(label.color));
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
        plat::GdiObject<HBRUSH> back(CreateSolidBrush(plat::OleToColorRef(model_.SurfaceColor())));
        FillRect(dc, &r, back.get());
        SetBkMode(dc, TRANSPARENT);
        // Text wider than the control is cut at its right edge.
        DrawLabel(dc, model_.Label1());
        DrawLabel(dc, model_.Label_Descricao());
        buffer.Blit();
    }

    NSelection model_;
    host::FontCache fonts_;
    UINT dpi_ = 96;
    bool ready_ = false;
};

}  // namespace

HWND CreateNSelection(const NSelectionArgs& args) {
    if (!host::RegisterControlClass(kNSelectionClass, &host::ControlProc<SelectionHost>, CS_DBLCLKS)) return nullptr;
    auto* state = new SelectionHost(args.events);
    const RECT r = plat::TwipsRect(args.left, args.top, args.width, args.height, plat::WindowDpi(args.parent));
    HWND window =
        host::CreateControlWindow(state, 0, kNSelectionClass, args.name,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, r, args.parent, args.id);
    if (!window) return nullptr;
    state->Start(args);
    return window;
}

NSelection* NSelectionOf(HWND window) {
    SelectionHost* state = host::StateIfClass<SelectionHost>(window, kNSelectionClass);
    return state ? &state->model() : nullptr;
}

}  // namespace kit
