// Form1's window procedure: builds the controls at their twips positions, scales them to the window's DPI
// and hands clicks to MainLogic.
#include "app/form1_win.h"

#include <memory>
#include <utility>
#include <string>

#include "app/form1_ids.h"
#include "app/main_logic.h"
#include "controls/common/property_bag.h"
#include "controls/nshape/n_shape_win.h"
#include "guides/designs.h"
#include "guides/guide_window_win.h"
#include "guides/links.h"
#include "platform/canvas_win.h"
#include "platform/display_scheme_win.h"
#include "platform/keyboard_win.h"
#include "platform/os_api_win.h"
#include "platform/platform_win.h"
#include "platform/window_host_win.h"
#include "platform/window_win.h"
#include "res/resource.h"

namespace app {
namespace {

const int kClientWidth96 = 368;   // 5520 twips
const int kClientHeight96 = 207;  // 3105 twips
const DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
const DWORD kExStyle = WS_EX_CONTROLPARENT;

// A hidden EDIT control used as a scratch field.
class EditField final : public ScratchField {
public:
    void Attach(HWND edit) { edit_ = edit; }
    void SetText(const std::wstring& text) override { SetWindowTextW(edit_, text.c_str()); }
    std::wstring Text() const override { return plat::WindowText(edit_); }

private:
    HWND edit_ = nullptr;
};

struct ChildDesign {
    int id;
    plat::TwipsRect place;
};

const ChildDesign kCheckflight = {kIdCheckflight, {960, 2160, 3735, 255}};
const ChildDesign kLabel2 = {kIdLabel2, {240, 2640, 2415, 255}};
const wchar_t kNotice[] = L"本工具永久免费，严禁倒卖！";

struct ButtonDesign {
    ChildDesign child;
    const wchar_t* name;
};

// In tab order; the check box comes between the stop and the home-page buttons.
const ButtonDesign kButtonsBeforeCheck[] = {
    {{kIdShape2abop, {4560, 2640, 735, 255}}, L"N_Shape2abop"},
    {{kIdShape1help, {240, 1320, 1815, 495}}, L"N_Shape1help"},
    {{kIdShape1install, {2160, 1320, 3135, 495}}, L"N_Shape1install"},
    {{kIdShape2start, {240, 240, 3255, 855}}, L"N_Shape2start"},
    {{kIdShape3stop, {3600, 240, 1695, 855}}, L"N_Shape3stop"},
};
const ButtonDesign kHomeButton = {{kIdShape1, {2640, 2640, 1815, 255}}, L"N_Shape1"};
// The page's white and the red of the notice that names the files beside the program.
constexpr plat::Ink kPage{plat::Role::PageBack, 0x00FFFFFF};
constexpr plat::OleColor kNoticeText = 0x000000FF;
const ChildDesign kIntertext = {kIdIntertext, {120, 3960, 9135, 375}};
const ChildDesign kText8 = {kIdText8, {27840, 11040, 735, 270}};

class Form1 final : public MainView, public plat::PageWindow {
public:
    explicit Form1(const plat::Services& services)
        : services_(services), logic_(services, plat::ProgramFolder(), *this, text8_, intertext_) {}

    bool Create(HINSTANCE instance, int showCommand) {
        instance_ = instance;
        showCommand_ = showCommand;
        const UINT dpi = plat::SystemDpi();
        const RECT r = plat::CenteredWindowRect(kClientWidth96, kClientHeight96, kStyle, kExStyle, dpi);
        // A window that was never made has freed this state already: nothing of it may be touched then.
        if (!plat::CreateHostedWindow(this, kExStyle, kForm1Class, kMainCaption, kStyle, r, nullptr, nullptr))
            return false;
        if (!logic_.OnLoad()) {
            DestroyWindow(hwnd_);
            return false;
        }
        return true;
    }

    // MainView
    void SetCaption(const std::wstring& caption) override { SetWindowTextW(hwnd_, caption.c_str()); }
    void ShowMain() override {
        ShowWindow(hwnd_, showCommand_);
        UpdateWindow(hwnd_);
    }
    void SetFlightTicked(bool ticked) override {
        SendMessageW(checkflight_, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool FlightTicked() const override { return SendMessageW(checkflight_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetButtonCaption(MainButton button, const std::wstring& caption) override {
        kit::SetNShapeCaption(GetDlgItem(hwnd_, button == MainButton::Start ? kIdShape2start : kIdShape3stop), caption);
    }
    void ShowGuide(Guide guide) override { guides::ShowGuide(instance_, guide, services_); }
    plat::WindowId Window() const override { return reinterpret_cast<plat::WindowId>(hwnd_); }

    // The first of the tab order, which takes the focus when the window first becomes active.
    HWND FirstControl() const override { return GetDlgItem(hwnd_, kIdShape2abop); }

private:
    friend LRESULT CALLBACK plat::WindowProc<Form1>(HWND, UINT, WPARAM, LPARAM);

    HWND MakeChild(const wchar_t* cls, const wchar_t* text, DWORD style, const ChildDesign& d) {
        return CreateWindowExW(0, cls, text, WS_CHILD | style, 0, 0, 0, 0, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), nullptr, nullptr);
    }

    void Place(HWND child, const ChildDesign& d, UINT dpi) {
        const RECT r = plat::PixelRect(d.place, dpi);
        SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void MakeButton(const ButtonDesign& b, const kit::Design* design) {
        kit::NShapeArgs args;
        args.parent = hwnd_;
        args.id = b.child.id;
        args.name = b.name;
        args.place = b.child.place;
        args.bag = design ? design->Find(b.name) : nullptr;
        args.services = &services_;
        args.events.Click = [this, id = b.child.id] { OnButtonClick(id); };
        kit::CreateNShape(args);
    }

    void OnButtonClick(int id) {
        switch (id) {
            case kIdShape1install:
                logic_.OnInstallClick();
                break;
            case kIdShape2start:
                logic_.OnStartClick();
                break;
            case kIdShape3stop:
                logic_.OnStopClick();
                break;
            case kIdShape1help:
                logic_.OnHelpClick();
                break;
            case kIdShape2abop:
                logic_.OnAboutClick();
                break;
            case kIdShape1:
                logic_.OnHomePageClick();
                break;
        }
    }

    void OnCreate() {
        plat::TopLevelOpened();
        const auto design = kit::ParseDesign(kForm1Design);
        for (const ButtonDesign& b : kButtonsBeforeCheck) MakeButton(b, design ? &*design : nullptr);
        checkflight_ = MakeChild(L"BUTTON", L"启动/停止后自动开启/关闭飞行模式",
                                 WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kCheckflight);
        MakeButton(kHomeButton, design ? &*design : nullptr);
        // The home-page button names the site it opens, taken from the address itself.
        kit::SetNShapeCaption(GetDlgItem(hwnd_, kIdShape1),
                              L"官网 " + guides::HostName(guides::Address(guides::Link::HomePage)));
        MakeChild(L"STATIC", kNotice, WS_VISIBLE | SS_CENTER | SS_NOPREFIX, kLabel2);
        // The scratch fields are never shown, even when the window is maximised.
        HWND intertext = MakeChild(L"EDIT", L"", ES_AUTOHSCROLL, kIntertext);
        HWND text8 = MakeChild(L"EDIT", L"Text8", ES_AUTOHSCROLL, kText8);
        intertext_.Attach(intertext);
        text8_.Attach(text8);
        ApplyDpi(plat::WindowDpi(hwnd_));
    }

    void ApplyDpi(UINT dpi) {
        // New fonts go to the controls before the old ones are deleted, as WM_SETFONT requires.
        plat::GdiObject<HFONT> check =
            plat::MakeFont({L"微软雅黑", 10.5, FW_NORMAL, false, false, false, GB2312_CHARSET}, dpi);
        plat::GdiObject<HFONT> notice =
            plat::MakeFont({L"微软雅黑", 9, FW_NORMAL, false, false, false, GB2312_CHARSET}, dpi);
        plat::GdiObject<HFONT> consolas = plat::MakeFont({L"Consolas", 12}, dpi);
        HWND label2 = GetDlgItem(hwnd_, kIdLabel2);
        HWND intertext = GetDlgItem(hwnd_, kIdIntertext);
        SendMessageW(checkflight_, WM_SETFONT, reinterpret_cast<WPARAM>(check.get()), TRUE);
        SendMessageW(label2, WM_SETFONT, reinterpret_cast<WPARAM>(notice.get()), TRUE);
        SendMessageW(intertext, WM_SETFONT, reinterpret_cast<WPARAM>(consolas.get()), FALSE);
        checkFont_ = std::move(check);
        noticeFont_ = std::move(notice);
        consolasFont_ = std::move(consolas);
        // The buttons place themselves from their twips rectangles, at creation and when the DPI changes.
        Place(checkflight_, kCheckflight, dpi);
        Place(label2, kLabel2, dpi);
        Place(intertext, kIntertext, dpi);
        Place(GetDlgItem(hwnd_, kIdText8), kText8, dpi);
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_CREATE:
                OnCreate();
                return 0;
            case WM_DPICHANGED: {
                plat::MoveToSuggestedRect(hwnd_, lp);
                ApplyDpi(HIWORD(wp));
                InvalidateRect(hwnd_, nullptr, TRUE);
                return 0;
            }
            case WM_COMMAND:
                if (LOWORD(wp) == kIdCheckflight && HIWORD(wp) == BN_CLICKED) {
                    logic_.OnFlightClick();
                    return 0;
                }
                break;
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN: {
                const bool notice = reinterpret_cast<HWND>(lp) == GetDlgItem(hwnd_, kIdLabel2);
                const plat::Ink text{plat::Role::PageText, notice ? kNoticeText : plat::syscolor::kWindowText};
                return reinterpret_cast<LRESULT>(plat::ControlColors(wp, text, kPage, services_.scheme, pageBrush_));
            }
            case WM_ERASEBKGND:
                return plat::EraseBackground(hwnd_, wp, pageBrush_.Of(kPage, services_.scheme));
            case WM_SYSCOLORCHANGE:
            case WM_SETTINGCHANGE:
                plat::FollowSystemColors(hwnd_, msg, wp);
                break;
            case WM_DESTROY:
                plat::TopLevelClosed();
                return 0;
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    HWND hwnd_ = nullptr;
    HWND checkflight_ = nullptr;
    int showCommand_ = SW_SHOWNORMAL;
    EditField text8_;
    EditField intertext_;
    plat::GdiObject<HFONT> checkFont_;
    plat::GdiObject<HFONT> consolasFont_;
    plat::GdiObject<HFONT> noticeFont_;
    plat::SolidBrush pageBrush_;
    HINSTANCE instance_ = nullptr;
    const plat::Services& services_;
    MainLogic logic_;
};

}  // namespace

bool CreateForm1(HINSTANCE instance, int showCommand, const plat::Services& services) {
    if (!plat::RegisterProgramWindowClass(kForm1Class, &plat::WindowProc<Form1>, CS_HREDRAW | CS_VREDRAW, IDI_APP))
        return false;
    // Owned by its window from WM_NCCREATE on; freed once the window is gone.
    Form1* form = new Form1(services);
    return form->Create(instance, showCommand);
}

}  // namespace app
