// The message loop's handling of one message, the focus cues of the program's windows and the focus a window
// gives back on activation.
#include "platform/keyboard_win.h"

namespace plat {
namespace {

// The top-level window's own record that its cues show. An atom, so the property costs no string per window;
// the window skeleton removes it when a window is destroyed.
ATOM CuesAtom() {
    static const ATOM atom = GlobalAddAtomW(L"RelantoFocusCuesShown");
    return atom;
}

bool AlwaysShowCues() {
    BOOL always = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) && always;
}

HWND RootOf(HWND window) { return window ? GetAncestor(window, GA_ROOT) : nullptr; }

bool HasCues(HWND root) {
    const ATOM atom = CuesAtom();
    return root && atom && GetPropW(root, MAKEINTATOM(atom));
}

// Records that the cues show in `root`; false when they did already.
bool MarkShown(HWND root) {
    if (!root || HasCues(root)) return false;
    return SetPropW(root, MAKEINTATOM(CuesAtom()), reinterpret_cast<HANDLE>(1)) != FALSE;
}

void RepaintIfFocused(HWND window) {
    if (window && GetFocus() == window) InvalidateRect(window, nullptr, FALSE);
}

// Keyboard navigation shows the focus cues: Tab, an arrow key, Alt.
bool IsKeyboardNavigation(const MSG& msg) {
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
            case VK_TAB:
            case VK_LEFT:
            case VK_UP:
            case VK_RIGHT:
            case VK_DOWN:
                return true;
        }
        return false;
    }
    // Alt alone, or a key pressed with Alt held.
    return msg.message == WM_SYSKEYDOWN && (msg.wParam == VK_MENU || (msg.lParam & (1L << 29)) != 0);
}

// Shows the cues in the top-level window of `window`; the first time, the focused window repaints with its cue.
void ShowFocusCues(HWND window) {
    HWND root = RootOf(window);
    // Once shown they stay: later navigation repaints nothing here, the focus changes do.
    if (!MarkShown(root)) return;
    // The system's own controls follow the window's UI state; Windows passes the change on to every child.
    SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    HWND focus = GetFocus();
    if (focus && (focus == root || IsChild(root, focus))) InvalidateRect(focus, nullptr, FALSE);
}

}  // namespace

void HandleLoopMessage(MSG& msg) {
    if (IsKeyboardNavigation(msg)) ShowFocusCues(msg.hwnd);
    HWND root = RootOf(msg.hwnd);
    if (root && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool FocusCuesShown(HWND window) { return HasCues(RootOf(window)); }

void StartFocusCues(HWND top) {
    if (!top) return;
    if (AlwaysShowCues())
        MarkShown(top);
    else
        SendMessageW(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
}

void SendKeystroke(WORD vk, bool shift) {
    INPUT inputs[4] = {};
    UINT n = 0;
    auto key = [&](WORD code, bool up) {
        inputs[n].type = INPUT_KEYBOARD;
        inputs[n].ki.wVk = code;
        inputs[n].ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
        inputs[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++n;
    };
    if (shift) key(VK_SHIFT, false);
    key(vk, false);
    key(vk, true);
    if (shift) key(VK_SHIFT, true);
    SendInput(n, inputs, sizeof(INPUT));
}

void ForgetFocusCues(HWND window) {
    const ATOM atom = CuesAtom();
    // Only top-level windows carry it; removing what a window does not have does nothing.
    if (window && atom) RemovePropW(window, MAKEINTATOM(atom));
}

void FollowUiState(HWND control, WPARAM wp) {
    if (LOWORD(wp) != UIS_CLEAR || !(HIWORD(wp) & UISF_HIDEFOCUS)) return;
    MarkShown(RootOf(control));
    RepaintIfFocused(control);
}

std::optional<LRESULT> FocusOnActivate(HWND top, WPARAM wp, HWND first, HWND* last) {
    HWND focus = GetFocus();
    const bool controlFocused = focus && IsChild(top, focus);
    if (LOWORD(wp) == WA_INACTIVE) {
        if (controlFocused) *last = focus;
        return std::nullopt;
    }
    if (HIWORD(wp)) return std::nullopt;  // activated while minimised: nothing to focus yet
    if (controlFocused) return 0;
    // The control's own style, not IsWindowVisible: the window itself may still be on its way to the screen.
    auto usable = [top](HWND w) {
        return w && IsChild(top, w) && (GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) && IsWindowEnabled(w);
    };
    HWND target = usable(*last) ? *last : (usable(first) ? first : nullptr);
    if (!target) return std::nullopt;
    SetFocus(target);
    return 0;
}

}  // namespace plat
