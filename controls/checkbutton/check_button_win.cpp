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
        switch (msg) {
            case WM_MOUSEMOVE: {
                // The system repeats the last move when the capture ends or windows change under the pointer;
                // only a real move may bring back the hover image after a click.
                const LPARAM moved = lp;
                const WPARAM buttons = wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
                if (haveLastMove_ && moved == lastMove_ && buttons == lastButtons_) return 0;
                haveLastMove_ = true;
                lastMove_ = moved;
                lastButtons_ = buttons;
                model_.MouseMove(host::ButtonMask(wp), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            }
            case WM_LBUTTONDOWN:
                if (GetFocus() != hwnd_) SetFocus(hwnd_);
                clickArmed_ = true;
                model_.MouseDown(host::ButtonOf(msg), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_RBUTTONDOWN:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDOWN:
            case WM_MBUTTONDBLCLK:
                model_.MouseDown(host::ButtonOf(msg), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_LBUTTONDBLCLK:
                // The second press of a double-click makes no click, so the value changes once.
                clickArmed_ = false;
                model_.DblClick(host::ButtonOf(msg), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP: {
                // A left press and release on the control make a click (judged before the capture goes, since
                // losing the capture otherwise cancels a pending click).
                bool click = false;
                if (msg == WM_LBUTTONUP && clickArmed_) {
                    RECT r;
                    GetClientRect(hwnd_, &r);
                    const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
                    click = PtInRect(&r, p) != FALSE;
                }
                if (msg == WM_LBUTTONUP) clickArmed_ = false;
                model_.MouseUp(host::ButtonOf(msg), host::ShiftMask(), X(lp), Y(lp));
                if (click) model_.Click();
                return 0;
            }
            case WM_CAPTURECHANGED:
                if (reinterpret_cast<HWND>(lp) != hwnd_) {
                    clickArmed_ = false;
                    model_.CaptureLost();
                }
                return 0;
            case WM_TIMER:
                model_.TimerTick(static_cast<unsigned>(wp));
                // Once the poll has seen the pointer leave, a move back to the same point is a real move.
                if (!model_.Polling()) haveLastMove_ = false;
                return 0;
        }
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
        plat::GdiObject<HBRUSH> back(CreateSolidBrush(Color(ColorRole::Surface, model_.BackColor())));
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
    bool clickArmed_ = false;
    bool haveLastMove_ = false;
    LPARAM lastMove_ = 0;
    WPARAM lastButtons_ = 0;
};

}  // namespace

HWND CreateCheckButton(const CheckButtonArgs& args) { return host::CreateControl<CheckHost>(kCheckButtonClass, args); }

CheckButton* CheckButtonOf(HWND window) { return host::ModelIfClass<CheckHost>(window, kCheckButtonClass); }

}  // namespace kit
