// The behaviours the kit's buttons share, run against every control that shares them: each row is an input
// script with the event stream and looks it must give, written once, and a column of its own only for a control
// whose behaviour differs there. Every control runs on the recording services, so captures, the leave poll and
// sent keys read alike. Positions are client pixels at 96 dpi; CheckButton reports twips.
#include <algorithm>
#include <map>

#include "controls/checkbutton/check_button_win.h"
#include "controls/nselection/n_selection_win.h"
#include "controls/nshape/n_shape_win.h"
#include "tests/host/host_rig_win.h"
#include "tests/host/recorders_win.h"

namespace hosttest {
namespace {

using KeyHandler = std::function<void(std::int16_t&, std::int16_t&)>;

// One control of the table.
struct Member {
    const char* name;
    const char* table;  // the name its table runs under
    // Made in `parent` on the recording services with every event recording itself.
    std::function<HWND(HWND parent)> make;
    // The look on screen: 0 normal, 1 hover, 2 pressed, 3 disabled.
    std::function<int(HWND control)> look;
    std::function<void(HWND control, bool on)> enable;
    std::function<void(HWND control, KeyHandler keyDown, KeyHandler keyUp)> keyHandlers;
    std::function<std::wstring(HWND control)> caption = nullptr;
};

constexpr int kId = 7;

// A button of the kit (N_Shape, N_Selection), found from its window by `Of`.
template <typename Model, Model* (*Of)(HWND)>
Member Button(const char* name, const char* table, std::function<HWND(HWND parent)> make) {
    return {name,
            table,
            std::move(make),
            [](HWND w) { return static_cast<int>(Of(w)->ButtonState()); },
            [](HWND w, bool on) { Of(w)->SetEnabled(on); },
            [](HWND w, KeyHandler down, KeyHandler up) {
                Of(w)->events().KeyDown = down;
                Of(w)->events().KeyUp = up;
            },
            [](HWND w) { return Of(w)->Caption(); }};
}

const Member kShape = Button<kit::NShape, kit::NShapeOf>("NShape", "SharedNShape",
                                                         [](HWND parent) { return MakeRecordedShape(parent, kId); });

const Member kSelection = Button<kit::NSelection, kit::NSelectionOf>("NSelection", "SharedNSelection", [](HWND parent) {
    kit::NSelectionArgs a = Placed<kit::NSelectionArgs>(parent, kId, L"NSelection1", 3000, 615, &RecordingServices());
    recorder::Record(a.events, Recorded());
    return kit::CreateNSelection(a);
});

const Member kCheck = {
    "CheckButton",
    "SharedCheckButton",
    [](HWND parent) {
        kit::CheckButtonArgs a = Placed<kit::CheckButtonArgs>(parent, kId, L"Check1", 1500, 300, &RecordingServices());
        recorder::Record(a.events, Recorded());
        return kit::CreateCheckButton(a);
    },
    [](HWND w) { return kit::CheckButtonOf(w)->ShownImage() % kit::kLooksPerValue; },
    [](HWND w, bool on) { kit::CheckButtonOf(w)->SetEnabled(on); },
    nullptr,
};

// The members a row runs against.
const std::vector<const Member*> kButtons = {&kShape, &kSelection};
const std::vector<const Member*> kPressers = {&kShape, &kSelection, &kCheck};

struct Row {
    const char* name;
    std::vector<const Member*> members;
    std::vector<Step> steps;
    std::vector<std::string> expected;
    // A member's own stream, where its behaviour differs.
    std::map<std::string, std::vector<std::string>> differs = {};
    // Handlers the row binds before its steps: KeyDown, KeyUp (null: recording ones).
    KeyHandler keyDown = nullptr;
    KeyHandler keyUp = nullptr;
};

const Member* g_member = nullptr;  // the member whose table the child plays

Step Enable(bool on) {
    return Do([on](HWND w) {
        Log(on ? "enable" : "disable");
        g_member->enable(w, on);
    });
}

// Another window takes the pointer while the control holds it, as a message box shown from a handler does.
Step CaptureTaken() {
    return Do([](HWND w) {
        Log("capture taken by another window");
        TakeRecordedCapture(GetParent(w));
        SendMessageW(w, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(GetParent(w)));
    });
}

const Step Press = Mouse(WM_LBUTTONDOWN, 5, 5);

// Sets the window text as a screen reader or a tool may, then logs whether the caption and the window text agree.
Step SetWindowText(const wchar_t* text) {
    return Do([text](HWND w) {
        SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        wchar_t shown[64] = {};
        GetWindowTextW(w, shown, 64);
        Log(g_member->caption(w) == text && std::wstring(shown) == text ? "caption and text agree" : "they differ");
    });
}

const std::vector<Row> kRows = {
    {"PressDragOutBackRelease",
     kPressers,
     {PointAt(5, 5), Press, State(), PointAway(), Move(150, 5, MK_LBUTTON), State(), PointAt(6, 6),
      Move(6, 6, MK_LBUTTON), State(), Mouse(WM_LBUTTONUP, 6, 6), State()},
     {"capture on", "MouseDown 1 0 5 5", "focus on", "state look 2 cue 0", "MouseMove 1 0 150 5", "state look 0 cue 0",
      "MouseMove 1 0 6 6", "state look 2 cue 0", "MouseUp 1 0 6 6", "Click", "capture off", "state look 1 cue 0"},
     {{"CheckButton",
       {"capture on", "MouseDown 1 0 75 23", "focus on", "state look 2 cue 0", "state look 2 cue 0",
        "MouseMove 1 0 90 38", "state look 2 cue 0", "capture off", "MouseUp 1 0 90 38", "Click",
        "state look 0 cue 0"}}}},
    {"SpaceDownUpClicks",
     kButtons,
     {Focus(), Key(WM_KEYDOWN, VK_SPACE), State(), Key(WM_KEYUP, VK_SPACE), State()},
     {"focus on", "KeyDown 32 0", "KeyPress 32", "state look 2 cue 0", "KeyUp 32 0", "Click", "state look 0 cue 0"}},
    {"HeldSpaceClicksOnce",
     kButtons,
     {Focus(), Key(WM_KEYDOWN, VK_SPACE), KeyRepeat(VK_SPACE), KeyRepeat(VK_SPACE), Key(WM_KEYUP, VK_SPACE)},
     {"focus on", "KeyDown 32 0", "KeyPress 32", "KeyDown 32 0", "KeyPress 32", "KeyDown 32 0", "KeyPress 32",
      "KeyUp 32 0", "Click"}},
    {"SpaceThenFocusLossEndsThePress",
     kButtons,
     {Focus(), Key(WM_KEYDOWN, VK_SPACE), FocusAway(), State(), Key(WM_KEYUP, VK_SPACE), State()},
     {"focus on", "KeyDown 32 0", "KeyPress 32", "focus on (elsewhere)", "state look 0 cue 0", "KeyUp 32 0",
      "state look 0 cue 0"}},
    {"SpaceThenDisableEndsThePress",
     kButtons,
     {Focus(), Key(WM_KEYDOWN, VK_SPACE), Enable(false), Key(WM_KEYUP, VK_SPACE), State()},
     {"focus on", "KeyDown 32 0", "KeyPress 32", "disable", "focus off", "state look 0 cue 0"}},
    {"EnterAndEscapeAreKeysLikeAnyOther",
     kButtons,
     {Focus(), Key(WM_KEYDOWN, VK_RETURN), Key(WM_KEYUP, VK_RETURN), Key(WM_KEYDOWN, VK_ESCAPE),
      Key(WM_KEYUP, VK_ESCAPE), State()},
     {"focus on", "KeyDown 13 0", "KeyPress 13", "KeyUp 13 0", "KeyDown 27 0", "KeyPress 27", "KeyUp 27 0",
      "state look 0 cue 0"}},
    // Alt+Space opens the system menu, whose loop takes the key's release: it presses nothing.
    {"AltSpacePressesNothing",
     kButtons,
     {Focus(), Key(WM_SYSKEYDOWN, VK_SPACE), State(), Key(WM_KEYUP, VK_SPACE), State()},
     {"focus on", "KeyDown 32 0", "parent WM_SYSCOMMAND 61696", "state look 0 cue 1", "KeyUp 32 0",
      "state look 0 cue 1"}},
    // The press follows the key's own code, whatever a handler makes of it.
    {"HandlersChangingTheKeyCode",
     kButtons,
     {Focus(), Key(WM_KEYDOWN, 'A'), Key(WM_KEYUP, 'A'), State(), Key(WM_KEYDOWN, VK_SPACE), State(),
      Key(WM_KEYUP, VK_SPACE), State()},
     {"focus on", "KeyDown 65 0", "KeyPress 97", "KeyUp 65 0", "state look 0 cue 0", "KeyDown 32 0", "KeyPress 32",
      "state look 2 cue 0", "KeyUp 32 0", "Click", "state look 0 cue 0"},
     {},
     [](std::int16_t& code, std::int16_t&) {
         Log("KeyDown " + std::to_string(code) + " 0");
         if (code == 'A') code = VK_SPACE;
     },
     [](std::int16_t& code, std::int16_t&) {
         Log("KeyUp " + std::to_string(code) + " 0");
         code = 0;
     }},
    // A KeyDown handler that moves the focus away takes the key's release with it: Space presses nothing.
    {"KeyDownHandlerMovingTheFocus",
     kButtons,
     {Focus(), Key(WM_KEYDOWN, VK_SPACE), State()},
     {"focus on", "KeyDown 32 0", "KeyPress 32", "focus on (elsewhere)", "state look 0 cue 0"},
     {},
     [](std::int16_t& code, std::int16_t&) {
         Log("KeyDown " + std::to_string(code) + " 0");
         SetFocus(GetParent(GetFocus()));
     }},
    // The window text is the caption, either way it is set. N_Shape fits its width to the new caption.
    {"WindowTextIsTheCaption",
     kButtons,
     {SetWindowText(L"Go")},
     {"caption and text agree"},
     {{"NShape", {"Resize", "caption and text agree"}}}},
    // A disabled control takes no pointer or keyboard input, however it is sent.
    {"DisabledTakesNoInput",
     kPressers,
     {Enable(false), PointAt(5, 5), Move(5, 5), Press, Mouse(WM_LBUTTONUP, 5, 5), Mouse(WM_LBUTTONDBLCLK, 5, 5),
      Key(WM_KEYDOWN, VK_SPACE), Key(WM_KEYUP, VK_SPACE), Key(WM_KEYDOWN, VK_RIGHT), Key(WM_CHAR, 'a'), State()},
     {"disable", "state look 0 cue 0"},
     {{"CheckButton", {"disable", "state look 3 cue 0"}}}},
    // A disable ends the press: no click, the look the pointer calls for, and the next press starts fresh (its
    // position relative to the element under it, its own capture). N_Shape holds the pointer while over it.
    {"PressThenDisable",
     kPressers,
     {PointAt(5, 5), Mouse(WM_LBUTTONDOWN, 40, 10), Enable(false), State(), Enable(true), Move(5, 5), Press,
      Mouse(WM_LBUTTONUP, 5, 5), State()},
     {"capture on", "MouseDown 1 0 5 2.5", "focus on", "disable", "capture off", "focus off", "state look 1 cue 0",
      "enable", "MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 1 0 5 5", "focus on",
      "MouseUp 1 0 5 5", "Click", "capture off", "state look 1 cue 0"},
     {{"NShape",
       {"capture on", "MouseDown 1 0 32 1.5", "focus on", "disable", "capture off", "focus off", "state look 1 cue 0",
        "enable", "MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 1 0 5 5", "focus on",
        "MouseUp 1 0 5 5", "Click", "state look 1 cue 0"}},
      {"CheckButton",
       {"capture on", "MouseDown 1 0 360 98", "focus on", "disable", "capture off", "focus off", "state look 3 cue 0",
        "enable", "MouseMove 0 0 75 23", "capture on", "MouseDown 1 0 75 23", "focus on", "capture off",
        "MouseUp 1 0 75 23", "Click", "state look 0 cue 0"}}}},
    // Another window taking the pointer (a message box shown from MouseDown) ends the press as a disable does.
    {"PressThenCaptureTaken",
     kPressers,
     {PointAt(5, 5), Mouse(WM_LBUTTONDOWN, 40, 10), CaptureTaken(), State(), Move(5, 5), Press,
      Mouse(WM_LBUTTONUP, 5, 5), State()},
     {"capture on", "MouseDown 1 0 5 2.5", "focus on", "capture taken by another window", "state look 1 cue 0",
      "MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 1 0 5 5", "MouseUp 1 0 5 5",
      "Click", "capture off", "state look 1 cue 0"},
     {{"NShape",
       {"capture on", "MouseDown 1 0 32 1.5", "focus on", "capture taken by another window", "state look 1 cue 0",
        "MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 1 0 5 5", "MouseUp 1 0 5 5",
        "Click", "state look 1 cue 0"}},
      {"CheckButton",
       {"capture on", "MouseDown 1 0 360 98", "focus on", "capture taken by another window", "state look 1 cue 0",
        "MouseMove 0 0 75 23", "capture on", "MouseDown 1 0 75 23", "capture off", "MouseUp 1 0 75 23", "Click",
        "state look 0 cue 0"}}}},
    // A press of another button dragged off the control still ends in the control's release and Click: N_Shape's
    // hover logic gives up the pointer on the way out (MouseOut), but the press keeps it until the release.
    {"RightPressDraggedOffStillClicks",
     kButtons,
     {PointAt(5, 5), Move(5, 5), Mouse(WM_RBUTTONDOWN, 5, 5), PointAway(), Move(150, 5, MK_RBUTTON),
      Move(160, 5, MK_RBUTTON), Mouse(WM_RBUTTONUP, 160, 5), State()},
     {"MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 2 0 5 5", "focus on",
      "MouseMove 2 0 150 5", "MouseMove 2 0 160 5", "MouseUp 2 0 160 5", "Click", "capture off", "state look 0 cue 0"},
     {{"NShape",
       {"MouseMove 0 0 5 5", "timer 1 on 1 ms", "MouseEnter", "capture on", "MouseDown 2 0 5 5", "focus on",
        "MouseMove 2 0 150 5", "MouseOut", "MouseMove 2 0 160 5", "MouseUp 2 0 160 5", "Click", "capture off",
        "state look 0 cue 0"}}}},
};

// A member's table: the rows that run against it, with its own column where it has one.
Table MemberTable(const Member* m) {
    Table t{m->table,
            [m](HWND parent, HWND*) {
                g_member = m;
                return m->make(parent);
            },
            [m](HWND w) { return "look " + std::to_string(m->look(w)); },
            {}};
    for (const Row& row : kRows) {
        if (std::find(row.members.begin(), row.members.end(), m) == row.members.end()) continue;
        const auto own = row.differs.find(m->name);
        Case c{row.name, row.steps, own == row.differs.end() ? row.expected : own->second};
        if (row.keyDown || row.keyUp) {
            kit::ButtonEvents recorded;
            recorder::Record(recorded, Recorded());
            const KeyHandler down = row.keyDown ? row.keyDown : recorded.KeyDown;
            const KeyHandler up = row.keyUp ? row.keyUp : recorded.KeyUp;
            c.setup = [m, down, up](HWND w) { m->keyHandlers(w, down, up); };
        }
        t.cases.push_back(c);
    }
    return t;
}

}  // namespace

std::vector<const Table*> ConformanceTables() {
    static const std::vector<Table> tables = {MemberTable(&kShape), MemberTable(&kSelection), MemberTable(&kCheck)};
    std::vector<const Table*> all;
    for (const Table& t : tables) all.push_back(&t);
    return all;
}

}  // namespace hosttest
