// The captioned text box's window: paints the header, border and label from the model, keeps the edit box in
// line with the text box part, and turns the edit box's messages into the model's notifications.
#include "controls/ntextbox/n_textbox_win.h"

#include <commctrl.h>

#include "controls/common/contrast.h"
#include "controls/common/kit_accessible_win.h"
#include "controls/common/kit_host_win.h"
#include "platform/platform_win.h"
#include "platform/trace_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kNTextBoxClass[] = L"KitNTextBox";

namespace {

constexpr int kEditId = 1;
constexpr UINT_PTR kSubclassId = 1;

// How an alignment shows in the edit box's style and in drawn text.
struct AlignFlags {
    DWORD editStyle;
    UINT drawFormat;
};

AlignFlags AlignOf(std::int32_t alignment) {
    switch (alignment) {
        case NTextBox::kRight:
            return {ES_RIGHT, DT_RIGHT};
        case NTextBox::kCentre:
            return {ES_CENTER, DT_CENTER};
        default:
            return {ES_LEFT, DT_LEFT};
    }
}

class TextBoxHost final : public host::ModelHost<NTextBox>, public NTextBox::Site {
public:
    TextBoxHost(const plat::Services& services, const NTextBoxArgs& args) : ModelHost(services, args) {
        model_.SetApplicationTitle(args.applicationTitle);
    }

    // NTextBox::Site
    void Invalidate() override {
        // In label mode the control reads as static text; otherwise its edit box speaks for it.
        access_.SetAnswering(model_.LabelBox());
        ControlHost::Invalidate();
    }
    // The enabled state belongs to the text box part, which SyncTxt brings to the edit box.
    void SetInputEnabled(bool) override {}
    void SyncTxt() override;
    void SelectAllTxt() override {
        if (edit_) SendMessageW(edit_, EM_SETSEL, 0, GetWindowTextLengthW(edit_));
    }
    void RequestSize(int widthTwips, int heightTwips) override {
        // Twips are covered whole, so the size reported back is not below the minimum.
        SetWindowPos(hwnd_, nullptr, 0, 0, WindowSize(widthTwips), WindowSize(heightTwips),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    LRESULT EditMessage(HWND edit, UINT msg, WPARAM wp, LPARAM lp);

    HWND edit() const { return edit_; }

private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;
    void MakeParts() override { CreateEdit(); }
    void Started() override { SyncTxt(); }
    void ColorsChanged() override {
        SyncTxt();
        ControlHost::ColorsChanged();
    }
    void Refit() override {
        ReportSize();
        SyncTxt();
    }

    static LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
        auto* self = reinterpret_cast<TextBoxHost*>(ref);
        try {
            return self->EditMessage(edit, msg, wp, lp);
        } catch (...) {
            plat::TraceCaughtHere("N_TextBox edit box");
            return DefSubclassProc(edit, msg, wp, lp);
        }
    }

    void CreateEdit();
    void RecreateEdit();
    std::wstring EditText() const { return plat::WindowText(edit_); }
    void Draw(HDC dc, const RECT& client) override;
    // `onBox`: the label-mode text lies on the box and takes its colours in high contrast; the header the face's.
    void DrawLabel(HDC dc, const NTextBox::LabelPart& part, UINT valign, bool onBox);

    ControlAccess editAccess_{model_, true};
    HWND edit_ = nullptr;
    bool syncing_ = false;
    bool recreating_ = false;
    std::int32_t editAlign_ = -1;
    host::FontCache fonts_;
    Font editFontSpec_;
    UINT editFontDpi_ = 0;
    plat::GdiObject<HFONT> editFont_;
    OleColor brushColor_ = 0;
    plat::GdiObject<HBRUSH> backBrush_;
};

void TextBoxHost::CreateEdit() {
    const NTextBox::TextPart& t = model_.Txt();
    DWORD style = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | AlignOf(t.alignment).editStyle;
    if (t.visible) style |= WS_VISIBLE;
    const RECT r = WindowRect(t.r);
    edit_ = CreateWindowExW(0, L"EDIT", t.text.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleW(nullptr), nullptr);
    if (!edit_) return;
    editAlign_ = t.alignment;
    SetWindowSubclass(edit_, &TextBoxHost::EditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    editFontDpi_ = 0;  // the next sync gives the new box its font, mask, state and place
}

void TextBoxHost::RecreateEdit() {
    // An edit box cannot change its alignment once created: make a new one with the same text and selection.
    const bool focused = GetFocus() == edit_;
    DWORD start = 0, end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    HWND old = edit_;
    edit_ = nullptr;
    DestroyWindow(old);
    CreateEdit();
    if (!edit_) return;
    SendMessageW(edit_, EM_SETSEL, start, end);
    if (focused) {
        recreating_ = true;
        SetFocus(edit_);
        recreating_ = false;
    }
}

void TextBoxHost::SyncTxt() {
    if (!edit_) return;
    const NTextBox::TextPart& t = model_.Txt();
    if (t.alignment != editAlign_) {
        RecreateEdit();
        if (!edit_) return;
    }
    if (EditText() != t.text) {
        syncing_ = true;
        SetWindowTextW(edit_, t.text.c_str());
        syncing_ = false;
    }
    if (editFontDpi_ != dpi_ || !(editFontSpec_ == t.font)) {
        plat::GdiObject<HFONT> font = host::MakeFont(t.font, dpi_);
        SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        editFont_ = std::move(font);
        editFontSpec_ = t.font;
        editFontDpi_ = dpi_;
    }
    const wchar_t mask = t.passwordChar.empty() ? L'\0' : t.passwordChar[0];
    if (static_cast<wchar_t>(SendMessageW(edit_, EM_GETPASSWORDCHAR, 0, 0)) != mask) {
        SendMessageW(edit_, EM_SETPASSWORDCHAR, mask, 0);
        InvalidateRect(edit_, nullptr, TRUE);
    }
    const bool readOnly = (GetWindowLongPtrW(edit_, GWL_STYLE) & ES_READONLY) != 0;
    if (readOnly != t.locked) SendMessageW(edit_, EM_SETREADONLY, t.locked ? TRUE : FALSE, 0);
    if ((IsWindowEnabled(edit_) != FALSE) != t.enabled) EnableWindow(edit_, t.enabled ? TRUE : FALSE);
    if ((IsWindowVisible(edit_) != FALSE) != t.visible) ShowWindow(edit_, t.visible ? SW_SHOWNA : SW_HIDE);
    const RECT want = WindowRect(t.r);
    RECT have;
    GetWindowRect(edit_, &have);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&have), 2);
    if (!EqualRect(&want, &have))
        SetWindowPos(edit_, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    const OleColor back = PaintColor(services_.scheme, ColorRole::PageBack, ButtonLook::Normal, t.back);
    if (!backBrush_ || brushColor_ != back) {
        backBrush_.reset(CreateSolidBrush(plat::OleToColorRef(back)));
        brushColor_ = back;
    }
    InvalidateRect(edit_, nullptr, TRUE);
}

LRESULT TextBoxHost::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wp) == kEditId && HIWORD(wp) == EN_CHANGE && edit_ && !syncing_) {
                model_.TxtEdited(EditText());
                return 0;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == edit_ && backBrush_) {
                HDC dc = reinterpret_cast<HDC>(wp);
                SetTextColor(dc, Color(ColorRole::PageText, model_.Txt().fore));
                SetBkColor(dc, Color(ColorRole::PageBack, model_.Txt().back));
                return reinterpret_cast<LRESULT>(backBrush_.get());
            }
            break;
        case WM_SETFOCUS:
            if (edit_ && IsWindowVisible(edit_) && IsWindowEnabled(edit_)) SetFocus(edit_);
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT TextBoxHost::EditMessage(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT answered = 0;
    if (editAccess_.Handle(edit, msg, wp, lp, &answered)) return answered;
    switch (msg) {
        case WM_CHAR: {
            const std::int16_t code = model_.KeyPress(static_cast<std::int16_t>(wp));
            // Nothing is typed; a single-line box has no use for Enter or Escape either (Windows' would beep).
            if (code == 0 || code == keys::kReturn || code == keys::kEscape) return 0;
            return DefSubclassProc(edit, msg, static_cast<WPARAM>(static_cast<std::uint16_t>(code)), lp);
        }
        // System keys (Alt combinations, F10) are raised too, then go on to the default handling, so Alt+F4 and
        // the system menu keep working.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            model_.KeyDown(static_cast<std::int16_t>(wp), host::ShiftMask(), msg == WM_SYSKEYDOWN);
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            model_.KeyUp(static_cast<std::int16_t>(wp), host::ShiftMask());
            break;
        case WM_MOUSEMOVE:
            model_.MouseMove(host::ButtonMask(wp), host::ShiftMask(), X(lp), Y(lp));
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const std::int16_t button = host::ButtonOf(msg);
            const bool hadFocus = GetFocus() == edit;
            model_.MouseDown(button, host::ShiftMask(), X(lp), Y(lp));
            const LRESULT r = DefSubclassProc(edit, msg, wp, lp);
            // The press placed the caret after the focus arrived; a click into the box still selects it all.
            if (!hadFocus && GetFocus() == edit) model_.TxtGotFocus();
            return r;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const std::int16_t button = host::ButtonOf(msg);
            model_.MouseUp(button, host::ShiftMask(), X(lp), Y(lp));
            const LRESULT r = DefSubclassProc(edit, msg, wp, lp);
            model_.TxtClick();
            return r;
        }
        // The second press of a double-click, whatever the button: the model tells a left one's DblClick from
        // another button's press.
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            model_.DblClick(host::ButtonOf(msg), host::ShiftMask(), X(lp), Y(lp));
            break;
        case WM_CAPTURECHANGED:
            // Another window took the pointer from the edit box's press: that press makes no click.
            if (reinterpret_cast<HWND>(lp) != edit) model_.CaptureLost();
            break;
        case WM_SETFOCUS: {
            const LRESULT r = DefSubclassProc(edit, msg, wp, lp);
            if (!recreating_) model_.TxtGotFocus();
            return r;
        }
        case WM_GETDLGCODE:
            // Selecting on focus is the control's own choice (SelOnFocus), not the dialog manager's; every key but
            // Tab is typed in txt, Enter and Escape included.
            return host::WantEveryKeyButTab(DefSubclassProc(edit, msg, wp, lp) & ~static_cast<LRESULT>(DLGC_HASSETSEL),
                                            lp);
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, &TextBoxHost::EditProc, kSubclassId);
            break;
    }
    return DefSubclassProc(edit, msg, wp, lp);
}

void TextBoxHost::DrawLabel(HDC dc, const NTextBox::LabelPart& part, UINT valign, bool onBox) {
    RECT r = WindowRect(part.r);
    plat::SelectObj use(dc, fonts_.Get(part.font, dpi_));
    if (part.opaque) {
        plat::GdiObject<HBRUSH> back(
            CreateSolidBrush(Color(onBox ? ColorRole::PageBack : ColorRole::Surface, part.back)));
        FillRect(dc, &r, back.get());
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, part.enabled ? Color(onBox ? ColorRole::PageText : ColorRole::Text, part.fore)
                                  : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, part.caption.c_str(), static_cast<int>(part.caption.size()), &r,
              DT_SINGLELINE | DT_NOPREFIX | valign | AlignOf(part.alignment).drawFormat);
}

void TextBoxHost::Draw(HDC dc, const RECT& client) {
    plat::GdiObject<HBRUSH> back(CreateSolidBrush(Color(ColorRole::Surface, model_.ControlBackColor())));
    FillRect(dc, &client, back.get());
    if (model_.LblHeader().visible) DrawLabel(dc, model_.LblHeader(), DT_TOP, false);
    const NTextBox::Shape& shape = model_.ShpBorder();
    RECT box = WindowRect(shape.r);
    plat::GdiObject<HBRUSH> fill(CreateSolidBrush(Color(ColorRole::PageBack, shape.fill)));
    plat::GdiObject<HBRUSH> border(CreateSolidBrush(Color(ColorRole::Border, shape.border)));
    FillRect(dc, &box, fill.get());
    FrameRect(dc, &box, border.get());
    if (model_.Lbl().visible) DrawLabel(dc, model_.Lbl(), DT_TOP, true);
}

}  // namespace

HWND CreateNTextBox(const NTextBoxArgs& args) {
    // The control is a container of its edit box for the dialog manager's tab order; the edit box is the tab stop.
    return host::CreateControl<TextBoxHost>(
        kNTextBoxClass, args, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
}

NTextBox* NTextBoxOf(HWND window) { return host::ModelIfClass<TextBoxHost>(window, kNTextBoxClass); }

HWND NTextBoxEdit(HWND window) {
    TextBoxHost* state = host::StateIfClass<TextBoxHost>(window, kNTextBoxClass);
    return state ? state->edit() : nullptr;
}

}  // namespace kit
