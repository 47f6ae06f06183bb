// The check button's window: pointer, click, key, focus and timer messages go to the model; paint draws the
// current box image scaled to the window's DPI, the caption and, while focused with the focus cues shown, a focus
// rectangle around the caption.
#include "controls/checkbutton/check_button_win.h"

#include "controls/common/contrast.h"
#include "controls/common/kit_host_win.h"
#include "platform/platform_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kCheckButtonClass[] = L"KitCheckButton";

namespace {

class CheckHost final : public host::ModelHost<CheckButton> {
public:
    using ModelHost::ModelHost;

    // The check button keeps the size its container gives it.
    void RequestSize(int, int) override {}

private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override {
        if (const auto routed = RoutePointer(msg, wp, lp)) return *routed;
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    void DrawBox(HDC dc) {
        const int index = model_.ShownImage();
        if (index < 0 || index >= kBoxImageCount) return;
        const BoxImage& image = CheckBoxImages()[static_cast<std::size_t>(index)];
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = BoxImage::kSide;
        info.bmiHeader.biHeight = -BoxImage::kSide;  // rows top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        const int side = WindowPlace(CheckButton::kBoxTwips);
        const int top = WindowPlace(model_.BoxTop());
        SetStretchBltMode(dc, side == BoxImage::kSide ? COLORONCOLOR : HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, 0, top, side, side, 0, 0, BoxImage::kSide, BoxImage::kSide, image.pixels.data(), &info,
                      DIB_RGB_COLORS, SRCCOPY);
    }

    // In high contrast the parts take system colours; the box images stay as they are.
    void Draw(HDC dc, const RECT& r) override {
        plat::GdiObject<HBRUSH> back(CreateSolidBrush(Color(ColorRole::Surface, model_.SurfaceColor())));
        FillRect(dc, &r, back.get());
        DrawBox(dc);
        DrawCaption(dc, fonts_.Get(model_.Font(), dpi_), model_.CaptionColor(), CheckButton::kCaptionLeft,
                    model_.CaptionTop(), model_.Caption());
    }

    // As on Windows' check boxes, the focus rectangle frames the caption (or a small area beside the box when it
    // is empty).
    void DrawFocusCue(HDC dc, const RECT&) override {
        const std::wstring caption = model_.Caption();
        const int left = WindowPlace(CheckButton::kCaptionLeft);
        const int top = WindowPlace(model_.CaptionTop());
        plat::SelectObj use(dc, fonts_.Get(model_.Font(), dpi_));
        SIZE extent = {};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const RECT mark = {left - 2, top, left + (extent.cx > 0 ? extent.cx : 4) + 2,
                           top + (extent.cy > 0 ? extent.cy : WindowPlace(model_.CaptionHeight()))};
        host::PaintFocusRect(dc, mark);
    }

    host::FontCache fonts_;
};

}  // namespace

HWND CreateCheckButton(const CheckButtonArgs& args) { return host::CreateControl<CheckHost>(kCheckButtonClass, args); }

CheckButton* CheckButtonOf(HWND window) { return host::ModelIfClass<CheckHost>(window, kCheckButtonClass); }

}  // namespace kit
