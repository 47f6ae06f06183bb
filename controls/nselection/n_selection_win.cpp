// The selection entry's window: pointer, key, timer and size messages go to the model; paint draws its look.
#include "controls/nselection/n_selection_win.h"

#include "controls/common/contrast.h"
#include "controls/common/kit_host_win.h"
#include "platform/platform_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kNSelectionClass[] = L"KitNSelection";

namespace {

class SelectionHost final : public host::ControlHost<SelectionHost, NSelection> {
public:
    using ControlHost::ControlHost;

    // ControlSite
    void CaptionChanged(const std::wstring& caption) override { FollowCaption(caption); }
    void RequestSize(int width, int height) override {
        if (!hwnd_) return;
        RECT r;
        GetClientRect(hwnd_, &r);
        const int wantedWidth = width == model_.Width() ? r.right : plat::ScaleRound(width, dpi_);
        const int wantedHeight = plat::ScaleRound(height, dpi_);
        if (r.right != wantedWidth || r.bottom != wantedHeight) {
            SetWindowPos(hwnd_, nullptr, 0, 0, wantedWidth, wantedHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // Before the control is placed the window only takes the size: the placement reports it.
        if (!ready_) return;
        // When the pixel size did not change (or rounds back to another 96-dpi height) no size message tells
        // the model; it then learns the window's width and the granted height here (a size it has already is no
        // change). The width is the window's: the model's may still be the design's before the first size report.
        model_.Resize(WindowSize().cx, height);
    }

    void Start(const NSelectionArgs& args) {
        AttachModel();
        LoadOrInit(args, kit::InstanceAmbient{args.name});
        CaptionAsWindowText(model_.Caption());
        // Placing the control is a size change like any other, made once: the window first takes the height the
        // layout keeps, so a new or loaded entry, at any size, raises one Resize and lays out at its final size.
        model_.Ajustar_Botao();
        ready_ = true;
        ReportSize();
    }

private:
    friend ControlHost;

    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) {
        if (const auto routed = host::RouteButtonInput(model_, hwnd_, msg, wp, lp)) return *routed;
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    // High-contrast colours follow the button's look.
    ButtonLook Look() const { return model_.ButtonState(); }

    // The window's client size in the model's 96-dpi pixels.
    plat::Size WindowSize() const {
        RECT r;
        GetClientRect(hwnd_, &r);
        return {plat::UnscaleRound(r.right, dpi_), plat::UnscaleRound(r.bottom, dpi_)};
    }
    void ReportSize() {
        const plat::Size window = WindowSize();
        model_.Resize(window.cx, window.cy);
    }

    void DrawLabel(HDC dc, const NSelection::Label& label) {
        if (label.text.empty()) return;
        plat::SelectObj use(dc, fonts_.Get(label.face, label.points, label.bold, dpi_));
        SetTextColor(dc, Color(model_.Enabled() ? ColorRole::Text : ColorRole::DisabledText, label.color));
        TextOutW(dc, plat::ScaleFloor(label.left, dpi_), plat::ScaleFloor(label.top, dpi_), label.text.c_str(),
                 static_cast<int>(label.text.size()));
    }

    void Draw(HDC dc, const RECT& r) {
        plat::GdiObject<HBRUSH> back(CreateSolidBrush(Color(ColorRole::Fill, model_.SurfaceColor())));
        FillRect(dc, &r, back.get());
        SetBkMode(dc, TRANSPARENT);
        // Text wider than the control is cut at its right edge.
        DrawLabel(dc, model_.Label1());
        DrawLabel(dc, model_.Label_Descricao());
    }

    host::FontCache fonts_;
};

}  // namespace

HWND CreateNSelection(const NSelectionArgs& args) { return host::CreateStarted<SelectionHost>(kNSelectionClass, args); }

NSelection* NSelectionOf(HWND window) { return host::ModelIfClass<SelectionHost>(window, kNSelectionClass); }

}  // namespace kit
