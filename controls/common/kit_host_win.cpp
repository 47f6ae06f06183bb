// The one host of the kit's controls: messages to the model's input, the model's look to the window's canvas.
#include "controls/common/kit_host_win.h"

namespace kit {
namespace host {
namespace {

// The buttons' messages come in threes, left, right and middle: a press, a release, a double-click's second press.
static_assert(WM_LBUTTONUP == WM_LBUTTONDOWN + 1 && WM_LBUTTONDBLCLK == WM_LBUTTONDOWN + 2 &&
                  WM_RBUTTONDOWN == WM_LBUTTONDOWN + 3 && WM_MBUTTONDOWN == WM_LBUTTONDOWN + 6 &&
                  WM_MBUTTONDBLCLK == WM_LBUTTONDOWN + 8,
              "the button messages' layout");
bool IsButtonMessage(UINT msg) { return msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK; }

// Pointer and keyboard messages, which a disabled control does not take.
bool IsInput(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

// The `Button` mask of a mouse message's key flags: 1 left, 2 right, 4 middle.
std::int16_t ButtonMask(WPARAM keyFlags) {
    std::int16_t mask = 0;
    if (keyFlags & MK_LBUTTON) mask |= buttons::kLeft;
    if (keyFlags & MK_RBUTTON) mask |= buttons::kRight;
    if (keyFlags & MK_MBUTTON) mask |= buttons::kMiddle;
    return mask;
}

// The `Shift` mask of the modifier keys held now: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask() {
    std::int16_t mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
    if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
    if (GetKeyState(VK_MENU) < 0) mask |= 4;
    return mask;
}

}  // namespace

ControlHost::ControlHost(const plat::Services& services, Control& control, const ControlArgs& args, FieldMaker field)
    : services_(services),
      control_(control),
      args_(&args),
      place_(args.place),
      makeField_(field),
      cache_{plat::FontCache(), plat::PictureCache(args.pictures)} {}

void ControlHost::Invalidate() {
    // A control whose text field is shown leaves it to speak for the control; otherwise the window answers.
    access_.SetAnswering(!field_ || !field_->Visible());
    access_.StatesMayHaveChanged();
    if (Shown()) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ControlHost::Refresh() {
    if (Shown()) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void ControlHost::SetInputEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

plat::Size ControlHost::Extent() const {
    RECT r = {};
    GetClientRect(hwnd_, &r);
    return {ModelSize(r.right), ModelSize(r.bottom)};
}

void ControlHost::RequestSize(int width, int height) {
    RECT r = {};
    GetClientRect(hwnd_, &r);
    const plat::UnitScale units = Units();
    const int w = width < 0 ? r.right : units.SizeToPixels(width);
    const int h = height < 0 ? r.bottom : units.SizeToPixels(height);
    if (w != r.right || h != r.bottom) {
        // The size message that follows reports the size to the control.
        SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // The window has that size already: no message tells the control, so it hears it here.
    ReportSize();
}

std::optional<plat::Size> ControlHost::PictureSize(std::wstring_view ref) {
    const plat::DibImage* image = cache_.pictures.Get(ref);
    if (!image) return std::nullopt;
    return plat::Size{image->width, image->height};
}

void ControlHost::CaptionChanged(const std::wstring& caption) {
    if (!hwnd_) return;
    CaptionAsWindowText(caption);
    access_.NameChanged();
    if (!Shown()) return;
    InvalidateRect(hwnd_, nullptr, FALSE);
    plat::PaintNow(hwnd_);
}

std::optional<Input::Kind> ControlHost::RoutePointer(int part, HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    Input in{Input::Move, part};
    if (msg == WM_CAPTURECHANGED) {
        // Another window took the pointer (a message box a handler showed): the press ends without a click.
        in.kind = Input::CaptureLost;
        if (reinterpret_cast<HWND>(lp) == window) return in.kind;
    } else if (IsButtonMessage(msg) || msg == WM_MOUSEMOVE) {
        in.x = Units().PointerIn(static_cast<short>(LOWORD(lp)));
        in.y = Units().PointerIn(static_cast<short>(HIWORD(lp)));
        // Read for pointer messages only: every message of the window passes here, and the key state is a
        // round trip to the system.
        in.shift = ShiftMask();
        static const Input::Kind kinds[] = {Input::Down, Input::Up, Input::Double};
        in.kind = msg == WM_MOUSEMOVE ? Input::Move : kinds[(msg - WM_LBUTTONDOWN) % 3];
        in.code = msg == WM_MOUSEMOVE ? ButtonMask(wp) : static_cast<std::int16_t>(1 << ((msg - WM_LBUTTONDOWN) / 3));
    } else {
        return std::nullopt;
    }
    control_.Take(in);
    return in.kind;
}

bool ControlHost::RouteKey(int part, UINT msg, WPARAM wp, std::int16_t* passed) {
    Input in{Input::KeyDown, part, static_cast<std::int16_t>(wp & 0xFFFF)};
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            in.system = msg == WM_SYSKEYDOWN;
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            in.kind = Input::KeyUp;
            break;
        case WM_CHAR:
            in.kind = Input::Char;
            break;
        default:
            return false;  // before the key state is read, as for the pointer
    }
    if (in.kind != Input::Char) in.shift = ShiftMask();
    const std::int16_t result = control_.Take(in);
    if (passed) *passed = result;
    return true;
}

LRESULT ControlHost::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT answered = 0;
    if (access_.Handle(hwnd_, msg, wp, lp, &answered)) return answered;
    // The one gate of a disabled control: the system sends it no input, and input sent or posted to it anyway is
    // dropped here. A control checks again only after its own handlers ran (one may disable it).
    if (IsInput(msg) && !IsWindowEnabled(hwnd_)) return 0;
    // A control that takes its keys owns every key but Tab. System keys (Alt combinations, F10) are raised too
    // and then go on to the default handler, so Alt+F4 and the system menu keep working.
    if (control_.WindowTakesKeys() && RouteKey(parts::kWindow, msg, wp))
        return msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP ? DefWindowProcW(hwnd_, msg, wp, lp) : 0;
    if (const auto painted = plat::RoutePaint(msg, [this] { Paint(); })) return *painted;
    if (field_)
        if (const auto answer = field_->ParentMessage(msg, wp, lp)) return *answer;
    switch (msg) {
        case WM_CREATE:
            Create();
            return 0;
        case WM_GETDLGCODE:
            if (control_.WindowTakesKeys()) return WantEveryKeyButTab(0, lp);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The cue comes and goes with the focus; with cues hidden nothing visible changes.
            if (plat::FocusCuesShown(hwnd_)) InvalidateRect(hwnd_, nullptr, FALSE);
            control_.Take(Input{msg == WM_SETFOCUS ? Input::Focus : Input::Blur});
            // A control with a text field hands the focus on to it while it is shown and enabled.
            if (msg == WM_SETFOCUS && field_ && field_->Visible() && IsWindowEnabled(field_->Window()))
                SetFocus(field_->Window());
            return 0;
        case WM_UPDATEUISTATE:
            plat::FollowUiState(hwnd_, wp);
            break;
        case WM_SIZE:
            control_.Resize(ModelSize(LOWORD(lp)), ModelSize(HIWORD(lp)));
            return 0;
        case WM_SYSCOLORCHANGE:
            if (field_) field_->Refit();
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        case WM_DPICHANGED_AFTERPARENT:
            Refit();
            return 0;
        case WM_SETTEXT:
            if (!control_.CaptionIsWindowText()) break;
            control_.SetCaption(lp ? reinterpret_cast<const wchar_t*>(lp) : L"");
            return TRUE;
        case WM_TIMER:
            control_.Take(Input{Input::Tick, parts::kWindow, static_cast<std::int16_t>(wp)});
            return 0;
    }
    if (RoutePointer(parts::kWindow, hwnd_, msg, wp, lp)) return 0;
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void ControlHost::Create() {
    const ControlArgs& args = *std::exchange(args_, nullptr);
    dpi_ = plat::WindowDpi(hwnd_);
    if (makeField_) field_ = makeField_(*this);
    control_.Attach(reinterpret_cast<plat::WindowId>(hwnd_), this);
    const LoadResult result =
        MakeControl(control_, args.bag, Ambient{args.name, args.containerFont}, [this] { ReportSize(); });
    // A load that stopped is traced under the instance's name.
    if (args.bag) {
        ReportLoad(result, args.name);
        if (args.loaded) *args.loaded = result;
    }
    if (control_.CaptionIsWindowText()) CaptionAsWindowText(control_.Caption());
}

void ControlHost::ReportSize() {
    const plat::Size size = Extent();
    control_.Resize(size.cx, size.cy);
}

void ControlHost::Refit() {
    const plat::Size size = Extent();  // in the control's unit, read at the old DPI
    dpi_ = plat::WindowDpi(hwnd_);
    const RECT at = plat::PixelRect(place_, dpi_);
    const plat::UnitScale units = Units();
    SetWindowPos(hwnd_, nullptr, at.left, at.top, units.SizeToPixels(size.cx), units.SizeToPixels(size.cy),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (field_) field_->Refit();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void ControlHost::Paint() {
    dpi_ = plat::WindowDpi(hwnd_);
    plat::PaintWindow(hwnd_, Units(), services_.scheme, cache_, GetFocus() == hwnd_ && plat::FocusCuesShown(hwnd_),
                      [this](plat::Canvas& canvas) { control_.Paint(canvas); });
}

}  // namespace host
}  // namespace kit
