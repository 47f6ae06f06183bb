// Win32 host of N_Shape: turns the window's messages into model calls and paints the model's elements with GDI.
#include "controls/nshape/n_shape_win.h"

#include <windowsx.h>

#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "controls/common/kit_host_win.h"
#include "controls/common/property_bag_win.h"
#include "platform/image_win.h"
#include "platform/platform_win.h"
#include "platform/scoped_win.h"
#include "platform/window_win.h"

#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace kit {

const wchar_t kNShapeClass[] = L"RelantoNShape";

namespace {

// A decoded picture: a top-down 32-bit premultiplied DIB, ready for AlphaBlend.
using Image = plat::DibImage;

std::unique_ptr<Image> Decode(const std::string& bytes) {
    auto image = std::make_unique<Image>();
    if (!plat::DecodeImage(bytes, image.get())) return nullptr;
    return image;
}

class Host final : public ControlSite {
public:
    Host(const plat::Services& services, PictureSource pictures, int width96, int height96, const RECT& twips)
        : pictures_(std::move(pictures)), twips_(twips), model_(services, 0, width96, height96, this) {
        model_.SetPictureSizer([this](const Picture& p) -> std::optional<plat::Size> {
            const Image* image = ImageFor(p);
            if (!image) return std::nullopt;
            return plat::Size{image->width, image->height};
        });
    }

    NShape& model() { return model_; }

    // ControlSite
    // A window that is not on screen has nothing to repaint: showing it paints it whole. Skipping the requests
    // saves a round trip to the window manager for each property a design load applies.
    void Invalidate() override {
        if (Shown()) InvalidateRect(hwnd_, nullptr, FALSE);
    }
    void Refresh() override {
        if (Shown()) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    void RequestSize(int width96, int height96) override {
        if (!hwnd_) return;
        RECT rc;
        GetClientRect(hwnd_, &rc);
        twips_.right = twips_.left + plat::TwipsFrom96(width96);
        int height = rc.bottom;
        if (height96 != model_.Height()) {
            twips_.bottom = twips_.top + plat::TwipsFrom96(height96);
            height = plat::Scale(height96, dpi_);
        }
        SetWindowPos(hwnd_, nullptr, 0, 0, plat::Scale(width96, dpi_), height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void SetInputEnabled(bool enabled) override {
        if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    }
    void CaptionChanged(const std::wstring& caption) override {
        if (!hwnd_) return;
        // Straight to the default handler: WM_SETTEXT sent to the button sets the caption itself.
        DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
        if (!Shown()) return;
        InvalidateRect(hwnd_, nullptr, FALSE);
        UpdateWindow(hwnd_);
        // Push the pixels out now: a caller that blocks the thread next would otherwise keep them unseen. Windows'
        // compositor shows them by itself; Wine copies painted windows to the display only when the thread
        // waits for messages, which this zero-length wait does without taking any message.
        GdiFlush();
        MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
    }

private:
    bool Shown() const { return hwnd_ && IsWindowVisible(hwnd_); }
    int ToDevice(double pixels96) const { return plat::ScaleFloor(pixels96, dpi_); }

    void Attach() {
        dpi_ = plat::WindowDpi(hwnd_);
        model_.Attach(reinterpret_cast<plat::WindowId>(hwnd_), this, dpi_);
    }

    const Image* ImageFor(const Picture& picture) {
        if (picture.empty()) return nullptr;
        auto it = images_.find(picture.ref);
        if (it == images_.end()) {
            std::string bytes;
            std::unique_ptr<Image> image;
            const bool found = pictures_ ? pictures_(picture.ref, &bytes) : ProgramPictureSource(picture.ref, &bytes);
            if (found) image = Decode(bytes);
            it = images_.emplace(picture.ref, std::move(image)).first;  // failures are remembered too
        }
        return it->second.get();
    }

    HFONT CaptionFont() { return fonts_.Get(NShape::kCaptionFace, model_.CaptionPoints(), model_.FontBold(), dpi_); }

    void Paint() {
        plat::PaintScope ps(hwnd_);
        const UINT dpi = plat::WindowDpi(hwnd_);
        if (dpi != dpi_) ApplyDpi(dpi);
        model_.OnPaint();
        RECT rc;
        GetClientRect(hwnd_, &rc);
        plat::BackBuffer buffer(ps.get(), rc.right, rc.bottom);
        if (!buffer.ok()) return;
        Draw(buffer.dc(), rc);
        buffer.Blit();
    }

    void Draw(HDC dc, const RECT& rc) {
        {
            plat::GdiObject<HBRUSH> surface(CreateSolidBrush(plat::OleToColorRef(model_.SurfaceColor())));
            FillRect(dc, &rc, surface.get());
        }
        {
            const RectF box = model_.FigureBox();
            const int left = ToDevice(box.left), top = ToDevice(box.top);
            const int width = ToDevice(box.left + box.width) - left, height = ToDevice(box.top + box.height) - top;
            const FigureGeometry g = FigureFor(model_.Figure(), width, height);
            plat::GdiObject<HBRUSH> fill(CreateSolidBrush(plat::OleToColorRef(model_.FillColor())));
            plat::GdiObject<HPEN> pen(CreatePen(PS_SOLID | PS_INSIDEFRAME, std::max(1, plat::Scale(1, dpi_)),
                                                plat::OleToColorRef(model_.BorderColor())));
            plat::SelectObj selectFill(dc, fill.get());
            plat::SelectObj selectPen(dc, pen.get());
            const int l = left + g.left, t = top + g.top, r = l + g.width, b = t + g.height;
            if (g.width > 0 && g.height > 0) {
                if (g.ellipse)
                    Ellipse(dc, l, t, r, b);
                else if (g.corner > 0)
                    RoundRect(dc, l, t, r, b, g.corner, g.corner);
                else
                    Rectangle(dc, l, t, r, b);
            }
        }
        if (model_.DrawsPicture()) {
            if (const Image* image = ImageFor(model_.ShownPicture())) {
                const RectF box = model_.PictureBox();
                const int left = ToDevice(box.left), top = ToDevice(box.top);
                const int width = ToDevice(box.left + box.width) - left, height = ToDevice(box.top + box.height) - top;
                HDC source = CreateCompatibleDC(dc);
                if (source) {
                    {
                        plat::SelectObj select(source, image->bitmap.get());
                        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
                        SetStretchBltMode(dc, HALFTONE);
                        GdiAlphaBlend(dc, left, top, width, height, source, 0, 0, image->width, image->height, blend);
                    }
                    DeleteDC(source);
                }
            }
        }
        if (model_.DrawsCaption()) {
            const RectF box = model_.CaptionBox();
            const std::wstring text = model_.Caption();
            plat::SelectObj selectFont(dc, CaptionFont());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, plat::OleToColorRef(model_.TextColor()));
            TextOutW(dc, ToDevice(box.left), ToDevice(box.top), text.c_str(), static_cast<int>(text.size()));
        }
    }

    void ApplyDpi(UINT dpi) {
        dpi_ = dpi;
        model_.SetDpi(dpi);
    }

    void Place() {
        const RECT r =
            plat::TwipsRect(twips_.left, twips_.top, twips_.right - twips_.left, twips_.bottom - twips_.top, dpi_);
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    static float X(LPARAM lp) { return static_cast<float>(GET_X_LPARAM(lp)); }
    static float Y(LPARAM lp) { return static_cast<float>(GET_Y_LPARAM(lp)); }

    void Press(std::int16_t button, LPARAM lp, bool doubleClick) {
        if (!IsWindowEnabled(hwnd_)) return;
        if (GetFocus() != hwnd_) SetFocus(hwnd_);
        if (doubleClick)
            model_.DblClick(button, host::ShiftMask(), X(lp), Y(lp));
        else
            model_.MouseDown(button, host::ShiftMask(), X(lp), Y(lp));
    }

public:
    HWND hwnd_ = nullptr;

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_NCCREATE:
                Attach();
                break;
            case WM_MOUSEMOVE:
                model_.MouseMove(host::ButtonMask(wp), host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_LBUTTONDOWN:
                Press(1, lp, false);
                return 0;
            case WM_RBUTTONDOWN:
                Press(2, lp, false);
                return 0;
            case WM_MBUTTONDOWN:
                Press(4, lp, false);
                return 0;
            case WM_LBUTTONDBLCLK:
                Press(1, lp, true);
                return 0;
            case WM_RBUTTONDBLCLK:
                Press(2, lp, true);
                return 0;
            case WM_MBUTTONDBLCLK:
                Press(4, lp, true);
                return 0;
            case WM_LBUTTONUP:
                model_.MouseUp(1, host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_RBUTTONUP:
                model_.MouseUp(2, host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_MBUTTONUP:
                model_.MouseUp(4, host::ShiftMask(), X(lp), Y(lp));
                return 0;
            case WM_KEYDOWN:
                model_.KeyDown(static_cast<std::int16_t>(wp & 0xFFFF), host::ShiftMask());
                return 0;
            case WM_KEYUP:
                model_.KeyUp(static_cast<std::int16_t>(wp & 0xFFFF), host::ShiftMask());
                return 0;
            // System keys (Alt combinations, F10) raise the key events too, then go on to the default handler
            // so Alt+F4 and the system menu keep working.
            case WM_SYSKEYDOWN:
                model_.KeyDown(static_cast<std::int16_t>(wp & 0xFFFF), host::ShiftMask());
                break;
            case WM_SYSKEYUP:
                model_.KeyUp(static_cast<std::int16_t>(wp & 0xFFFF), host::ShiftMask());
                break;
            case WM_CHAR:
                model_.KeyPress(static_cast<std::int16_t>(wp & 0xFFFF));
                return 0;
            case WM_GETDLGCODE: {
                // Every key but Tab reaches the button (arrows move the focus themselves, Enter is a key like any
                // other); Tab stays with the dialog manager.
                LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
                const MSG* m = reinterpret_cast<const MSG*>(lp);
                if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam != VK_TAB)
                    code |= DLGC_WANTMESSAGE;
                return code;
            }
            case WM_SETFOCUS:
                model_.GotFocus();
                return 0;
            case WM_KILLFOCUS:
                model_.LostFocus();
                return 0;
            case WM_TIMER:
                model_.TimerTick(static_cast<unsigned>(wp));
                return 0;
            case WM_SIZE:
                model_.Resize(RoundPixel(plat::Unscale(LOWORD(lp), dpi_)), RoundPixel(plat::Unscale(HIWORD(lp), dpi_)));
                return 0;
            case WM_DPICHANGED_AFTERPARENT:
                ApplyDpi(plat::WindowDpi(hwnd_));
                Place();
                InvalidateRect(hwnd_, nullptr, FALSE);
                return 0;
            case WM_SETTEXT:
                // The window text and the caption are one: accessibility tools and tests may set either.
                model_.SetCaption(lp ? reinterpret_cast<const wchar_t*>(lp) : L"");
                return TRUE;
            case WM_ERASEBKGND:
                return TRUE;
            case WM_PAINT:
                Paint();
                return 0;
            case WM_NCDESTROY:
                KillTimer(hwnd_, NShape::kLeaveTimerId);
                break;
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

private:
    UINT dpi_ = 96;
    PictureSource pictures_;
    RECT twips_;
    NShape model_;
    std::map<std::wstring, std::unique_ptr<Image>> images_;
    host::FontCache fonts_;
};

Host* HostOf(HWND button) { return host::StateIfClass<Host>(button, kNShapeClass); }

}  // namespace

bool ProgramPictureSource(const std::wstring& ref, std::string* bytes) {
    if (ref.empty()) return false;
    HMODULE module = GetModuleHandleW(nullptr);
    if (HRSRC res = FindResourceW(module, ref.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */)) {
        HGLOBAL loaded = LoadResource(module, res);
        const DWORD size = SizeofResource(module, res);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (data && size) {
            bytes->assign(static_cast<const char*>(data), size);
            return true;
        }
    }
    std::wstring path = ref;
    const bool absolute = path.size() > 1 && (path[1] == L':' || path[0] == L'\\' || path[0] == L'/');
    if (!absolute) path = plat::ProgramFolder() + L"\\" + path;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (64 << 20);
    if (ok) {
        bytes->resize(static_cast<std::size_t>(size.QuadPart));
        DWORD got = 0;
        ok = ReadFile(file, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &got, nullptr) && got == bytes->size();
    }
    CloseHandle(file);
    return ok;
}

HWND CreateNShape(const NShapeArgs& args, bool* loaded) {
    if (loaded) *loaded = false;
    if (!args.parent || !host::RegisterControlClass(kNShapeClass, &host::ControlProc<Host>, CS_DBLCLKS)) return nullptr;
    const plat::Services& services = args.services ? *args.services : plat::Win32Services();
    const UINT dpi = plat::WindowDpi(args.parent);
    const RECT px = plat::TwipsRect(args.left, args.top, args.width, args.height, dpi);
    const RECT twips = {args.left, args.top, args.left + args.width, args.top + args.height};
    auto* state = new Host(services, args.pictures, plat::TwipsToPixels(args.width, plat::kBaseDpi),
                           plat::TwipsToPixels(args.height, plat::kBaseDpi), twips);
    HWND hwnd = host::CreateControlWindow(state, 0, kNShapeClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, px,
                                          args.parent, args.id);
    if (!hwnd) return nullptr;
    NShape& model = state->model();
    if (args.onClick) model.events().click = args.onClick;
    bool complete = true;
    if (args.design)
        complete = ReportLoad(model.Load(*args.design), args.name, *args.design);
    else
        model.InitNew(args.name);
    if (loaded) *loaded = complete;
    DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(model.Caption().c_str()));
    if (IsWindowVisible(hwnd)) InvalidateRect(hwnd, nullptr, FALSE);
    return hwnd;
}

NShape* NShapeOf(HWND button) {
    Host* host = HostOf(button);
    return host ? &host->model() : nullptr;
}

void SetNShapeCaption(HWND button, const std::wstring& caption) {
    if (NShape* model = NShapeOf(button)) model->SetCaption(caption);
}

std::wstring NShapeCaption(HWND button) {
    NShape* model = NShapeOf(button);
    return model ? model->Caption() : std::wstring();
}

}  // namespace kit
