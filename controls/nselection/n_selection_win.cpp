// The selection entry's window: pointer, key, timer and size messages go to the model; paint draws its look.
#include "controls/nselection/n_selection_win.h"

#include "controls/common/contrast.h"
#include "controls/common/kit_host_win.h"
#include "platform/platform_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kNSelectionClass[] = L"KitNSelection";

namespace {

class SelectionHost final : public host::ModelHost<NSelection, host::ButtonHost> {
public:
    using ModelHost::ModelHost;

    // ControlSite
    void RequestSize(int width, int height) override {
        if (!hwnd_) return;
        RECT r;
        GetClientRect(hwnd_, &r);
        const int wantedWidth = width == model_.Width() ? r.right : WindowSize(width);
        const int wantedHeight = WindowSize(height);
        if (r.right != wantedWidth || r.bottom != wantedHeight) {
            SetWindowPos(hwnd_, nullptr, 0, 0, wantedWidth, wantedHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // Before the control has its first size the window only takes the size: the creation reports it.
        if (!Sized()) return;
        // When the pixel size did not change (or rounds back to another 96-dpi height) no size message tells
        // the model; it then learns the window's width and the granted height here (a size it has already is no
        // change). The width is the window's: the model's may still be the design's before the first size report.
        GetClientRect(hwnd_, &r);
        model_.Resize(ModelSize(r.right), height);
    }

private:
    void DrawLabel(HDC dc, const NSelection::Label& label) {
        if (!label.text.empty())
            DrawCaption(dc, fonts_.Get(label.face, label.points, label.bold, dpi_), label.color, label.left, label.top,
                        label.text);
    }

    void Draw(HDC dc, const RECT& r) override {
        plat::GdiObject<HBRUSH> back(CreateSolidBrush(Color(ColorRole::Fill, model_.SurfaceColor())));
        FillRect(dc, &r, back.get());
        // Text wider than the control is cut at its right edge.
        DrawLabel(dc, model_.Label1());
        DrawLabel(dc, model_.Label_Descricao());
    }

    host::FontCache fonts_;
};

}  // namespace

HWND CreateNSelection(const NSelectionArgs& args) { return host::CreateControl<SelectionHost>(kNSelectionClass, args); }

NSelection* NSelectionOf(HWND window) { return host::ModelIfClass<SelectionHost>(window, kNSelectionClass); }

}  // namespace kit
