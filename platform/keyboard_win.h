// The keyboard side every window of the program shares: the message loop's handling of one message, the focus
// cues that show once the keyboard is used, and the focus a top-level window gives back when it is activated.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <optional>

namespace plat {

// One message of the program's loop: keyboard navigation shows the focus cues of its window, then the top-level
// window's dialog manager sees it (Tab, arrows, Escape, Enter, mnemonics), then it is translated and dispatched.
// Tests drive controls through this very function.
void HandleLoopMessage(MSG& msg);

// Focus cues (the focus rectangle) follow Windows' convention: hidden in a new window unless the user's setting
// shows them always, shown from the first keyboard navigation on. The state belongs to the top-level window;
// `window` may be any window inside it. Wine does not keep the system's UI state, so the program keeps its own,
// and paints read only that.
bool FocusCuesShown(HWND window);
// At the creation of a top-level window, once its controls exist (the window skeleton calls it when WM_CREATE has
// succeeded): the user's setting is read once, and the system's own controls in the window take the same state.
void StartFocusCues(HWND top);
// Drops a destroyed top-level window's record (the window skeleton calls it at WM_NCDESTROY).
void ForgetFocusCues(HWND window);
// A control's answer to WM_UPDATEUISTATE: the system shows the cues (Alt pressed, or the user's action elsewhere).
void FollowUiState(HWND control, WPARAM wp);

// A real keystroke into the input queue, press and release, with Shift held around it when `shift`; nothing waits
// for it to be handled.
void SendKeystroke(WORD vk, bool shift = false);

// The control a top-level window gives the focus to when it is activated: the one that had it before the window
// was deactivated (kept in `*last`), else `first`, the first of its tab order. The window skeleton hands it
// WM_ACTIVATE and returns the result when there is one (the default handler would give the focus to the window
// itself).
std::optional<LRESULT> FocusOnActivate(HWND top, WPARAM wp, HWND first, HWND* last);

}  // namespace plat
