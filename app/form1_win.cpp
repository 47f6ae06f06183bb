// Form1's window procedure: builds the controls at their twips positions, scales them to the window's DPI
// and hands clicks to MainLogic.
#include "app/form1_win.h"

#include <memory>
#include <string>

#include "app/form1_ids.h"
#include "app/main_logic.h"
#include "platform/platform_win.h"
#include "platform/window_win.h"
#include "res/resource.h"

namespace app {
namespace {

const int kClientWidth96 = 368;   // 5520 twips
const int kClientHeight96 = 207;  // 3105 twips
const DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// A hidden EDIT control used as a scratch field.
class EditField final : public ScratchField {
public:
    void Attach(HWND edit) { edit_ = edit; }
    void SetText(const std::wstring& text) override { SetWindowTextW(edit_, text.c_str()); }
    std::wstring Text() const override {
        const int n = GetWindowTextLengthW(edit_);
        std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
        const int got = GetWindowTextW(edit_, &text[0], n + 1);
        text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
        return text;
    }

private:
    HWND edit_ = nullptr;
};

struct ChildDesign {
    int id;
    int left, top, width, height;  // twips
};

const ChildDesign kCheckflight = {kIdCheckflight, 960, 2160, 3735, 255};
const ChildDesign kIntertext = {kIdIntertext, 120, 3960, 9135, 375};
const ChildDesign kText8 = {kIdText8, 27840, 11040, 735, 270};

class Form1 final : public MainView {
public:
    Form1() : logic_(plat::Win32Services(), plat::ProgramFolder(), *this, text8_, intertext_) {}

    bool Create(HINSTANCE instance, int showCommand) {
        showCommand_ = showCommand;
        const UINT dpi = GetDpiForSystem();
        const RECT r = plat::CenteredWindowRect(kClientWidth96, kClientHeight96, kStyle, 0, dpi);
        hwnd_ = CreateWindowExW(0, kForm1Class, kMainCaption, kStyle, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, nullptr, nullptr, instance, this);
        if (!hwnd_) return false;
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

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        Form1* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, 0));
        if (msg == WM_NCCREATE) {
            self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(self));
        }
        if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
        try {
            return self->Handle(msg, wp, lp);
        } catch (...) {
            return DefWindowProcW(hwnd, msg, wp, lp);
        }
    }

private:
    HWND MakeChild(const wchar_t* cls, const wchar_t* text, DWORD style, const ChildDesign& d) {
        return CreateWindowExW(0, cls, text, WS_CHILD | style, 0, 0, 0, 0, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), nullptr, nullptr);
    }

    void Place(HWND child, const ChildDesign& d, UINT dpi) {
        const RECT r = plat::TwipsRect(d.left, d.top, d.width, d.height, dpi);
        SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void OnCreate() {
        plat::TopLevelOpened();
        checkflight_ = MakeChild(L"BUTTON", L"启动/停止后自动开启/关闭飞行模式", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                 kCheckflight);
        // The scratch fields are never shown, even when the window is maximised.
        HWND intertext = MakeChild(L"EDIT", L"", ES_AUTOHSCROLL, kIntertext);
        HWND text8 = MakeChild(L"EDIT", L"Text8", ES_AUTOHSCROLL, kText8);
        intertext_.Attach(intertext);
        text8_.Attach(text8);
        ApplyDpi(plat::WindowDpi(hwnd_));
    }

    void ApplyDpi(UINT dpi) {
        dpi_ = dpi;
        checkFont_ = plat::MakeFont(L"微软雅黑", 10.5, dpi);
        consolasFont_ = plat::MakeFont(L"Consolas", 12, dpi, false, false, DEFAULT_CHARSET);
        SendMessageW(checkflight_, WM_SETFONT, reinterpret_cast<WPARAM>(checkFont_.get()), TRUE);
        HWND intertext = GetDlgItem(hwnd_, kIdIntertext);
        SendMessageW(intertext, WM_SETFONT, reinterpret_cast<WPARAM>(consolasFont_.get()), FALSE);
        Place(checkflight_, kCheckflight, dpi);
        Place(intertext, kIntertext, dpi);
        Place(GetDlgItem(hwnd_, kIdText8), kText8, dpi);
    }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_CREATE:
                OnCreate();
                return 0;
            case WM_DPICHANGED: {
                const RECT* suggested = reinterpret_cast<const RECT*>(lp);
                SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                             suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
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
                HDC dc = reinterpret_cast<HDC>(wp);
                SetBkColor(dc, RGB(255, 255, 255));
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
            }
            case WM_ERASEBKGND: {
                RECT rc;
                GetClientRect(hwnd_, &rc);
                FillRect(reinterpret_cast<HDC>(wp), &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                return TRUE;
            }
            case WM_DESTROY:
                plat::TopLevelClosed();
                return 0;
            case WM_NCDESTROY: {
                SetWindowLongPtrW(hwnd_, 0, 0);
                delete this;
                return 0;
            }
        }
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }

    HWND hwnd_ = nullptr;
    HWND checkflight_ = nullptr;
    UINT dpi_ = 96;
    int showCommand_ = SW_SHOWNORMAL;
    EditField text8_;
    EditField intertext_;
    plat::GdiObject<HFONT> checkFont_;
    plat::GdiObject<HFONT> consolasFont_;
    MainLogic logic_;
};

bool RegisterForm1Class(HINSTANCE instance) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &Form1::Proc;
    wc.cbWndExtra = sizeof(Form1*);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kForm1Class;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

bool CreateForm1(HINSTANCE instance, int showCommand) {
    if (!RegisterForm1Class(instance)) return false;
    // Owned by its window from WM_NCCREATE on; freed in WM_NCDESTROY.
    Form1* form = new Form1();
    return form->Create(instance, showCommand);
}

}  // namespace app
