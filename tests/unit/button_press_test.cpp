// The input of the kit's four controls, as input scripts: each row gives the events and the looks its script must
// leave for the buttons, once, and another control's own stream only where it differs. N_Selection holds no
// pointer while merely over the control, so it raises no MouseOut and has no hover picture. The check box shows
// its looks in its value's images, cycles its value on a click and knows no Enter, Leave or Space press. The text
// box's pointer belongs to its edit box, whose caret and selection the system keeps: it shows no looks and takes
// no capture, and its click comes when the edit box has handled a left release.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "controls/checkbutton/check_button.h"
#include "controls/nselection/n_selection.h"
#include "controls/nshape/n_shape.h"
#include "controls/ntextbox/n_textbox.h"
#include "fakes.h"
#include "tests/event_recorder.h"
#include "tests/kit_fakes.h"
#include "tests/look_journal.h"

namespace {

using Lines = std::vector<std::string>;

// The control's window is 100 x 30 pixels with its client origin at (200, 100). Both points lie on the surface
// of every control, clear of its caption and picture; the host converts them into the control's unit.
constexpr plat::WindowId kWindow = 100;
constexpr plat::WindowId kOther = 200;
constexpr float kInX = 98, kOutX = 150, kY = 5;

struct Site final : kitfakes::SiteBase {
    int invalidated = 0;
    void Invalidate() override { ++invalidated; }
    void Refresh() override {
        if (log) log->push_back("repaint");
    }
    Lines* log = nullptr;  // where focus and repaint requests are written, once a script asks
    void TakeFocus() override {
        if (log) log->push_back("focus");
    }
};

// What a row's MouseDown or KeyDown handler does besides recording.
// ChangeButton: the MouseDown, MouseMove and MouseUp handlers clear the Button argument.
enum class During { Nothing, Disable, TakeCapture, TakeFocus, ChangeButton };

template <typename Model>
struct Bench {
    using Events = std::remove_reference_t<decltype(std::declval<Model&>().events())>;
    fakes::Platform p;
    Site site;
    Lines log;
    std::unique_ptr<Model> m;
    During during = During::Nothing;
    bool annotate = false;  // each event line carries the look on screen as it is raised
    bool inside = false;    // each event line carries MouseInside as it is raised
    std::int16_t held = 0;
    float x = kOutX, y = kY;

    Bench() {
        p.pointer.origins[kWindow] = {200, 100};
        p.pointer.windowAt = [](plat::Point s) {
            return s.x >= 200 && s.x < 300 && s.y >= 100 && s.y < 130 ? kWindow : plat::WindowId(0);
        };
        Events e;
        recorder::Record(
            e,
            [this](const std::wstring& line) {
                if (!annotate && !inside && line.compare(0, 9, L"MouseMove") == 0) return;
                log.emplace_back(line.begin(), line.end());
                if (annotate) log.back() += " @" + std::to_string(Shown()) + Picture();
                if (inside) log.back() += Inside();
            },
            recorder::Detail::First);
        for (kit::PointerEvent* event : {&e.MouseDown, &e.MouseMove, &e.MouseUp}) {
            const kit::PointerEvent recorded = *event;
            const bool down = event == &e.MouseDown;
            *event = [this, recorded, down](std::int16_t& b, std::int16_t& s, float& x, float& y) {
                recorded(b, s, x, y);
                if (during == During::ChangeButton) b = 0;
                if (down) Act();
            };
        }
        e.KeyDown = [this](std::int16_t& k, std::int16_t&) {
            log.push_back("KeyDown " + std::to_string(k) + " sent " + std::to_string(p.keys.sent.size()));
            Act();
        };
        Make(e);
        site.scale.unit = m->SizeUnit();
        site.measure = &p.text;
        site.extent = m->SizeUnit() == plat::SizeUnit::Twips ? plat::Size{1500, 450} : plat::Size{100, 30};
        m->Attach(kWindow, &site);
        Made();
        log.clear();
        site.invalidated = 0;
    }
    void Make(const Events& e) { m = std::make_unique<Model>(p.services, e); }
    void Made() {
        if constexpr (std::is_base_of_v<kit::ButtonModel, Model>) {
            // A back colour per look, so the look on screen reads back (0x10 + the look).
            m->SetBackColorNormal(0x10);
            m->SetBackColorHover(0x11);
            m->SetBackColorDown(0x12);
        } else {  // made as their hosts make them: a new instance, then the window's size
            m->InitNew({L"Control1"});
            m->Resize(1500, 450);
        }
    }
    // The host's next step once the window has handled a release.
    void Handled() {}
    int Look() { return static_cast<int>(m->ButtonState()); }
    // The look on screen, as a repaint draws it now, which a button's state may run ahead of (during Click): the
    // colour of the look's figure or surface (0x10 + the look), the check box's image of its value in the look.
    int Shown() {
        const std::string painted = journal::Painted(*m, &p.text);
        const auto after = [&](const char* part) {
            return painted.find(part) == std::string::npos ? std::string::npos : painted.find(part) + std::strlen(part);
        };
        if constexpr (std::is_same_v<Model, kit::CheckButton>)
            return std::stoi(painted.substr(after("box image "))) % kit::kLooksPerValue;
        if constexpr (std::is_same_v<Model, kit::NTextBox>) return 0;  // the text box shows no looks
        const std::size_t colour = painted.find("&H", after(std::is_same_v<Model, kit::NShape> ? "figure" : "fill"));
        return static_cast<int>(std::stoul(painted.substr(colour + 2, 8), nullptr, 16)) - 0x10;
    }
    std::string Picture() const { return ""; }
    std::string Inside() const {
        if constexpr (std::is_same_v<Model, kit::NShape> || std::is_same_v<Model, kit::NSelection>)
            return " in" + std::to_string(m->MouseInside());
        return "";
    }
    // A point of the window in the control's unit, as its host converts it.
    float At(float pixels) const { return site.scale.PointerIn(pixels); }

    void Act() {
        if (during == During::Disable) m->SetEnabled(false);
        if (during == During::TakeCapture) {
            // Another window takes the pointer, as a message box does; the loser hears of it at once.
            p.pointer.capture = kOther;
            m->CaptureLost();
        }
        if (during == During::TakeFocus) m->LostFocus();
    }

    void State(bool pictures) {
        std::ostringstream s;
        s << "look " << Look() << " cap " << (p.pointer.capture == kWindow);
        if (pictures) Pictures(s);
        log.push_back(s.str());
    }
    void Pictures(std::ostringstream&) {}

    void Step(const std::string& t) {
        const auto move = [this](float to, float down = kY) {
            x = to;
            y = down;
            p.pointer.cursor = {200 + static_cast<int>(to), 100 + static_cast<int>(down)};
            m->MouseMove(held, 0, At(to), At(down));
        };
        const std::int16_t b = static_cast<std::int16_t>(t.size() > 1 && t[1] >= '0' && t[1] <= '9' ? t[1] - '0' : 0);
        if (t == "in") move(kInX);
        if (t == "out") move(kOutX);
        if (t == "near") move(kInX - 10);
        if (t == "pic") move(12, 20);  // over N_Shape's picture element, below its caption
        if (t[0] == 'd' && b) {
            held = static_cast<std::int16_t>(held | b);
            m->MouseDown(b, 0, At(x), At(y));
        }
        if (t[0] == 'u' && b) {
            held = static_cast<std::int16_t>(held & ~b);
            m->MouseUp(b, 0, At(x), At(y));
            Handled();
        }
        if (t[0] == 'w' && b) {  // the second press of a double-click
            held = static_cast<std::int16_t>(held | b);
            m->DblClick(b, 0, At(x), At(y));
        }
        if (t[0] == 'k') {  // a key down and up by its code
            const auto code = static_cast<std::int16_t>(std::stoi(t.substr(1)));
            m->KeyDown(code, 0, false);
            m->KeyUp(code, 0);
        }
        if (t == "sp") m->KeyDown(kit::keys::kSpace, 0, false);
        if (t == "altsp") m->KeyDown(kit::keys::kSpace, 4, true);
        if (t == "su") m->KeyUp(kit::keys::kSpace, 0);
        if (t == "away") p.pointer.cursor = {200 + static_cast<int>(kOutX), 100 + static_cast<int>(kY)};  // no move yet
        if (t == "tick") m->TimerTick(1);
        if (t == "blur") m->LostFocus();
        if (t == "lost") {  // another window took the pointer during the press, and its release
            p.pointer.capture = kOther;
            m->CaptureLost();
            held = 0;
        }
        if (t == "off") held = 0;  // the release goes to no disabled window
        if (t == "off" || t == "on") m->SetEnabled(t == "on");
        if (t == "?" || t == "?p") State(t == "?p");
        if (t == "f") site.log = &log;
        if (t == "L") annotate = true;
        if (t == "I") inside = true;
        if (t == "?r") log.push_back(std::exchange(site.invalidated, 0) ? "repainted" : "not repainted");
    }
    Lines Run(const std::string& script, During d) {
        during = d;
        std::istringstream in(script);
        for (std::string t; in >> t;) Step(t);
        return log;
    }
};

template <>
void Bench<kit::NShape>::Make(const kit::ButtonEvents& e) {
    m = std::make_unique<kit::NShape>(p.services, e);
    m->SetPictureNormal({L"normal"});
    m->SetPictureHover({L"hover"});
    m->SetPictureDown({L"down"});
}
template <>
int Bench<kit::CheckButton>::Look() {
    return Shown();
}
template <>
void Bench<kit::NTextBox>::Handled() {
    m->TxtClick();
}
template <>
int Bench<kit::NTextBox>::Look() {
    return Shown();
}
template <>
std::string Bench<kit::NShape>::Picture() const {
    return "/" + std::to_string(m->CurPicture());
}
template <>
void Bench<kit::NShape>::Pictures(std::ostringstream& s) {
    s << " inside " << m->MouseInside() << " picture " << m->CurPicture();
}

enum Members { kEvery, kShapeOnly };

struct Row {
    const char* name;
    Members members;
    const char* script;          // in/out/near: a move over, beside or elsewhere over the control with the buttons
                                 // held; dN/uN: press or
                                 // release button N; wN: a double-click's second press; kN: key N down and up; sp/su:
                                 // Space down/up; altsp; tick: the leave poll; blur: focus lost; lost: capture taken;
                                 // off/on: disable/enable; ?: look and capture; ?p: with MouseInside and CurPicture;
                                 // ?r: whether the site was asked to repaint since the last ?r; f: log the site's
                                 // focus and repaint requests from now on; L: every event line from now on, moves
                                 // too, ends with "@", the look on screen as it was raised, and N_Shape's picture;
                                 // I: every event line, moves too, ends with MouseInside (N_Shape, N_Selection);
                                 // pic: a move over N_Shape's picture element
    const char* expected;        // the events and looks, joined by ", "
    const char* selection = "";  // N_Selection's stream, where it differs
    During during = During::Nothing;
    const char* check = "";  // CheckButton's, where it differs from the buttons'
    const char* text = "";   // N_TextBox's, where it differs from the check box's
};

// Looks: 0 Normal, 1 Hover, 2 Down. Pictures: 3 Normal, 2 Hover, 1 Down.
const Row kRows[] = {
    {"LeftClick", kEvery, "in d1 ? u1 ? in ? near ?",
     "MouseEnter, MouseDown 1, look 2 cap 1, MouseUp 1, Click, look 1 cap 1, look 1 cap 1, look 1 cap 1",
     "MouseEnter, MouseDown 1, look 2 cap 1, MouseUp 1, Click, look 1 cap 0, look 1 cap 0, look 1 cap 0",
     During::Nothing, "MouseDown 1, look 2 cap 1, MouseUp 1, Click, look 0 cap 0, look 0 cap 0, look 1 cap 0",
     "MouseDown 1, look 0 cap 0, MouseUp 1, Click, look 0 cap 0, look 0 cap 0, look 0 cap 0"},
    {"LeftDragOutAndBack", kEvery, "in d1 out ? in ? out u1 ?",
     "MouseEnter, MouseDown 1, look 0 cap 1, look 2 cap 1, MouseUp 1, Click, look 0 cap 1",
     "MouseEnter, MouseDown 1, look 0 cap 1, look 2 cap 1, MouseUp 1, Click, look 0 cap 0", During::Nothing,
     "MouseDown 1, look 2 cap 1, look 2 cap 1, MouseUp 1, look 2 cap 0",
     "MouseDown 1, look 0 cap 0, look 0 cap 0, MouseUp 1, Click, look 0 cap 0"},
    {"RightClickKeepsTheLook", kEvery, "in d2 ? u2 ?",
     "MouseEnter, MouseDown 2, look 1 cap 1, MouseUp 2, Click, look 1 cap 1",
     "MouseEnter, MouseDown 2, look 1 cap 1, MouseUp 2, Click, look 1 cap 0", During::Nothing,
     "MouseDown 2, look 2 cap 1, MouseUp 2, look 2 cap 0", "MouseDown 2, look 0 cap 0, MouseUp 2, look 0 cap 0"},
    {"DoubleClickClicksTwice", kEvery, "in d1 u1 w1 u1 ?",
     "MouseEnter, MouseDown 1, MouseUp 1, Click, DblClick, MouseUp 1, Click, look 1 cap 1",
     "MouseEnter, MouseDown 1, MouseUp 1, Click, DblClick, MouseUp 1, Click, look 1 cap 0", During::Nothing,
     "MouseDown 1, MouseUp 1, Click, MouseUp 1, look 0 cap 0",
     "MouseDown 1, MouseUp 1, Click, DblClick, MouseUp 1, look 0 cap 0"},
    {"DraggedOverEntersAgain", kEvery, "in d1 in u1 in ? near ?",
     "MouseEnter, MouseDown 1, MouseUp 1, Click, MouseEnter, look 1 cap 1, look 1 cap 1",
     "MouseEnter, MouseDown 1, MouseUp 1, Click, MouseEnter, look 1 cap 0, look 1 cap 0", During::Nothing,
     "MouseDown 1, MouseUp 1, Click, look 0 cap 0, look 1 cap 0",
     "MouseDown 1, MouseUp 1, Click, look 0 cap 0, look 0 cap 0"},
    {"LeaveByMoveAndPoll", kEvery, "in tick ? out ? tick ? tick",
     "MouseEnter, look 1 cap 1, MouseOut, look 0 cap 0, MouseLeave, look 0 cap 0",
     "MouseEnter, look 1 cap 0, look 0 cap 0, MouseLeave, look 0 cap 0", During::Nothing,
     "look 1 cap 0, look 1 cap 0, MouseOut, look 0 cap 0", "look 0 cap 0, look 0 cap 0, look 0 cap 0"},
    // The pointer has gone when a tick reads it, before the move that takes it away has reached the control.
    {"ThePollSeesTheLeaveBeforeTheMove", kEvery, "in away tick ? out ?",
     "MouseEnter, MouseLeave, look 0 cap 1, MouseOut, look 0 cap 0",
     "MouseEnter, MouseLeave, look 0 cap 0, look 0 cap 0", During::Nothing, "MouseOut, look 0 cap 0, look 0 cap 0",
     "look 0 cap 0, look 0 cap 0"},
    // A look that changes asks the site to repaint; nothing else would show it.
    {"NewLooksRepaint", kEvery, "?r in ?r d1 ?r", "not repainted, MouseEnter, repainted, MouseDown 1, repainted", "",
     During::Nothing, "not repainted, repainted, MouseDown 1, repainted",
     "not repainted, not repainted, MouseDown 1, not repainted"},
    // Which presses take the focus, before the press goes on: any on a button; a left one that is no
    // double-click's on the check box; the text box's edit box takes it itself.
    {"PressesTakeTheFocus", kEvery, "f in d2 u2 w1 u1 d1 u1",
     "MouseEnter, focus, MouseDown 2, MouseUp 2, Click, focus, DblClick, MouseUp 1, Click, "
     "focus, MouseDown 1, MouseUp 1, Click",
     "", During::Nothing, "MouseDown 2, MouseUp 2, MouseUp 1, focus, MouseDown 1, MouseUp 1, Click",
     "MouseDown 2, MouseUp 2, DblClick, MouseUp 1, MouseDown 1, MouseUp 1, Click"},
    // The look each event sees: a new look shows after the event that announces it, and the pressed look stays
    // while Click runs. N_Shape puts its pressed picture up before MouseDown, the hover one before MouseUp and the
    // normal one, after a repaint, before MouseOut. The check box shows its pressed image before MouseDown, and its
    // value's normal image before Click and before MouseOut.
    {"LookAsEachEventIsRaised", kEvery, "f L in d1 u1 near out tick sp su",
     "MouseMove 0 @0/3, MouseEnter @0/3, focus, MouseDown 1 @1/1, MouseUp 1 @2/2, Click @2/2, MouseMove 0 @1/2, "
     "MouseMove 0 @1/2, repaint, MouseOut @0/3, MouseLeave @0/3, KeyDown 32 sent 0, KeyUp 32 @2/1, repaint, Click @2/1",
     "MouseMove 0 @0, MouseEnter @0, focus, MouseDown 1 @1, MouseUp 1 @2, Click @2, MouseMove 0 @1, MouseMove 0 @1, "
     "MouseLeave @0, KeyDown 32 sent 0, KeyUp 32 @2, repaint, Click @2",
     During::Nothing,
     "MouseMove 0 @0, focus, MouseDown 1 @2, MouseUp 1 @2, Click @0, MouseMove 0 @0, MouseOut @0, KeyDown 32 sent 0, "
     "KeyUp 32 @0",
     "MouseMove 0 @0, MouseDown 1 @0, MouseUp 1 @0, Click @0, MouseMove 0 @0, MouseMove 0 @0, KeyDown 32 sent 0, KeyUp "
     "32 @0"},
    // Which presses and releases make a click, besides the plain ones above.
    {"CaptureLostBeforeTheRelease", kEvery, "in d1 lost u1 ?",
     "MouseEnter, MouseDown 1, MouseUp 1, Click, look 1 cap 0", "", During::Nothing,
     "MouseDown 1, MouseUp 1, look 1 cap 0", "MouseDown 1, MouseUp 1, look 0 cap 0"},
    {"DoubleClickSecondPresses", kEvery, "in d1 w1 u1 w2 u2 ?",
     "MouseEnter, MouseDown 1, DblClick, MouseUp 1, Click, DblClick, MouseUp 2, Click, look 1 cap 1",
     "MouseEnter, MouseDown 1, DblClick, MouseUp 1, Click, DblClick, MouseUp 2, Click, look 1 cap 0", During::Nothing,
     "MouseDown 1, MouseUp 1, MouseDown 2, MouseUp 2, look 2 cap 0",
     "MouseDown 1, DblClick, MouseUp 1, MouseDown 2, MouseUp 2, look 0 cap 0"},
    {"TwoButtonsThenTheLeftReleased", kEvery, "in d1 d2 u2 u1 ?",
     "MouseEnter, MouseDown 1, MouseDown 2, MouseUp 2, Click, MouseUp 1, Click, look 1 cap 1",
     "MouseEnter, MouseDown 1, MouseDown 2, MouseUp 2, Click, MouseUp 1, Click, look 1 cap 0", During::Nothing,
     "MouseDown 1, MouseDown 2, MouseUp 2, MouseUp 1, Click, look 0 cap 0"},
    {"ReleasesWithoutTheirPress", kEvery, "in u1 d2 u1 d1 u1 u1 ?",
     "MouseEnter, MouseUp 1, Click, MouseDown 2, MouseUp 1, Click, MouseDown 1, MouseUp 1, Click, MouseUp 1, Click, "
     "look 1 cap 1",
     "", During::Nothing, "MouseUp 1, MouseDown 2, MouseUp 1, MouseDown 1, MouseUp 1, Click, MouseUp 1, look 0 cap 1",
     "MouseUp 1, MouseDown 2, MouseUp 1, MouseDown 1, MouseUp 1, Click, MouseUp 1, look 0 cap 0"},
    {"SpaceDownUpClicks", kEvery, "sp ? su ?", "KeyDown 32 sent 0, look 2 cap 0, KeyUp 32, Click, look 0 cap 0", "",
     During::Nothing, "KeyDown 32 sent 0, look 0 cap 0, KeyUp 32, look 0 cap 0"},
    {"HeldSpaceClicksOnce", kEvery, "sp sp su", "KeyDown 32 sent 0, KeyDown 32 sent 0, KeyUp 32, Click", "",
     During::Nothing, "KeyDown 32 sent 0, KeyDown 32 sent 0, KeyUp 32"},
    {"AltSpacePressesNothing", kEvery, "altsp ? su ?", "KeyDown 32 sent 0, look 0 cap 0, KeyUp 32, look 0 cap 0"},
    {"SpaceThenFocusLost", kEvery, "sp blur ? su ?", "KeyDown 32 sent 0, look 0 cap 0, KeyUp 32, look 0 cap 0"},
    {"SpaceThenDisable", kEvery, "sp off ?", "KeyDown 32 sent 0, look 0 cap 0", "", During::Nothing,
     "KeyDown 32 sent 0, look 3 cap 0", "KeyDown 32 sent 0, look 0 cap 0"},
    {"KeyDownHandlerTakesTheFocus", kEvery, "sp ? su ?", "KeyDown 32 sent 0, look 0 cap 0, KeyUp 32, look 0 cap 0", "",
     During::TakeFocus},
    {"KeyDownHandlerDisables", kEvery, "sp ?", "KeyDown 32 sent 0, look 0 cap 0", "", During::Disable,
     "KeyDown 32 sent 0, look 3 cap 0", "KeyDown 32 sent 0, look 0 cap 0"},
    {"ArrowsMoveTheFocusBeforeKeyDown", kEvery, "k39 k40 k37 k38 k13 ?",
     "KeyDown 39 sent 1, KeyUp 39, KeyDown 40 sent 2, KeyUp 40, KeyDown 37 sent 3, KeyUp 37, "
     "KeyDown 38 sent 4, KeyUp 38, KeyDown 13 sent 4, KeyUp 13, look 0 cap 0",
     "", During::Nothing,
     "KeyDown 39 sent 0, KeyUp 39, KeyDown 40 sent 0, KeyUp 40, KeyDown 37 sent 0, KeyUp 37, "
     "KeyDown 38 sent 0, KeyUp 38, KeyDown 13 sent 0, KeyUp 13, look 0 cap 0"},
    {"PressThenCaptureLost", kEvery, "in d1 lost ? in d1 u1 ?",
     "MouseEnter, MouseDown 1, look 1 cap 0, MouseDown 1, MouseUp 1, Click, look 1 cap 1",
     "MouseEnter, MouseDown 1, look 1 cap 0, MouseDown 1, MouseUp 1, Click, look 1 cap 0", During::Nothing,
     "MouseDown 1, look 1 cap 0, MouseDown 1, MouseUp 1, Click, look 0 cap 0",
     "MouseDown 1, look 0 cap 0, MouseDown 1, MouseUp 1, Click, look 0 cap 0"},
    {"PressThenDisable", kEvery, "in d1 off ? on in d1 u1 ?",
     "MouseEnter, MouseDown 1, look 1 cap 1, MouseDown 1, MouseUp 1, Click, look 1 cap 1",
     "MouseEnter, MouseDown 1, look 1 cap 0, MouseDown 1, MouseUp 1, Click, look 1 cap 0", During::Nothing,
     "MouseDown 1, look 3 cap 0, MouseDown 1, MouseUp 1, Click, look 0 cap 0",
     "MouseDown 1, look 0 cap 0, MouseDown 1, MouseUp 1, Click, look 0 cap 0"},
    // A MouseDown handler that ends the press leaves no pressed look behind. N_Shape keeps its hover capture,
    // which the window gives up as it is disabled.
    {"MouseDownHandlerDisables", kEvery, "in d1 ?", "MouseEnter, MouseDown 1, look 1 cap 1",
     "MouseEnter, MouseDown 1, look 1 cap 0", During::Disable, "MouseDown 1, look 3 cap 0",
     "MouseDown 1, look 0 cap 0"},
    {"MouseDownHandlerShowsABox", kEvery, "in d1 ?", "MouseEnter, MouseDown 1, look 1 cap 0", "", During::TakeCapture,
     "MouseDown 1, look 1 cap 0", "MouseDown 1, look 0 cap 0"},
    // N_Shape's hover capture through a press of another button: out and back in as without the press, and the
    // release still reaches the button.
    {"RightPressOutAndBack", kShapeOnly, "in ?p d2 ?p out ?p in ?p out ?p in u2 ?p in ?p",
     "MouseEnter, look 1 cap 1 inside 1 picture 2, MouseDown 2, look 1 cap 1 inside 1 picture 1, MouseOut, look 1 cap "
     "1 inside 0 picture 3, look 1 cap 1 inside 1 picture 2, MouseOut, look 1 cap 1 inside 0 picture 3, MouseUp 2, "
     "Click, look 1 cap 1 inside 1 picture 2, look 1 cap 1 inside 1 picture 2"},
    {"RightPressOutAndReleasedOutside", kShapeOnly, "in d2 out out ?p u2 ?p",
     "MouseEnter, MouseDown 2, MouseOut, look 1 cap 1 inside 0 picture 3, MouseUp 2, Click, look 0 cap 0 inside 0 "
     "picture 2"},
    // MouseInside as each event sees it: N_Shape sets it with its hover capture, after MouseEnter, and clears it
    // before MouseOut; N_Selection's is EnterRaised, set before MouseEnter and cleared before MouseLeave.
    {"MouseInsideAsEachEventIsRaised", kEvery, "I in near out tick",
     "MouseMove 0 in0, MouseEnter in0, MouseMove 0 in1, MouseMove 0 in1, MouseOut in0, MouseLeave in0",
     "MouseMove 0 in0, MouseEnter in1, MouseMove 0 in1, MouseMove 0 in1, MouseLeave in0", During::Nothing,
     "MouseMove 0, MouseMove 0, MouseOut", "MouseMove 0, MouseMove 0, MouseMove 0"},
    // A move over the picture element takes the hover capture and shows the hover picture, but leaves MouseInside
    // alone; a move over the surface then finds the capture held and sets nothing either.
    {"MouseInsideOverThePicture", kShapeOnly, "I pic ?p in ?p out ?p",
     "MouseMove 0 in0, look 0 cap 1 inside 0 picture 2, MouseMove 0 in0, MouseEnter in0, look 1 cap 1 inside 0 "
     "picture 2, MouseMove 0 in0, MouseOut in0, look 0 cap 0 inside 0 picture 3"},
    // With two buttons held no look follows the pointer, but a move out still gives up the hover capture.
    {"MoveOutWithTwoButtonsHeld", kEvery, "in d1 d2 out ?p",
     "MouseEnter, MouseDown 1, MouseDown 2, MouseOut, look 2 cap 1 inside 0 picture 3",
     "MouseEnter, MouseDown 1, MouseDown 2, look 2 cap 1", During::Nothing, "MouseDown 1, MouseDown 2, look 2 cap 1",
     "MouseDown 1, MouseDown 2, look 0 cap 0"},
    // Handlers that clear Button: only N_Selection reads it back, so only its reaction changes.
    {"HandlersThatClearButton", kEvery, "in d1 ? near ? u1 ?",
     "MouseEnter, MouseDown 1, look 2 cap 1, look 2 cap 1, MouseUp 1, Click, look 1 cap 1",
     "MouseEnter, MouseDown 1, look 1 cap 1, look 1 cap 1, MouseUp 1, Click, look 1 cap 0", During::ChangeButton,
     "MouseDown 1, look 2 cap 1, look 2 cap 1, MouseUp 1, Click, look 0 cap 0",
     "MouseDown 1, look 0 cap 0, look 0 cap 0, MouseUp 1, Click, look 0 cap 0"},
    // The look as MouseLeave is raised, when the poll sees the pointer gone before any move: still the hover look.
    {"LookAtMouseLeave", kEvery, "L in away tick ?", "MouseMove 0 @0/3, MouseEnter @0/3, MouseLeave @1/2, look 0 cap 1",
     "MouseMove 0 @0, MouseEnter @0, MouseLeave @1, look 0 cap 0", During::Nothing,
     "MouseMove 0 @0, MouseOut @0, look 0 cap 0", "MouseMove 0 @0, look 0 cap 0"},
    {"RightPressBackInThenReleasedOutside", kShapeOnly, "in d2 out in out u2 ?p",
     "MouseEnter, MouseDown 2, MouseOut, MouseOut, MouseUp 2, Click, look 0 cap 0 inside 0 picture 2"},
};

template <typename Model>
void RunRow(const Row& row, const char* expected) {
    Bench<Model> bench;
    std::string got;
    for (const std::string& line : bench.Run(row.script, row.during)) got += (got.empty() ? "" : ", ") + line;
    EXPECT_EQ(got, expected) << row.name;
}
// A control's own stream where it has one, else the one it differs from.
const char* Or(const char* own, const char* other) { return *own ? own : other; }

TEST(ButtonPress, NShapeRows) {
    for (const Row& row : kRows) RunRow<kit::NShape>(row, row.expected);
}

TEST(ButtonPress, NSelectionRows) {
    for (const Row& row : kRows)
        if (row.members == kEvery) RunRow<kit::NSelection>(row, Or(row.selection, row.expected));
}

TEST(ButtonPress, CheckButtonRows) {
    for (const Row& row : kRows)
        if (row.members == kEvery) RunRow<kit::CheckButton>(row, Or(row.check, row.expected));
}

TEST(ButtonPress, NTextBoxRows) {
    for (const Row& row : kRows)
        if (row.members == kEvery) RunRow<kit::NTextBox>(row, Or(row.text, Or(row.check, row.expected)));
}

}  // namespace
