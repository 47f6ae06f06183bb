// The message-to-event tables of the four controls. Positions are client pixels at 96 dpi; the events carry
// what each model reports (N_Shape and N_Selection 96-dpi pixels, CheckButton and N_TextBox twips). "capture
// on/off", "timer" and "keys" lines are what N_Shape asked of its recording services, in order; "window
// capture" and "focus" lines are the window system's state after a step.
#include "controls/checkbutton/check_button_win.h"
#include "controls/nselection/n_selection_win.h"
#include "controls/nshape/n_shape_win.h"
#include "controls/ntextbox/n_textbox_win.h"
#include "tests/host/host_rig_win.h"
#include "tests/host/recorders_win.h"

#include <cstdio>

namespace hosttest {
namespace {

const Step Press = Mouse(WM_LBUTTONDOWN, 5, 5);
const Step Release = Mouse(WM_LBUTTONUP, 5, 5);
const Step Tick = Msg(WM_TIMER, 1);  // every control's leave poll is its timer 1

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// ---- N_Shape: its services are the recording ones, so captures, the leave poll and sent keys show in order.

HWND MakeShape(HWND parent, HWND*) { return MakeRecordedShape(parent, 7); }

// The look, and the border colour where it follows the focus.
std::string ShapeState(HWND window) {
    const kit::NShape* m = kit::NShapeOf(window);
    std::string state = "look " + std::to_string(static_cast<int>(m->ButtonState()));
    if (m->BorderGotFocus()) {
        char border[16];
        std::snprintf(border, sizeof(border), " border %06X", static_cast<unsigned>(m->BorderColor()));
        state += border;
    }
    return state;
}

const Table kShape = {
    "NShape",
    MakeShape,
    ShapeState,
    {
        {"EnterPressReleaseClick",
         {PointAt(5, 5), Move(5, 5), Press, State(), Release, State()},
         {"MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 1 0 5 5", "focus on",
          "state look 2 cue 0", "MouseUp 1 0 5 5", "Click", "state look 1 cue 0"}},
        {"LeavePollStopsOnce",
         {PointAt(5, 5), Move(5, 5), PointAway(), Tick, Tick, State()},
         {"MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "timer 1 off", "MouseLeave",
          "state look 0 cue 0"}},
        {"MoveOutWhileCapturedRaisesMouseOut",
         {PointAt(5, 5), Move(5, 5), PointAway(), Move(150, 5), Tick},
         {"MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseMove 0 0 150 5", "capture off",
          "MouseOut", "timer 1 off", "MouseLeave"}},
        {"DoubleClick",
         {PointAt(5, 5), Press, Release, Mouse(WM_LBUTTONDBLCLK, 5, 5), Release},
         {"capture on", "MouseDown 1 0 5 5", "focus on", "MouseUp 1 0 5 5", "Click", "capture off", "capture on",
          "DblClick", "MouseUp 1 0 5 5", "Click", "capture off"}},
        {"RightAndMiddleButtonsClick",
         {PointAt(5, 5), Mouse(WM_RBUTTONDOWN, 5, 5), State(), Mouse(WM_RBUTTONUP, 5, 5), Mouse(WM_MBUTTONDOWN, 5, 5),
          Mouse(WM_MBUTTONUP, 5, 5)},
         {"capture on", "MouseDown 2 0 5 5", "focus on", "state look 0 cue 0", "MouseUp 2 0 5 5", "Click",
          "capture off", "capture on", "MouseDown 4 0 5 5", "MouseUp 4 0 5 5", "Click", "capture off"}},
        {"DragOutReleaseAndEnterAgain",
         {PointAt(5, 5), Press, Move(6, 6, MK_LBUTTON), State(), PointAway(), Move(150, 5, MK_LBUTTON), State(),
          Mouse(WM_LBUTTONUP, 150, 5), State(), PointAt(5, 5), Move(5, 5)},
         {"capture on", "MouseDown 1 0 5 5", "focus on", "MouseMove 1 0 6 6", "state look 2 cue 0",
          "MouseMove 1 0 150 5", "state look 0 cue 0", "MouseUp 1 0 150 5", "Click", "capture off",
          "state look 0 cue 0", "MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on"}},
        {"ArrowsSendTab",
         {Key(WM_KEYDOWN, VK_RIGHT), Key(WM_KEYDOWN, VK_DOWN), Key(WM_KEYDOWN, VK_LEFT), Key(WM_KEYDOWN, VK_UP),
          Key(WM_KEYDOWN, VK_RETURN), Key(WM_KEYUP, VK_RETURN)},
         {"keys {TAB}", "KeyDown 39 0", "keys {TAB}", "KeyDown 40 0", "keys +{TAB}", "KeyDown 37 0", "keys +{TAB}",
          "KeyDown 38 0", "KeyDown 13 0", "KeyPress 13", "KeyUp 13 0"}},
        {"TabShowsTheFocusCue",
         {Focus(), State(), Key(WM_KEYDOWN, VK_TAB), Key(WM_KEYUP, VK_TAB), State()},
         {"focus on", "state look 0 cue 0", "KeyUp 9 0", "state look 0 cue 1"}},
        {"SystemKeysAreRaisedAndPassedOn",
         {Key(WM_SYSKEYDOWN, 'A'), Key(WM_SYSKEYUP, 'A'), Key(WM_SYSKEYDOWN, VK_F10), Key(WM_SYSKEYUP, VK_F10),
          Key(WM_SYSKEYDOWN, VK_F4)},
         {"KeyDown 65 0", "KeyUp 65 0", "KeyDown 121 0", "KeyUp 121 0", "KeyDown 115 0", "parent WM_SYSCOMMAND 61536"}},
        {"FocusShowsTheCustomBorder",
         {Msg(WM_SETFOCUS), State(), Msg(WM_KILLFOCUS), State()},
         {"state look 0 border 0000FF cue 0", "state look 0 border B3B3B3 cue 0"},
         [](HWND w) {
             kit::NShapeOf(w)->SetBorderGotFocus(true);
             kit::NShapeOf(w)->SetBorderCustom(0x0000FF);
         }},
        // A button that keeps the width it is given: a size message raises Resize once, the same size again none.
        // (One that fits its caption asks for its width back at once, and the window reports that size too.)
        {"SizeChangeRaisesResize",
         {Msg(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 40)), Msg(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 40))},
         {"Resize"},
         [](HWND w) { kit::NShapeOf(w)->SetStretchToText(false); }},
        {"DisabledRaisesNothing",
         {PointAt(5, 5), Move(5, 5), Press, Release, Key(WM_KEYDOWN, VK_RIGHT), Key(WM_CHAR, 'a'), Tick},
         {},
         [](HWND w) { kit::NShapeOf(w)->SetEnabled(false); }},
        // A Click handler that destroys the button, or the window holding it: the rest of the release step and
        // later messages must not reach freed state.
        {"ClickDestroyingTheButton",
         {PointAt(5, 5), Press, Release, Move(6, 6), Tick, State()},
         {"capture on", "MouseDown 1 0 5 5", "focus on", "MouseUp 1 0 5 5", "Click", "DestroyWindow control",
          "capture off", "state (destroyed)"},
         nullptr,
         OnClick::DestroyControl},
        {"ClickDestroyingTheParent",
         {PointAt(5, 5), Move(5, 5), Press, Release, Move(6, 6), State()},
         {"MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 1 0 5 5", "focus on",
          "MouseUp 1 0 5 5", "Click", "DestroyWindow parent", "state (destroyed)"},
         nullptr,
         OnClick::DestroyParent},
    },
};

// ---- CheckButton: the Win32 pointer and capture; the leave poll reads the real pointer position.

HWND MakeCheck(HWND parent, HWND*) {
    kit::CheckButtonArgs a = Placed<kit::CheckButtonArgs>(parent, 8, L"Check1", 1500, 300);
    recorder::Record(a.events, Recorded());
    return kit::CreateCheckButton(a);
}

std::string CheckState(HWND window) {
    const kit::CheckButton* m = kit::CheckButtonOf(window);
    return "value " + std::to_string(m->Value()) + " poll " + std::to_string(m->Polling());
}

const Table kCheck = {
    "CheckButton",
    MakeCheck,
    CheckState,
    {
        {"PressReleaseOverItClicks",
         {PointAt(5, 5), Press, Release, State(), Press, Release, State()},
         {"MouseDown 1 0 75 23", "window capture on", "focus on", "MouseUp 1 0 75 23", "Click", "window capture off",
          "state value 1 poll 1 cue 0", "MouseDown 1 0 75 23", "window capture on", "MouseUp 1 0 75 23", "Click",
          "window capture off", "state value 0 poll 1 cue 0"}},
        {"ReleaseOutsideDoesNotClick",
         {PointAt(5, 5), Press, PointAway(), Move(150, 5, MK_LBUTTON), Mouse(WM_LBUTTONUP, 150, 5), State()},
         {"MouseDown 1 0 75 23", "window capture on", "focus on", "MouseUp 1 0 2250 23", "window capture off",
          "state value 0 poll 1 cue 0"}},
        {"ReleaseBackOverItClicks",
         {PointAt(5, 5), Press, Move(150, 5, MK_LBUTTON), Move(6, 6, MK_LBUTTON), Mouse(WM_LBUTTONUP, 6, 6), State()},
         {"MouseDown 1 0 75 23", "window capture on", "focus on", "MouseMove 1 0 90 38", "MouseUp 1 0 90 38", "Click",
          "window capture off", "state value 1 poll 1 cue 0"}},
        {"LostCaptureCancelsTheClick",
         {PointAt(5, 5), Press, Msg(WM_CANCELMODE), Release, State()},
         {"MouseDown 1 0 75 23", "window capture on", "focus on", "window capture off", "MouseUp 1 0 75 23",
          "state value 0 poll 1 cue 0"}},
        {"DoubleClickChangesOnce",
         {PointAt(5, 5), Press, Release, Mouse(WM_LBUTTONDBLCLK, 5, 5), Release, State()},
         {"MouseDown 1 0 75 23", "window capture on", "focus on", "MouseUp 1 0 75 23", "Click", "window capture off",
          "window capture on", "MouseUp 1 0 75 23", "window capture off", "state value 1 poll 1 cue 0"}},
        {"RightButtonDoesNotClick",
         {PointAt(5, 5), Mouse(WM_RBUTTONDOWN, 5, 5), Mouse(WM_RBUTTONUP, 5, 5), State()},
         {"MouseDown 2 0 75 23", "window capture on", "MouseUp 2 0 75 23", "window capture off",
          "state value 0 poll 1 cue 0"}},
        {"LeavePollRaisesMouseOutOnce",
         {PointAt(5, 5), Move(5, 5), PointAway(), Tick, Tick, State(), PointAt(5, 5), Move(5, 5), State()},
         {"MouseMove 0 0 75 23", "MouseOut", "state value 0 poll 0 cue 0", "MouseMove 0 0 75 23",
          "state value 0 poll 1 cue 0"}},
        {"EdgesCountAsInside",
         {PointAt(100, 20), Move(5, 5), Tick, State(), PointAt(101, 5), Tick, State()},
         {"MouseMove 0 0 75 23", "state value 0 poll 1 cue 0", "MouseOut", "state value 0 poll 0 cue 0"}},
        {"Keys",
         {Key(WM_KEYDOWN, VK_SPACE), Key(WM_KEYUP, VK_SPACE), Key(WM_SYSKEYDOWN, 'A'), Key(WM_SYSKEYUP, 'A'),
          Key(WM_SYSKEYDOWN, VK_F4), State()},
         {"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "KeyDown 65 0", "KeyUp 65 0", "KeyDown 115 0",
          "parent WM_SYSCOMMAND 61536", "state value 0 poll 1 cue 0"}},
        {"EnterAndEscapeReachTheControl",
         {Focus(), Key(WM_KEYDOWN, VK_RETURN), Key(WM_KEYUP, VK_RETURN), Key(WM_KEYDOWN, VK_ESCAPE),
          Key(WM_KEYUP, VK_ESCAPE), Key(WM_KEYDOWN, VK_SPACE), Key(WM_KEYUP, VK_SPACE), State()},
         {"focus on", "KeyDown 13 0", "KeyPress 13", "KeyUp 13 0", "KeyDown 27 0", "KeyPress 27", "KeyUp 27 0",
          "KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "state value 0 poll 1 cue 0"}},
        {"AnArrowShowsTheFocusCue",
         {Focus(), State(), Key(WM_KEYDOWN, VK_RIGHT), State()},
         {"focus on", "state value 0 poll 1 cue 0", "KeyDown 39 0", "state value 0 poll 1 cue 1"}},
    },
};

// ---- N_Selection: the Win32 pointer, capture and key sender.

HWND MakeSelection(HWND parent, HWND*) {
    kit::NSelectionArgs a = Placed<kit::NSelectionArgs>(parent, 9, L"NSelection1", 3000, 600);
    recorder::Record(a.events, Recorded());
    return kit::CreateNSelection(a);
}

std::string ModelSize(HWND window) {
    const kit::NSelection* m = kit::NSelectionOf(window);
    return m ? std::to_string(m->Width()) + "x" + std::to_string(m->Height()) : "(none)";
}

// A second entry, new or loaded from `bag`, at a place of `width` x `height` twips: each Resize with the size the
// model holds as the container's handler sees it, then the model's and the window's size and the labels' tops.
void MakeSecondSelection(HWND first, int width, int height, const kit::PropertyBag* bag) {
    HWND parent = GetParent(first);
    kit::NSelectionArgs a = Placed<kit::NSelectionArgs>(parent, 11, L"NSelection2", width, height);
    a.bag = bag;
    a.events.Resize = [parent] { Log("Resize " + ModelSize(GetDlgItem(parent, 11))); };
    HWND window = kit::CreateNSelection(a);
    RECT r = {};
    GetClientRect(window, &r);
    const kit::NSelection* m = kit::NSelectionOf(window);
    Log("model " + ModelSize(window) + " window " + std::to_string(r.right) + "x" + std::to_string(r.bottom) +
        " labels at " + Num(m->Label1().top) + " and " + Num(m->Label_Descricao().top));
}

std::string SelectionState(HWND window) {
    return "look " + std::to_string(static_cast<int>(kit::NSelectionOf(window)->ButtonState()));
}

const Table kSelection = {
    "NSelection",
    MakeSelection,
    SelectionState,
    {
        {"EnterLeave",
         {PointAt(5, 5), Move(5, 5), Move(6, 6), State(), PointAway(), Tick, Tick, State()},
         {"MouseMove 0 0 5 5", "MouseEnter", "MouseMove 0 0 6 6", "state look 1 cue 0", "MouseLeave",
          "state look 0 cue 0"}},
        {"PressReleaseClick",
         {PointAt(5, 5), Move(5, 5), Press, State(), Release, State()},
         {"MouseMove 0 0 5 5", "MouseEnter", "MouseDown 1 0 5 5", "window capture on", "focus on", "state look 2 cue 0",
          "MouseUp 1 0 5 5", "Click", "window capture off", "state look 1 cue 0"}},
        {"DoubleClick",
         {PointAt(5, 5), Press, Release, Mouse(WM_LBUTTONDBLCLK, 5, 5), Release},
         {"MouseDown 1 0 5 5", "window capture on", "focus on", "MouseUp 1 0 5 5", "Click", "window capture off",
          "DblClick", "window capture on", "MouseUp 1 0 5 5", "Click", "window capture off"}},
        {"ArrowsSendTab",
         {Key(WM_KEYDOWN, VK_RIGHT), TakeKeys(2), Key(WM_KEYDOWN, VK_UP), TakeKeys(4), Key(WM_KEYDOWN, VK_RETURN),
          Key(WM_KEYUP, VK_RETURN), Key(WM_SYSKEYDOWN, 'A'), Key(WM_SYSKEYUP, 'A')},
         {"KeyDown 39 0", "queue keydown 9", "queue keyup 9", "KeyDown 38 0", "queue keydown 16", "queue keydown 9",
          "queue keyup 9", "queue keyup 16", "KeyDown 13 0", "KeyPress 13", "KeyUp 13 0", "KeyDown 65 0",
          "KeyUp 65 0"}},
        {"AltShowsTheFocusCue",
         {Focus(), State(), Key(WM_SYSKEYDOWN, VK_MENU), State()},
         {"focus on", "state look 0 cue 0", "KeyDown 18 0", "state look 0 cue 1"}},
        // Positions stay relative to the element that took the press until its release.
        {"HeldPressReportsToItsElement",
         {PointAt(40, 10), Mouse(WM_LBUTTONDOWN, 40, 10), Move(150, 30, MK_LBUTTON), Mouse(WM_LBUTTONUP, 150, 30)},
         {"MouseDown 1 0 5 2.5", "window capture on", "focus on", "MouseMove 1 0 115 22.5", "MouseUp 1 0 115 22.5",
          "Click", "window capture off"}},
        {"RightAndMiddleDoubleClicks",
         {PointAt(5, 5), Mouse(WM_RBUTTONDOWN, 5, 5), Mouse(WM_RBUTTONUP, 5, 5), Mouse(WM_RBUTTONDBLCLK, 5, 5),
          Mouse(WM_RBUTTONUP, 5, 5), Mouse(WM_MBUTTONDBLCLK, 5, 5), Mouse(WM_MBUTTONUP, 5, 5)},
         {"MouseDown 2 0 5 5", "window capture on", "focus on", "MouseUp 2 0 5 5", "Click", "window capture off",
          "DblClick", "window capture on", "MouseUp 2 0 5 5", "Click", "window capture off", "DblClick",
          "window capture on", "MouseUp 4 0 5 5", "Click", "window capture off"}},
        // A new entry whose window is not the design's 182 pixels wide: one Resize, with the window's width.
        {"CreationResizesOnce",
         {Do([](HWND w) { MakeSecondSelection(w, 3000, 600, nullptr); })},
         {"Resize 200x41", "model 200x41 window 200x41 labels at 7.5 and 20.5"}},
        // Loaded at exactly the design's 182 x 52 pixels: placing it still resizes and lays it out, once.
        {"LoadedAtTheDesignSizeIsLaidOut",
         {Do([](HWND w) {
             const kit::PropertyBag empty;
             MakeSecondSelection(w, 2730, 780, &empty);
         })},
         {"Resize 182x41", "model 182x41 window 182x41 labels at 7.5 and 20.5"}},
    },
};

// ---- N_TextBox: the steps go to its edit box.

HWND MakeTextBox(HWND parent, HWND* target) {
    kit::NTextBoxArgs a = Placed<kit::NTextBoxArgs>(parent, 10, L"NTextBox1", 2610, 1020);
    recorder::Record(a.events, Recorded());
    HWND window = kit::CreateNTextBox(a);
    kit::NTextBox* model = kit::NTextBoxOf(window);
    if (!model) return nullptr;
    model->SetText(L"");  // so the tables read only what the steps typed
    *target = kit::NTextBoxEdit(window);
    return window;
}

std::string TextBoxState(HWND window) {
    HWND edit = kit::NTextBoxEdit(window);
    wchar_t shown[64] = {};
    GetWindowTextW(edit, shown, 64);
    DWORD from = 0, to = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return "text \"" + Narrow(kit::NTextBoxOf(window)->Text()) + "\" edit \"" + Narrow(shown) + "\" selected " +
           std::to_string(from) + "-" + std::to_string(to) + " visible " +
           std::to_string(IsWindowVisible(edit) != FALSE);
}

const Table kTextBox = {
    "NTextBox",
    MakeTextBox,
    TextBoxState,
    {
        {"TypingRaisesKeysAndChange",
         {Key(WM_KEYDOWN, 'A'), Key(WM_KEYUP, 'A'), Key(WM_CHAR, '1'), State()},
         {"KeyDown 65 0", "KeyPress 97", "Change", "KeyUp 65 0", "KeyPress 49", "Change",
          "state text \"a1\" edit \"a1\" selected 2-2 visible 1 cue 0"}},
        {"NumberBoxDropsLetters",
         {Key(WM_CHAR, 'a'), Key(WM_CHAR, '5'), Key(WM_CHAR, 8), State()},
         {"KeyPress 97", "KeyPress 53", "Change", "KeyPress 8", "Change",
          "state text \"\" edit \"\" selected 0-0 visible 1 cue 0"},
         [](HWND w) { kit::NTextBoxOf(w)->SetNumberBox(true); }},
        {"LabelModeRaisesNothing",
         {Key(WM_KEYDOWN, 'A'), Key(WM_CHAR, 'a'), Key(WM_KEYUP, 'A'), State()},
         {"state text \"\" edit \"\" selected 0-0 visible 0 cue 0"},
         [](HWND w) { kit::NTextBoxOf(w)->SetLabelBox(true); }},
        {"SystemKeysAreRaisedAndPassedOn",
         {Key(WM_SYSKEYDOWN, 'A'), Key(WM_SYSKEYUP, 'A'), Key(WM_SYSKEYDOWN, VK_F10), Key(WM_SYSKEYUP, VK_F10),
          Key(WM_SYSKEYDOWN, VK_F4), State()},
         {"KeyDown 65 0", "KeyUp 65 0", "KeyDown 121 0", "KeyUp 121 0", "KeyDown 115 0", "parent WM_SYSCOMMAND 61536",
          "state text \"\" edit \"\" selected 0-0 visible 1 cue 0"}},
        {"ClickSelectsAllAndDoubleClick",
         {Move(3, 3), Mouse(WM_LBUTTONDOWN, 3, 3), Mouse(WM_LBUTTONUP, 3, 3), State(), Mouse(WM_LBUTTONDBLCLK, 3, 3),
          Mouse(WM_LBUTTONUP, 3, 3)},
         {"MouseMove 0 0 45 45", "MouseDown 1 0 45 45", "window capture on", "focus on", "MouseUp 1 0 45 45", "Click",
          "window capture off", "state text \"abc\" edit \"abc\" selected 0-3 visible 1 cue 0", "DblClick",
          "window capture on", "MouseUp 1 0 45 45", "window capture off"},
         [](HWND w) { kit::NTextBoxOf(w)->SetText(L"abc"); }},
        // The second press of a right or middle double-click is a press like the first; only the left button's
        // is a DblClick. (A right release would open the edit box's context menu, whose loop holds the thread.)
        {"RightAndMiddleDoubleClicksPressAgain",
         {Mouse(WM_RBUTTONDOWN, 3, 3), Mouse(WM_RBUTTONDBLCLK, 3, 3), Mouse(WM_MBUTTONDOWN, 3, 3),
          Mouse(WM_MBUTTONUP, 3, 3), Mouse(WM_MBUTTONDBLCLK, 3, 3), Mouse(WM_MBUTTONUP, 3, 3)},
         {"MouseDown 2 0 45 45", "MouseDown 2 0 45 45", "MouseDown 4 0 45 45", "MouseUp 4 0 45 45",
          "MouseDown 4 0 45 45", "MouseUp 4 0 45 45"}},
        // Another window takes the pointer from the edit box's press: its release makes no click.
        {"LostCaptureCancelsTheClick",
         {Mouse(WM_LBUTTONDOWN, 3, 3), Msg(WM_CANCELMODE), Mouse(WM_LBUTTONUP, 3, 3), State()},
         {"MouseDown 1 0 45 45", "window capture on", "focus on", "window capture off", "MouseUp 1 0 45 45",
          "state text \"\" edit \"\" selected 0-0 visible 1 cue 0"}},
        {"EnterAndEscapeAreTypedInTheBox",
         {Focus(), Key(WM_KEYDOWN, VK_RETURN), Key(WM_KEYUP, VK_RETURN), Key(WM_KEYDOWN, VK_ESCAPE),
          Key(WM_KEYUP, VK_ESCAPE), State()},
         {"focus on", "KeyDown 13 0", "KeyPress 13", "KeyUp 13 0", "KeyDown 27 0", "KeyPress 27", "KeyUp 27 0",
          "state text \"\" edit \"\" selected 0-0 visible 1 cue 0"}},
    },
};

}  // namespace

const std::vector<const Table*>& Tables() {
    static const std::vector<const Table*> all = [] {
        std::vector<const Table*> tables = {&kShape, &kCheck, &kSelection, &kTextBox};
        for (const Table* t : ConformanceTables()) tables.push_back(t);
        return tables;
    }();
    return all;
}

}  // namespace hosttest
