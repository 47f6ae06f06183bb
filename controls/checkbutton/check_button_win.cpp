// The check button's window: pointer, click, key, focus and timer messages go to the model; paint draws the
// current box image scaled to the window's DPI, the caption and, while focused, a focus mark.
#include "controls/checkbutton/check_button_win.h"

#include "controls/common/kit_host_win.h"
#include "controls/common/property_bag_win.h"
#include "platform/platform_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kCheckButtonClass[] = L"KitCheckButton";

namespace {

class CheckHost final : public CheckButton::View {
public:
    explicit CheckHost(const CheckButton::Events& events) : model_(plat::Win32Services(), events) {}

    void Repaint() override {
        if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
    }
    void SetInputEnabled(bool enabled) override {
        if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    }

    void Start(const CheckButtonArgs& args) {
        dpi_ = plat::WindowDpi(hwnd_);
        model_.Attach(reinterpret_cast<plat::WindowId>(hwnd_), this, dpi_);
        if (args.bag)
            ReportLoad(model_.Load(*args.bag, args.name, args.containerFont), args.name, *args.bag);
        else
            model_.InitNew(args.name, args.containerFont);
        ready_ = true;
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
                SetCapture(hwnd_);
                model_.MouseDown(1, host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_RBUTTONDOWN:
            case WM_RBUTTONDBLCLK:
                SetCapture(hwnd_);
                model_.MouseDown(2, host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_MBUTTONDOWN:
            case WM_MBUTTONDBLCLK:
                SetCapture(hwnd_);
                model_.MouseDown(4, host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_LBUTTONDBLCLK:
                // The second press of a double-click makes no click, so the value changes once.
                clickArmed_ = false;
                SetCapture(hwnd_);
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
                if ((wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == hwnd_) ReleaseCapture();
                const std::int16_t button = msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4;
                model_.MouseUp(button, host::ShiftMask(), X(lp), Y(lp));
                if (click) model_.Click();
                return 0;
            }
            case WM_CAPTURECHANGED:
                if (reinterpret_cast<HWND>(lp) != hwnd_) clickArmed_ = false;
                return 0;
            case WM_GETDLGCODE:
                return DLGC_WANTARROWS | DLGC_WANTCHARS;
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                model_.KeyDown(static_cast<std::int16_t>(wp), host::ShiftMask());
                if (msg == WM_SYSKEYDOWN) break;
                return 0;
            case WM_CHAR:
                model_.KeyPress(static_cast<std::int16_t>(wp));
                return 0;
            case WM_KEYUP:
            case WM_SYSKEYUP:
                model_.KeyUp(static_cast<std::int16_t>(wp), host::ShiftMask());
                if (msg == WM_SYSKEYUP) break;
                return 0;
            case WM_SETFOCUS:
            case WM_KILLFOCUS:
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
            case WM_TIMER:
                if (wp == CheckButton::kTimer1) {
                    model_.Timer1Tick();
                    // Once the poll has seen the pointer leave, a move back to the same point is a real move.
                    if (!model_.Timer1Running()) haveLastMove_ = false;
                    return 0;
                }
                break;
            case WM_DPICHANGED_AFTERPARENT:
                dpi_ = plat::WindowDpi(hwnd_);
                model_.SetDpi(dpi_);
                ReportSize();
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    CheckButton& model() { return model_; }

    HWND hwnd_ = nullptr;

private:
    float X(LPARAM lp) const { return static_cast<float>(static_cast<short>(LOWORD(lp)) * 1440.0 / dpi_); }
    float Y(LPARAM lp) const { return static_cast<float>(static_cast<short>(HIWORD(lp)) * 1440.0 / dpi_); }

    void ReportSize() {
        RECT r;
        GetClientRect(hwnd_, &r);
        model_.Resize(host::TwipsFromPixels(r.right, dpi_), host::TwipsFromPixels(r.bottom, dpi_));
    }

    void DrawBox(HDC dc) {
        const int index = model_.ShownImage();
        if (index < 0 || index >= 12) return;
        const BoxImage& image = CheckBoxImages()[static_cast<std::size_t>(index)];
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = BoxImage::kSide;
        info.bmiHeader.biHeight = -BoxImage::kSide;  // rows top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        const int side = host::PixelsFromTwips(CheckButton::kBoxTwips, dpi_);
        const int top = host::PixelsFromTwips(model_.BoxTop(), dpi_);
        SetStretchBltMode(dc, side == BoxImage::kSide ? COLORONCOLOR : HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, 0, top, side, side, 0, 0, BoxImage::kSide, BoxImage::kSide, image.pixels.data(), &info,
                      DIB_RGB_COLORS, SRCCOPY);
    }

    void Paint() {
        plat::PaintScope paint(hwnd_);
        RECT r;
        GetClientRect(hwnd_, &r);
        plat::BackBuffer buffer(paint.get(), r.right, r.bottom);
        if (!buffer.ok()) return;
        HDC dc = buffer.dc();
        plat::GdiObject<HBRUSH> back(CreateSolidBrush(plat::OleToColorRef(model_.BackColor())));
        FillRect(dc, &r, back.get());
        DrawBox(dc);
        const std::wstring& caption = model_.Caption();
        const int left = host::PixelsFromTwips(CheckButton::kCaptionLeft, dpi_);
        const int top = host::PixelsFromTwips(model_.CaptionTop(), dpi_);
        plat::SelectObj use(dc, fonts_.Get(model_.Font(), dpi_));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, plat::OleToColorRef(model_.CaptionColor()));
        SIZE extent = {};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        TextOutW(dc, left, top, caption.c_str(), static_cast<int>(caption.size()));
        if (GetFocus() == hwnd_) {
            // The focus mark frames the caption (or a small area beside the box when it is empty).
            RECT mark = {left - 2, top, left + (extent.cx > 0 ? extent.cx : 4) + 2,
                         top + (extent.cy > 0 ? extent.cy : host::PixelsFromTwips(model_.CaptionHeight(), dpi_))};
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            DrawFocusRect(dc, &mark);
        }
        buffer.Blit();
    }

    CheckButton model_;
    host::FontCache fonts_;
    UINT dpi_ = 96;
    bool ready_ = false;
    bool clickArmed_ = false;
    bool haveLastMove_ = false;
    LPARAM lastMove_ = 0;
    WPARAM lastButtons_ = 0;
};

}  // namespace

HWND CreateCheckButton(const CheckButtonArgs& args) {
    if (!host::RegisterControlClass(kCheckButtonClass, &host::ControlProc<CheckHost>, CS_DBLCLKS)) return nullptr;
    auto* state = new CheckHost(args.events);
    const RECT r = plat::TwipsRect(args.left, args.top, args.width, args.height, plat::WindowDpi(args.parent));
    HWND window =
        host::CreateControlWindow(state, 0, kCheckButtonClass, args.name,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, r, args.parent, args.id);
    if (!window) return nullptr;
    state->Start(args);
    return window;
}

CheckButton* CheckButtonOf(HWND window) {
    CheckHost* state = host::StateIfClass<CheckHost>(window, kCheckButtonClass);
    return state ? &state->model() : nullptr;
}

}  // namespace kit
