// The captioned text box's window: the one host, with a real single-line edit box as the text field it offers the
// model. The edit box takes the look the model shows it and reports its messages through the host's routes.
#include "controls/ntextbox/n_textbox_win.h"

#include <commctrl.h>

#include "controls/common/kit_accessible_win.h"
#include "controls/common/kit_host_win.h"
#include "platform/canvas_win.h"
#include "platform/platform_win.h"
#include "platform/trace_win.h"
#include "platform/window_win.h"

namespace kit {

const wchar_t kNTextBoxClass[] = L"KitNTextBox";

namespace {

constexpr int kEditId = 1;
constexpr UINT_PTR kSubclassId = 1;

DWORD EditStyleOf(plat::TextAlign align) {
    return align == plat::TextAlign::Right ? ES_RIGHT : align == plat::TextAlign::Centre ? ES_CENTER : ES_LEFT;
}

class EditField final : public host::Field {
public:
    explicit EditField(host::ControlHost& host) : host_(host) { Create(); }

    void Show(const Look& look) override;
    std::wstring Text() const override { return plat::WindowText(edit_); }
    void SelectAll() override {
        if (edit_) SendMessageW(edit_, EM_SETSEL, 0, GetWindowTextLengthW(edit_));
    }
    HWND Window() const override { return edit_; }
    bool Visible() const override { return look_.visible; }
    std::optional<LRESULT> ParentMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void Refit() override {
        fontDpi_ = 0;
        Show(look_);
    }

private:
    static LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
        auto* self = reinterpret_cast<EditField*>(ref);
        try {
            return self->EditMessage(edit, msg, wp, lp);
        } catch (...) {
            plat::TraceCaughtHere("N_TextBox edit box");
            return DefSubclassProc(edit, msg, wp, lp);
        }
    }
    LRESULT EditMessage(HWND edit, UINT msg, WPARAM wp, LPARAM lp);
    void Create();
    // An edit box cannot change its alignment once made: a new one with the same text and selection.
    void Recreate();
    RECT Place(const plat::RectF& r) const { return plat::PixelEdges(host_.Units(), r.left, r.top, r.width, r.height); }

    host::ControlHost& host_;
    ControlAccess access_{host_.control(), true};
    HWND edit_ = nullptr;
    Look look_;
    plat::TextAlign align_ = plat::TextAlign::Left;
    bool syncing_ = false;
    bool recreating_ = false;
    UINT fontDpi_ = 0;
    plat::GdiObject<HFONT> font_;
    plat::SolidBrush brush_;
};

void EditField::Create() {
    DWORD style = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | EditStyleOf(look_.align);
    if (look_.visible) style |= WS_VISIBLE;
    const RECT r = Place(look_.place);
    edit_ = CreateWindowExW(0, L"EDIT", look_.text.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                            host_.hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!edit_) return;
    align_ = look_.align;
    SetWindowSubclass(edit_, &EditField::EditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    fontDpi_ = 0;  // the next showing gives the new box its font, mask, state and place
}

void EditField::Recreate() {
    const bool focused = GetFocus() == edit_;
    DWORD start = 0, end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    HWND old = edit_;
    edit_ = nullptr;
    DestroyWindow(old);
    Create();
    if (!edit_) return;
    SendMessageW(edit_, EM_SETSEL, start, end);
    if (focused) {
        recreating_ = true;
        SetFocus(edit_);
        recreating_ = false;
    }
}

void EditField::Show(const Look& look) {
    const bool fontChanged = !(look.font == look_.font);
    look_ = look;
    if (!edit_) return;
    if (look.align != align_) {
        Recreate();
        if (!edit_) return;
    }
    if (Text() != look.text) {
        syncing_ = true;
        SetWindowTextW(edit_, look.text.c_str());
        syncing_ = false;
    }
    const UINT dpi = host_.Units().dpi.value();
    if (fontChanged || fontDpi_ != dpi) {
        plat::GdiObject<HFONT> font = plat::MakeFont(look.font, dpi);
        SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        font_ = std::move(font);
        fontDpi_ = dpi;
    }
    if (static_cast<wchar_t>(SendMessageW(edit_, EM_GETPASSWORDCHAR, 0, 0)) != look.mask) {
        SendMessageW(edit_, EM_SETPASSWORDCHAR, look.mask, 0);
        InvalidateRect(edit_, nullptr, TRUE);
    }
    const bool readOnly = (GetWindowLongPtrW(edit_, GWL_STYLE) & ES_READONLY) != 0;
    if (readOnly != look.locked) SendMessageW(edit_, EM_SETREADONLY, look.locked ? TRUE : FALSE, 0);
    if ((IsWindowEnabled(edit_) != FALSE) != look.enabled) EnableWindow(edit_, look.enabled ? TRUE : FALSE);
    if ((IsWindowVisible(edit_) != FALSE) != look.visible) ShowWindow(edit_, look.visible ? SW_SHOWNA : SW_HIDE);
    const RECT want = Place(look.place);
    RECT have;
    GetWindowRect(edit_, &have);
    MapWindowPoints(nullptr, host_.hwnd_, reinterpret_cast<POINT*>(&have), 2);
    if (!EqualRect(&want, &have))
        SetWindowPos(edit_, nullptr, want.left, want.top, want.right - want.left, want.bottom - want.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(edit_, nullptr, TRUE);
}

std::optional<LRESULT> EditField::ParentMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wp) == kEditId && HIWORD(wp) == EN_CHANGE && edit_ && !syncing_) {
                host_.control().Take(Input{Input::Edited, parts::kTextField});
                return 0;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == edit_)
                return reinterpret_cast<LRESULT>(
                    plat::ControlColors(wp, look_.fore, look_.back, host_.Scheme(), brush_));
            break;
    }
    return std::nullopt;
}

LRESULT EditField::EditMessage(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT answered = 0;
    if (access_.Handle(edit, msg, wp, lp, &answered)) return answered;
    std::int16_t passed = 0;
    if (msg == WM_CHAR) {
        host_.RouteKey(parts::kTextField, msg, wp, &passed);
        // Nothing is typed; a single-line box has no use for Enter or Escape either (Windows' would beep).
        if (passed == 0 || passed == keys::kReturn || passed == keys::kEscape) return 0;
        return DefSubclassProc(edit, msg, static_cast<WPARAM>(static_cast<std::uint16_t>(passed)), lp);
    }
    // System keys (Alt combinations, F10) are raised too, then go on to the default handling, so Alt+F4 and the
    // system menu keep working.
    if (host_.RouteKey(parts::kTextField, msg, wp)) return DefSubclassProc(edit, msg, wp, lp);
    const bool hadFocus = GetFocus() == edit;
    const auto routed = host_.RoutePointer(parts::kTextField, edit, msg, wp, lp);
    const bool press = routed == Input::Down, release = routed == Input::Up;
    if (press || release) {
        const LRESULT r = DefSubclassProc(edit, msg, wp, lp);
        // The press placed the caret after the focus arrived; a click into the box still selects it all. The
        // edit box has handled the release MouseUp announced: its caret and selection are the system's.
        if (press && !hadFocus && GetFocus() == edit) host_.control().Take(Input{Input::Focus, parts::kTextField});
        if (release) host_.control().Take(Input{Input::Handled, parts::kTextField});
        return r;
    }
    switch (msg) {
        case WM_SETFOCUS: {
            const LRESULT r = DefSubclassProc(edit, msg, wp, lp);
            if (!recreating_) host_.control().Take(Input{Input::Focus, parts::kTextField});
            return r;
        }
        case WM_GETDLGCODE:
            // Selecting on focus is the control's own choice (SelOnFocus), not the dialog manager's; every key but
            // Tab is typed in txt, Enter and Escape included.
            return host::WantEveryKeyButTab(DefSubclassProc(edit, msg, wp, lp) & ~static_cast<LRESULT>(DLGC_HASSETSEL),
                                            lp);
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, &EditField::EditProc, kSubclassId);
            break;
    }
    return DefSubclassProc(edit, msg, wp, lp);
}

std::unique_ptr<host::Field> MakeEdit(host::ControlHost& host) { return std::make_unique<EditField>(host); }

}  // namespace

HWND CreateNTextBox(const NTextBoxArgs& args) {
    // The control is a container of its edit box for the dialog manager's tab order; the edit box is the tab stop.
    HWND window =
        host::CreateControl<NTextBox>(kNTextBoxClass, args, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                      WS_EX_CONTROLPARENT, &MakeEdit);
    if (NTextBox* model = NTextBoxOf(window)) model->SetApplicationTitle(args.applicationTitle);
    return window;
}

NTextBox* NTextBoxOf(HWND window) { return host::ModelIfClass<NTextBox>(window, kNTextBoxClass); }

HWND NTextBoxEdit(HWND window) {
    host::ControlHost* state = plat::StateIfClass<host::ModelHost<NTextBox>>(window, kNTextBoxClass);
    host::Field* field = state ? state->OfferedField() : nullptr;
    return field ? field->Window() : nullptr;
}

}  // namespace kit
