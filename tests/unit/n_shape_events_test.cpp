// The graphical button's pointer, keyboard, focus and timer behaviour: raised events in order, looks, capture.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "nshape_fakes.h"

namespace {

using kit::ButtonLook;
using nshape_fakes::Rig;
using Log = std::vector<std::wstring>;

// A loaded button with distinct colours per look, so every look can be told apart.
void Colour(kit::NShape& s) {
    s.SetBackColorNormal(0x000001);
    s.SetBackColorHover(0x000002);
    s.SetBackColorDown(0x000003);
    s.SetForeColorNormal(0x000011);
    s.SetForeColorHover(0x000012);
    s.SetForeColorDown(0x000013);
    s.SetBorderColorNormal(0x000021);
    s.SetBorderColorHover(0x000022);
    s.SetBorderColorDown(0x000023);
    s.SetCaption(L"Go");  // 16 px wide in the fake measurer
    s.SetTextVisible(true);
    s.SetStretchToText(false);
}

struct Looks {
    kit::OleColor fill, text, border;
};
Looks LookOf(const kit::NShape& s) { return {s.FillColor(), s.TextColor(), s.BorderColor()}; }
bool Is(const kit::NShape& s, ButtonLook look) {
    const Looks l = LookOf(s);
    const kit::OleColor n = static_cast<kit::OleColor>(look);
    return s.ButtonState() == look && l.fill == n + 1 && l.text == n + 0x11 && l.border == n + 0x21;
}

class NShapeEvents : public ::testing::Test {
protected:
    void SetUp() override {
        Colour(*r.shape);
        r.Take();
    }
    Rig r;
};

TEST_F(NShapeEvents, EnterMoveLeaveWithoutAPress) {
    r.Move(5, 5);
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 5 5", L"MouseEnter"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
    EXPECT_TRUE(r.PollRunning());
    EXPECT_EQ(r.p.timers.running.at({Rig::kWindow, 1u}), 1u);  // a 1 ms period
    EXPECT_TRUE(r.Captured());

    r.Move(6, 5);
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 6 5"}));

    r.Move(-3, 5);  // the captured pointer is seen outside
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 -3 5", L"repaint", L"MouseOut"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Normal));
    EXPECT_FALSE(r.Captured());
    EXPECT_TRUE(r.PollRunning());  // the poll, not the move, ends the hover

    r.Tick();
    EXPECT_EQ(r.Take(), (Log{L"MouseLeave"}));
    EXPECT_FALSE(r.PollRunning());
    EXPECT_FALSE(r.shape->EnterRaised());
}

TEST_F(NShapeEvents, LeftClickShowsDownDuringClickThenHover) {
    r.Move(5, 5);
    r.Take();
    r.Down(5, 5);
    EXPECT_EQ(r.Take(), (Log{L"MouseDown 1 0 5 5"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Down));
    bool downDuringClick = false;
    r.shape->events().Click = [&] {
        r.log.push_back(L"Click");
        // ButtonState already says Hover; the colours of the new look come after the handler.
        const Looks l = LookOf(*r.shape);
        downDuringClick =
            r.shape->ButtonState() == ButtonLook::Hover && l.fill == 3 && l.text == 0x13 && l.border == 0x23;
    };
    r.Up(5, 5);
    EXPECT_EQ(r.Take(), (Log{L"MouseUp 1 0 5 5", L"Click"}));
    EXPECT_TRUE(downDuringClick);
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
    EXPECT_TRUE(r.Captured());  // the hover capture outlives the click
}

TEST_F(NShapeEvents, RightAndMiddleClicksRaiseClickWithoutTheDownLook) {
    r.Move(5, 5);
    r.Take();
    r.Down(5, 5, 2);
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
    r.Up(5, 5, 2);
    r.Down(5, 5, 4);
    r.Up(5, 5, 4);
    EXPECT_EQ(r.Take(), (Log{L"MouseDown 2 0 5 5", L"MouseUp 2 0 5 5", L"Click", L"MouseDown 4 0 5 5",
                             L"MouseUp 4 0 5 5", L"Click"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
}

TEST_F(NShapeEvents, DragOutAndReleaseStillClicksAndEndsNormal) {
    r.Move(5, 5);
    r.Down(5, 5);
    r.Take();
    r.Move(10, 5, 1);
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Down));
    r.Move(150, 5, 1);  // outside, button held: the look follows the pointer
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Normal));
    r.Move(12, 6, 1);  // back over
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Down));
    r.Move(150, 5, 1);
    r.Up(150, 5);
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 1 0 10 5", L"MouseMove 1 0 150 5", L"MouseMove 1 0 12 6",
                             L"MouseMove 1 0 150 5", L"MouseUp 1 0 150 5", L"Click"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Normal));
}

TEST_F(NShapeEvents, DoubleClickGivesTwoClicks) {
    r.Move(5, 5);
    r.Take();
    r.Down(5, 5);
    r.Up(5, 5);
    r.shape->DblClick(1, 0, 5, 5);
    r.Up(5, 5);
    EXPECT_EQ(r.Take(),
              (Log{L"MouseDown 1 0 5 5", L"MouseUp 1 0 5 5", L"Click", L"DblClick", L"MouseUp 1 0 5 5", L"Click"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
}

TEST_F(NShapeEvents, ClickOnThePictureLeavesTheLookAlone) {
    r.shape->SetGraphical(true);  // an empty picture: 17 x 17 at left 8, top (30 - 17) / 2
    r.Take();
    EXPECT_EQ(r.shape->SourceAt(10, 10), kit::NShapeSource::Picture);
    r.Move(10, 10);  // the picture reports moves without entering
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 2 3.5"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Normal));
    EXPECT_TRUE(r.Captured());
    r.Down(10, 10);
    r.Up(10, 10);
    EXPECT_EQ(r.Take(), (Log{L"MouseDown 1 0 2 3.5", L"MouseUp 1 0 2 3.5", L"Click"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Normal));

    // Entered over the surface first, the hover look stays through a picture click.
    r.Move(90, 5);
    r.Down(10, 10);
    r.Up(10, 10);
    EXPECT_EQ(r.Take(),
              (Log{L"MouseMove 0 0 90 5", L"MouseEnter", L"MouseDown 1 0 2 3.5", L"MouseUp 1 0 2 3.5", L"Click"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
}

TEST_F(NShapeEvents, TheCaptionReportsElementRelativePositionsAndActsLikeTheSurface) {
    // "Go" is 16 x 16, centred in 100 x 30: left 42, top 7.
    EXPECT_EQ(r.shape->SourceAt(45, 10), kit::NShapeSource::Caption);
    r.Move(45, 10);
    r.Down(45, 10);
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Down));
    r.Up(45, 10);
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 3 3", L"MouseEnter", L"MouseDown 1 0 3 3", L"MouseUp 1 0 3 3", L"Click"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
    // A hidden caption reports nothing of its own.
    r.shape->SetTextVisible(false);
    EXPECT_EQ(r.shape->SourceAt(45, 10), kit::NShapeSource::Surface);
}

// The window's pixels, converted as the host converts them, are reported in 96-dpi pixels, relative to the element.
TEST_F(NShapeEvents, WindowPixelsAreReportedIn96DpiPixelsAtAnyDpi) {
    struct Case {
        unsigned dpi;
        float x, y;
        const wchar_t* line;
    };
    for (const Case& c : {Case{96, 45, 10, L"MouseMove 0 0 3 3"}, Case{144, 67, 15, L"MouseMove 0 0 2.66667 3"},
                          Case{144, 3, 34, L"MouseMove 0 0 2 22.6667"}, Case{192, 7, 9, L"MouseMove 0 0 3.5 4.5"}}) {
        const plat::UnitScale host{plat::SizeUnit::Pixels96, plat::Dpi{c.dpi}};
        r.site.scale = host;
        r.shape->MouseMove(0, 0, host.PointerIn(c.x), host.PointerIn(c.y));
        const Log got = r.Take();
        ASSERT_FALSE(got.empty()) << c.dpi;
        EXPECT_EQ(got.front(), c.line) << c.dpi;
    }
}

TEST_F(NShapeEvents, ThePressSourceGetsTheRelease) {
    r.Move(45, 10);
    r.Down(45, 10);  // on the caption
    r.Take();
    r.Up(5, 5);  // released over the surface: still the caption's release
    EXPECT_EQ(r.Take(), (Log{L"MouseUp 1 0 -37 -2", L"Click"}));
}

TEST_F(NShapeEvents, EnterAndArrowKeys) {
    r.shape->KeyDown(13, 0, false);
    r.shape->KeyPress(13);
    r.shape->KeyUp(13, 0);
    EXPECT_EQ(r.Take(), (Log{L"KeyDown 13 0", L"KeyPress 13", L"KeyUp 13 0", L"repaint"}));
    EXPECT_TRUE(r.p.keys.sent.empty());

    r.shape->KeyDown(39, 0, false);
    r.shape->KeyDown(40, 1, false);
    r.shape->KeyDown(37, 0, false);
    r.shape->KeyDown(38, 2, false);
    EXPECT_EQ(r.Take(), (Log{L"KeyDown 39 0", L"KeyDown 40 1", L"KeyDown 37 0", L"KeyDown 38 2"}));
    EXPECT_EQ(r.p.keys.sent, (std::vector<std::wstring>{L"{TAB}", L"{TAB}", L"+{TAB}", L"+{TAB}"}));
}

TEST_F(NShapeEvents, MouseInsideNeedsADistinctHoverPicture) {
    r.Move(5, 5);
    EXPECT_FALSE(r.shape->MouseInside());  // the empty hover picture has handle 0, as the shown one
    EXPECT_EQ(r.shape->CurPicture(), 0);
    r.Move(150, 5);
    r.Tick();

    r.shape->SetPictureHover(kit::Picture{L"hover"});
    r.Move(5, 5);
    EXPECT_TRUE(r.shape->MouseInside());
    EXPECT_EQ(r.shape->CurPicture(), 2);
    r.Move(150, 5);  // seen outside while captured
    EXPECT_FALSE(r.shape->MouseInside());
    EXPECT_EQ(r.shape->CurPicture(), 0);  // back to the empty normal picture
}

TEST_F(NShapeEvents, ReEntryAfterADragWithoutALeave) {
    r.Move(5, 5);
    r.Down(5, 5);
    r.Move(6, 5, 1);
    r.Up(6, 5);
    r.Take();
    r.Move(7, 5);
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 7 5", L"MouseEnter"}));
}

// A disabled button's window takes no input (the host's gate, tabled in tests/host); the model stops its input
// at the window and only ends a poll that was already running.
TEST_F(NShapeEvents, DisablingStopsInputAtTheWindowButARunningPollEnds) {
    r.Move(5, 5);
    r.Take();
    r.shape->SetEnabled(false);
    EXPECT_FALSE(r.site.windowEnabled);
    r.Take();
    r.Tick();  // still over: nothing
    EXPECT_EQ(r.Take(), Log{});
    r.PointAt(150, 5);
    r.Tick();
    EXPECT_EQ(r.Take(), (Log{L"MouseLeave"}));
    EXPECT_FALSE(r.PollRunning());
    EXPECT_EQ(r.shape->TextColor(), kit::NShape::kDisabledText);  // the poll's look keeps the caption grey
}

TEST_F(NShapeEvents, ThePollWaitsWhileOverAndSeesCoveringWindows) {
    r.Move(5, 5);
    r.Take();
    for (int i = 0; i < 5; ++i) r.Tick();
    EXPECT_EQ(r.Take(), Log{});
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Hover));
    r.covered = true;  // another window comes over the control; the pointer has not moved
    r.Tick();
    EXPECT_EQ(r.Take(), (Log{L"MouseLeave"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Normal));
    r.shape->TimerTick(7);  // not the leave timer
    EXPECT_EQ(r.Take(), Log{});
    // A tick that was already queued when the poll stopped raises nothing more.
    r.Tick();
    EXPECT_EQ(r.Take(), Log{});
}

TEST_F(NShapeEvents, MoveOverWithACoveringWindowIsNotOver) {
    r.covered = true;
    r.Move(5, 5);
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 5 5"}));
    EXPECT_TRUE(Is(*r.shape, ButtonLook::Normal));
    EXPECT_FALSE(r.PollRunning());
}

TEST_F(NShapeEvents, StateTable) {
    struct Row {
        const char* what;
        ButtonLook from;
        bool enterRaised;
        std::int16_t buttons;
        bool over;
        ButtonLook to;
        bool enterAfter;
        Log events;
    };
    const Row rows[] = {
        {"enter from Normal",
         ButtonLook::Normal,
         false,
         0,
         true,
         ButtonLook::Hover,
         true,
         {L"MouseMove 0 0 5 5", L"MouseEnter"}},
        {"enter from Down",
         ButtonLook::Down,
         false,
         0,
         true,
         ButtonLook::Hover,
         true,
         {L"MouseMove 0 0 5 5", L"MouseEnter"}},
        {"hover stays", ButtonLook::Hover, true, 0, true, ButtonLook::Hover, true, {L"MouseMove 0 0 5 5"}},
        {"left held over", ButtonLook::Hover, true, 1, true, ButtonLook::Down, false, {L"MouseMove 1 0 5 5"}},
        {"left held over from Normal",
         ButtonLook::Normal,
         false,
         1,
         true,
         ButtonLook::Down,
         false,
         {L"MouseMove 1 0 5 5"}},
        {"no button outside", ButtonLook::Hover, true, 0, false, ButtonLook::Normal, false, {L"MouseMove 0 0 5 5"}},
        {"left held outside", ButtonLook::Down, false, 1, false, ButtonLook::Normal, false, {L"MouseMove 1 0 5 5"}},
        {"right held over", ButtonLook::Hover, true, 2, true, ButtonLook::Hover, true, {L"MouseMove 2 0 5 5"}},
        {"left+right held over", ButtonLook::Down, false, 3, true, ButtonLook::Down, false, {L"MouseMove 3 0 5 5"}},
    };
    for (const Row& row : rows) {
        Rig t;
        Colour(*t.shape);
        // Reach the starting state through real input.
        if (row.from == ButtonLook::Hover || row.enterRaised) t.Move(5, 5);
        if (row.from == ButtonLook::Down) {
            t.Move(5, 5);
            t.Move(5, 5, 1);
        }
        ASSERT_EQ(t.shape->ButtonState(), row.from) << row.what;
        ASSERT_EQ(t.shape->EnterRaised(), row.enterRaised) << row.what;
        t.covered = !row.over;
        t.Take();
        // Moves of a held button keep the capture; test the state change itself with the capture already held.
        t.PointAt(5, 5);
        t.shape->MouseMove(row.buttons, 0, 5, 5);
        Log events = t.Take();
        // A move with no button outside also releases the capture: that is MouseOut, checked elsewhere.
        events.erase(std::remove_if(events.begin(), events.end(),
                                    [](const std::wstring& e) { return e == L"repaint" || e == L"MouseOut"; }),
                     events.end());
        EXPECT_EQ(events, row.events) << row.what;
        EXPECT_TRUE(Is(*t.shape, row.to)) << row.what;
        EXPECT_EQ(t.shape->EnterRaised(), row.enterAfter) << row.what;
    }
}

TEST_F(NShapeEvents, CaptureIsTakenByTheFirstMoveAndReleasedByTheFirstMoveOutside) {
    EXPECT_FALSE(r.Captured());
    r.Move(5, 5, 2);  // right button held: capture logic runs
    EXPECT_TRUE(r.Captured());
    r.Move(5, 5, 1);  // left alone: no capture logic
    EXPECT_TRUE(r.Captured());
    r.Move(150, 5, 1);
    EXPECT_TRUE(r.Captured());
    r.Take();
    r.Move(150, 5, 0);
    EXPECT_FALSE(r.Captured());
    EXPECT_EQ(r.Take(), (Log{L"MouseMove 0 0 150 5", L"repaint", L"MouseOut"}));
    r.Move(160, 5, 0);  // not captured now: the first move takes it again, wherever it is
    EXPECT_TRUE(r.Captured());
}

TEST_F(NShapeEvents, APressTakesTheCaptureUntilItsRelease) {
    r.p.pointer.capture = 0;
    r.Down(5, 5);
    EXPECT_TRUE(r.Captured());
    r.Down(5, 5, 2);
    r.Up(5, 5);
    EXPECT_TRUE(r.Captured());  // the right button is still down
    r.Up(5, 5, 2);
    EXPECT_FALSE(r.Captured());
}

TEST_F(NShapeEvents, FocusBorder) {
    r.shape->GotFocus();
    EXPECT_EQ(r.shape->BorderColor(), 0x000021u);  // BorderGotFocus off: nothing visible
    r.shape->SetBorderGotFocus(true);
    r.shape->SetBorderCustom(0x00ABCDEF);
    r.shape->GotFocus();
    EXPECT_EQ(r.shape->BorderColor(), 0x00ABCDEFu);
    r.Move(5, 5);  // a new look replaces the focus border
    EXPECT_EQ(r.shape->BorderColor(), 0x000022u);
    r.shape->GotFocus();
    r.shape->LostFocus();
    EXPECT_EQ(r.shape->BorderColor(), 0x000022u);  // the border of the current look, not black
    EXPECT_EQ(r.shape->FillColor(), 0x000002u);
}

// Enter, press, drag out, release outside, move on outside, poll: exactly these events and nothing else, so
// the bound MouseOver handler is never among them.
TEST_F(NShapeEvents, AFullCycleRaisesExactlyItsEventsAndNeverMouseOver) {
    r.Move(5, 5);
    r.Down(5, 5);
    r.Move(150, 5, 1);
    r.Up(150, 5);
    r.Move(150, 5);
    r.Tick();
    EXPECT_EQ(r.Take(),
              (Log{L"MouseMove 0 0 5 5", L"MouseEnter", L"MouseDown 1 0 5 5", L"MouseMove 1 0 150 5",
                   L"MouseUp 1 0 150 5", L"Click", L"MouseMove 0 0 150 5", L"repaint", L"MouseOut", L"MouseLeave"}));
}

TEST_F(NShapeEvents, ResizeComesBeforeTheNewLayout) {
    double leftDuringResize = -1;
    r.shape->events().Resize = [&] {
        r.log.push_back(L"Resize");
        leftDuringResize = r.shape->CaptionBox().left;
    };
    r.shape->Resize(200, 30);
    EXPECT_EQ(r.Take(), (Log{L"Resize"}));
    EXPECT_DOUBLE_EQ(leftDuringResize, 42);  // still the layout of the old width
    EXPECT_DOUBLE_EQ(r.shape->CaptionBox().left, 92);
    r.shape->Resize(200, 30);  // no change, no event
    EXPECT_EQ(r.Take(), Log{});
}

}  // namespace

// Space presses the focused button as a left press does and its release clicks; no other key clicks. Each step
// logs the look it leaves; Click logs the look on screen while it runs.
TEST_F(NShapeEvents, SpacePressesTheButtonAndItsReleaseClicks) {
    struct Case {
        const char* what;
        std::vector<std::string> steps;
        Log expected;
    };
    const Case cases[] = {
        {"a press and a release away from the pointer",
         {"space down", "space up"},
         {L"KeyDown 32 0", L"look 2", L"KeyUp 32 0", L"repaint", L"Click showing 2", L"look 0"}},
        {"with the pointer over the button the release ends in hover",
         {"pointer over", "space down", "space up"},
         {L"look 0", L"KeyDown 32 0", L"look 2", L"KeyUp 32 0", L"repaint", L"Click showing 2", L"look 1"}},
        {"a held Space repeats KeyDown and clicks once",
         {"space down", "space down", "space up"},
         {L"KeyDown 32 0", L"look 2", L"KeyDown 32 0", L"look 2", L"KeyUp 32 0", L"repaint", L"Click showing 2",
          L"look 0"}},
        {"the focus leaves before the release: no click",
         {"space down", "focus lost", "space up"},
         {L"KeyDown 32 0", L"look 2", L"look 0", L"KeyUp 32 0", L"repaint", L"look 0"}},
        {"disabled before the release: no click",
         {"space down", "disable", "space up"},
         {L"KeyDown 32 0", L"look 2", L"repaint", L"look 0", L"KeyUp 32 0", L"repaint", L"look 0"}},
        {"Enter and Escape are keys like any other",
         {"enter down", "enter up", "escape down", "escape up"},
         {L"KeyDown 13 0", L"look 0", L"KeyUp 13 0", L"repaint", L"look 0", L"KeyDown 27 0", L"look 0", L"KeyUp 27 0",
          L"repaint", L"look 0"}},
    };
    for (const Case& c : cases) {
        Rig t;
        Colour(*t.shape);
        t.shape->events().Click = [&t] {
            t.log.push_back(L"Click showing " + std::to_wstring(t.shape->FillColor() - 1));
        };
        t.Take();
        for (const std::string& step : c.steps) {
            if (step == "space down") t.shape->KeyDown(32, 0, false);
            if (step == "space up") t.shape->KeyUp(32, 0);
            if (step == "enter down") t.shape->KeyDown(13, 0, false);
            if (step == "enter up") t.shape->KeyUp(13, 0);
            if (step == "escape down") t.shape->KeyDown(27, 0, false);
            if (step == "escape up") t.shape->KeyUp(27, 0);
            if (step == "focus lost") t.shape->LostFocus();
            if (step == "disable") t.shape->SetEnabled(false);
            if (step == "pointer over") t.PointAt(5, 5);
            t.log.push_back(L"look " + std::to_wstring(static_cast<int>(t.shape->ButtonState())));
        }
        EXPECT_EQ(t.Take(), c.expected) << c.what;
        EXPECT_TRUE(t.p.keys.sent.empty()) << c.what;
    }
}
