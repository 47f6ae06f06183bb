// Win32 helpers shared by the kit's control hosts, and the host base every control shares.
#include "controls/common/kit_host_win.h"

namespace kit {
namespace host {

std::int16_t ButtonMask(WPARAM keyFlags) {
    std::int16_t mask = 0;
    if (keyFlags & MK_LBUTTON) mask |= buttons::kLeft;
    if (keyFlags & MK_RBUTTON) mask |= buttons::kRight;
    if (keyFlags & MK_MBUTTON) mask |= buttons::kMiddle;
    return mask;
}

std::int16_t ShiftMask() {
    std::int16_t mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= 1;
    if (GetKeyState(VK_CONTROL) < 0) mask |= 2;
    if (GetKeyState(VK_MENU) < 0) mask |= 4;
    return mask;
}

void PaintFocusRect(HDC dc, const RECT& r) {
    // The rectangle's dots take the text and back colours: black and white invert to a visible pattern anywhere.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &r);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

plat::FontSpec SpecOf(const Font& font) {
    plat::FontSpec spec;
    spec.face = font.name;
    spec.points = font.size;
    spec.weight = font.weight;
    spec.italic = font.italic;
    spec.underline = font.underline;
    spec.strikeout = font.strikethrough;
    spec.charset = font.charset;
    return spec;
}

plat::FontSpec SpecOf(const std::wstring& face, double points, bool bold) {
    plat::FontSpec spec;
    spec.face = face;
    spec.points = points;
    spec.weight = bold ? FW_BOLD : FW_NORMAL;
    spec.charset = DEFAULT_CHARSET;
    return spec;
}

std::optional<LRESULT> RouteKey(Control& control, HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    const auto code = static_cast<std::int16_t>(wp & 0xFFFF);
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            control.KeyDown(code, ShiftMask(), msg == WM_SYSKEYDOWN);
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            control.KeyUp(code, ShiftMask());
            break;
        case WM_CHAR:
            control.KeyPress(code);
            break;
        default:
            return std::nullopt;
    }
    if (msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP) return DefWindowProcW(window, msg, wp, lp);
    return 0;
}

ControlHost::ControlHost(const plat::Services& services, Control& control, const ControlArgs& args)
    : services_(services), control_(control), args_(&args) {}

void ControlHost::Invalidate() {
    access_.StatesMayHaveChanged();
    if (Shown()) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ControlHost::Refresh() {
    if (Shown()) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void ControlHost::SetInputEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void ControlHost::CaptionChanged(const std::wstring& caption) {
    if (!hwnd_) return;
    CaptionAsWindowText(caption);
    access_.NameChanged();
    if (!Shown()) return;
    InvalidateRect(hwnd_, nullptr, FALSE);
    plat::PaintNow(hwnd_);
}

LRESULT ControlHost::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT answered = 0;
    if (access_.Handle(hwnd_, msg, wp, lp, &answered)) return answered;
    // The one gate of a disabled control: the system sends it no input, and input sent or posted to it anyway is
    // dropped here. A control checks again only after its own handlers ran (one may disable it).
    if (IsInput(msg) && !IsWindowEnabled(hwnd_)) return 0;
    if (control_.WindowTakesKeys()) {
        if (const auto keyResult = RouteKey(control_, hwnd_, msg, wp, lp)) return *keyResult;
    }
    if (const auto painted = plat::RoutePaint(msg, [this] { Paint(); })) return *painted;
    switch (msg) {
        case WM_NCCREATE:
            // Every control meets its window and site here, before any other message of the window reaches it.
            dpi_ = plat::WindowDpi(hwnd_);
            control_.Attach(reinterpret_cast<plat::WindowId>(hwnd_), this);
            break;
        case WM_CREATE:
            Create();
            break;
        case WM_GETDLGCODE:
            // A control that takes its keys owns every key but Tab, which moves the focus.
            if (control_.WindowTakesKeys()) return WantEveryKeyButTab(0, lp);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            // The cue comes and goes with the focus; with cues hidden nothing visible changes.
            if (plat::FocusCuesShown(hwnd_)) InvalidateRect(hwnd_, nullptr, FALSE);
            if (msg == WM_SETFOCUS)
                control_.GotFocus();
            else
                control_.LostFocus();
            break;
        case WM_UPDATEUISTATE:
            plat::FollowUiState(hwnd_, wp);
            break;
        case WM_SIZE:
            if (sized_) control_.Resize(ModelSize(LOWORD(lp)), ModelSize(HIWORD(lp)));
            return 0;
        case WM_SYSCOLORCHANGE:
            ColorsChanged();
            return 0;
        case WM_DPICHANGED_AFTERPARENT:
            dpi_ = plat::WindowDpi(hwnd_);
            Refit();
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
    }
    return Message(msg, wp, lp);
}

void ControlHost::Create() {
    const ControlArgs& args = *std::exchange(args_, nullptr);
    MakeParts();
    const LoadResult result = MakeControl(control_, args.bag, Ambient{args.name, args.containerFont}, [this] {
        sized_ = true;
        ReportSize();
    });
    // A load that stopped is traced under the instance's name.
    if (args.bag) {
        ReportLoad(result, args.name);
        if (args.loaded) *args.loaded = result;
    }
    Started();
}

void ControlHost::ReportSize() {
    RECT r;
    GetClientRect(hwnd_, &r);
    control_.Resize(ModelSize(r.right), ModelSize(r.bottom));
}

void ControlHost::DrawFocusCue(HDC dc, const RECT& client) {
    RECT r = client;
    const int inset = plat::NearestPixels(plat::Pixels96(kFocusCueInset), plat::Dpi{dpi_});
    InflateRect(&r, -inset, -inset);
    if (r.right > r.left && r.bottom > r.top) PaintFocusRect(dc, r);
}

void ControlHost::DrawCaption(HDC dc, HFONT font, OleColor color, double left, double top,
                              const std::wstring& text) const {
    plat::SelectObj use(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColor(color));
    TextOutW(dc, WindowPlace(left), WindowPlace(top), text.c_str(), static_cast<int>(text.size()));
}

void ControlHost::Paint() {
    plat::PaintScope paint(hwnd_);
    BeforePaint();
    RECT client;
    GetClientRect(hwnd_, &client);
    plat::BackBuffer buffer(paint.get(), client.right, client.bottom);
    if (!buffer.ok()) return;
    Draw(buffer.dc(), client);
    if (GetFocus() == hwnd_ && plat::FocusCuesShown(hwnd_)) DrawFocusCue(buffer.dc(), client);
    buffer.Blit();
}

std::optional<LRESULT> ControlHost::RoutePointer(UINT msg, WPARAM wp, LPARAM lp) {
    const float x = X(lp), y = Y(lp);
    if (IsButtonMessage(msg)) {
        const std::int16_t button = ButtonOf(msg);
        if (PressOf(msg) == Press::Down)
            control_.MouseDown(button, ShiftMask(), x, y);
        else if (PressOf(msg) == Press::Up)
            control_.MouseUp(button, ShiftMask(), x, y);
        else
            control_.DblClick(button, ShiftMask(), x, y);
        return 0;
    }
    switch (msg) {
        case WM_TIMER:
            control_.TimerTick(static_cast<unsigned>(wp));
            return 0;
        case WM_CAPTURECHANGED:
            // Another window took the pointer (a message box a handler showed): the press ends without a click.
            if (reinterpret_cast<HWND>(lp) != hwnd_) control_.CaptureLost();
            return 0;
        case WM_MOUSEMOVE:
            control_.MouseMove(ButtonMask(wp), ShiftMask(), x, y);
            return 0;
    }
    return std::nullopt;
}

LRESULT ButtonHost::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return 0;
        case WM_SETTEXT:
            control_.SetCaption(lp ? reinterpret_cast<const wchar_t*>(lp) : L"");
            return TRUE;
    }
    if (const auto routed = RoutePointer(msg, wp, lp)) return *routed;
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace host
}  // namespace kit
