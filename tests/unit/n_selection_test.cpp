// The selection entry N_Selection: looks, event orders, leave poll, arrow keys, layout and persistence.
#include "controls/nselection/n_selection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kit_fakes.h"
#include "tests/event_recorder.h"

namespace {

using kit::NSelection;
using kitfakes::Rig;
using Lines = std::vector<std::wstring>;

struct ViewFake final : kitfakes::SiteBase {
    NSelection* model = nullptr;
    int repaints = 0;
    std::vector<bool> enabled;
    std::vector<int> heights;
    void Invalidate() override { ++repaints; }
    void Refresh() override { ++repaints; }
    void SetInputEnabled(bool e) override { enabled.push_back(e); }
    // The container grants the size at once and reports it back, as a window does; a side kept is the window's.
    void RequestSize(int w, int h) override {
        heights.push_back(h);
        model->Resize(w < 0 ? model->Width() : w, h < 0 ? model->Height() : h);
    }
};

struct Entry {
    Rig rig;
    kitfakes::Recorder rec;
    ViewFake view;
    std::unique_ptr<NSelection> sel;
    // Set by a test to change Button inside the MouseMove handler.
    int rewriteButtonTo = -1;

    explicit Entry(bool init = true) {
        rig.p.text.charWidth = 7;
        rig.p.text.height = 13;
        NSelection::Events e;
        recorder::Record(e, [this](const std::wstring& line) { rec.Add(line); });
        // A MouseMove handler may change Button, which the entry reads back.
        const kit::PointerEvent move = e.MouseMove;
        e.MouseMove = [this, move](std::int16_t& b, std::int16_t& s, float& x, float& y) {
            move(b, s, x, y);
            if (rewriteButtonTo >= 0) b = static_cast<std::int16_t>(rewriteButtonTo);
        };
        e.KeyDown = [this](std::int16_t& k, std::int16_t& s) {
            rec.Add(L"KeyDown " + std::to_wstring(k) + L" " + std::to_wstring(s) + L" sent " +
                    std::to_wstring(rig.p.keys.sent.size()));
        };
        e.PropertyChanged = [this](const std::wstring& name) { rec.Add(L"changed " + name); };
        sel = std::make_unique<NSelection>(rig.p.services, e);
        view.model = sel.get();
        view.measure = &rig.p.text;
        sel->Attach(Rig::kWindow, &view);
        if (init) {
            sel->InitNew({L"N_Selection1"});
            sel->Resize(200, 60);
        }
        rec.Clear();
    }
    // The pointer comes over the control and moves on it.
    void Enter() {
        rig.PointerOver();
        sel->MouseMove(0, 0, 5, 3);
    }
    void Look(std::uint32_t back, std::uint32_t fore, std::uint32_t fore2) const {
        EXPECT_EQ(kitfakes::Hex(sel->SurfaceColor()), kitfakes::Hex(back));
        EXPECT_EQ(kitfakes::Hex(sel->Label1().color), kitfakes::Hex(fore));
        EXPECT_EQ(kitfakes::Hex(sel->Label_Descricao().color), kitfakes::Hex(fore2));
    }
};

// Every stored property, to set in one go and to compare in one go.
struct Stored {
    std::wstring caption;
    std::wstring description;
    std::uint32_t backNormal, backHover, backDown;
    std::int16_t fontSize;
    bool fontBold;
    bool enabled;
    std::uint32_t foreNormal, foreHover, foreDown;
    std::uint32_t foreNormal2, foreHover2, foreDown2;

    void ApplyTo(NSelection& s) const {
        s.SetCaption(caption);
        s.SetDescription(description);
        s.SetBackColorNormal(backNormal);
        s.SetBackColorHover(backHover);
        s.SetBackColorDown(backDown);
        ASSERT_TRUE(s.SetFontSize(fontSize));
        s.SetFontBold(fontBold);
        s.SetEnabled(enabled);
        s.SetForeColorNormal(foreNormal);
        s.SetForeColorHover(foreHover);
        s.SetForeColorDown(foreDown);
        s.SetForeColorNormal_2(foreNormal2);
        s.SetForeColorHover_2(foreHover2);
        s.SetForeColorDown_2(foreDown2);
    }
    void ExpectIn(NSelection& s) const {
        EXPECT_EQ(s.Caption(), caption);
        EXPECT_EQ(s.Description(), description);
        EXPECT_EQ(s.BackColorNormal(), backNormal);
        EXPECT_EQ(s.BackColorHover(), backHover);
        EXPECT_EQ(s.BackColorDown(), backDown);
        EXPECT_EQ(s.FontSize(), fontSize);
        EXPECT_EQ(s.FontBold(), fontBold);
        EXPECT_EQ(s.Enabled(), enabled);
        EXPECT_EQ(s.ForeColorNormal(), foreNormal);
        EXPECT_EQ(s.ForeColorHover(), foreHover);
        EXPECT_EQ(s.ForeColorDown(), foreDown);
        EXPECT_EQ(s.ForeColorNormal_2(), foreNormal2);
        EXPECT_EQ(s.ForeColorHover_2(), foreHover2);
        EXPECT_EQ(s.ForeColorDown_2(), foreDown2);
    }
};

const Stored kNewInstance = {L"N_Selection1", L"Descrição", 0x000000, 0x2D2D2D, 0xFFFFFF, 8,       false, true,
                             0xFFFFFF,        0xFFFFFF,     0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000};

TEST(NSelectionNew, ReadsBackItsNewInstanceValues) {
    Entry t;
    NSelection& s = *t.sel;
    kNewInstance.ExpectIn(s);
    EXPECT_EQ(s.ControlFont().name, L"Verdana");
    EXPECT_FALSE(s.MouseInside());
    EXPECT_EQ(s.ButtonState(), kit::ButtonLook::Normal);
    t.Look(0x000000, 0xFFFFFF, 0xFFFFFF);
    EXPECT_EQ(s.Label1().face, L"Verdana");
    EXPECT_EQ(s.Label_Descricao().face, L"Verdana");
    EXPECT_DOUBLE_EQ(s.Label_Descricao().points, 6.75);
}

TEST(NSelectionNew, WritesEachPropertyInOrderAndNotifiesEach) {
    Entry t(false);
    t.sel->InitNew({L"Pick"});
    const Lines expected = {L"changed Caption",          L"changed Description",     L"changed Enabled",
                            L"changed BackColorNormal",  L"changed BackColorHover",  L"changed BackColorDown",
                            L"changed FontSize",         L"changed FontBold",        L"changed ForeColorNormal",
                            L"changed ForeColorHover",   L"changed ForeColorDown",   L"changed ForeColorNormal_2",
                            L"changed ForeColorHover_2", L"changed ForeColorDown_2", L"Resize"};
    EXPECT_EQ(t.rec.lines, expected) << "the layout's height request resizes the control once";
    EXPECT_EQ(t.sel->Height(), 41);
}

TEST(NSelectionLayout, AlwaysFortyOnePixelsHighWithBothLinesOnTheMiddle) {
    Entry t;
    NSelection& s = *t.sel;
    EXPECT_EQ(s.Height(), 41) << "whatever height the container asked for";
    EXPECT_EQ(s.Width(), 200) << "the width is never changed";
    // 13-pixel lines: the caption ends on the middle line 20.5, the description starts there.
    EXPECT_DOUBLE_EQ(s.Label1().top, 7.5);
    EXPECT_DOUBLE_EQ(s.Label1().left, 35);
    EXPECT_DOUBLE_EQ(s.Label_Descricao().top, 20.5);
    EXPECT_DOUBLE_EQ(s.Label_Descricao().left, 35);
    EXPECT_EQ(s.Label1().width, 12 * 7) << "the caption sizes itself to its text";

    t.rec.Clear();
    s.Resize(120, 90);
    EXPECT_EQ(t.rec.lines, (Lines{L"Resize", L"Resize"})) << "the outer resize, then the one that restores 41";
    EXPECT_EQ(s.Height(), 41);
    EXPECT_EQ(s.Width(), 120);
    EXPECT_EQ(t.view.heights.back(), 41);
}

TEST(NSelectionLayout, TextAndFontChangesDoNotMoveTheLabels) {
    Entry t;
    NSelection& s = *t.sel;
    const double top = s.Label1().top;
    t.rig.p.text.height = 30;
    s.SetCaption(L"A much longer caption");
    ASSERT_TRUE(s.SetFontSize(20));
    s.SetDescription(L"Other");
    EXPECT_DOUBLE_EQ(s.Label1().top, top);
    EXPECT_EQ(s.Label1().height, 30) << "the element itself resizes to the new text";
    s.Ajustar_Botao();
    EXPECT_DOUBLE_EQ(s.Label1().top, 20.5 - 30);
}

TEST(NSelectionPointer, EnteringShowsHoverOnceAndStartsTheOneMillisecondPoll) {
    Entry t;
    t.Enter();
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseMove 0 0 5 3", L"MouseEnter"}));
    t.Look(0x2D2D2D, 0xFFFFFF, 0xFFFFFF);
    EXPECT_EQ(t.sel->ButtonState(), kit::ButtonLook::Hover);
    EXPECT_TRUE(t.sel->MouseInside());
    EXPECT_EQ(t.rig.TimerPeriod(NSelection::kTimer1), 1u);
    t.rec.Clear();
    t.sel->MouseMove(0, 1, 6, 3);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseMove 0 1 6 3"}));
}

TEST(NSelectionPointer, LeftPressAndReleaseOverTheControl) {
    Entry t;
    t.Enter();
    t.rec.Clear();
    t.sel->MouseDown(1, 0, 5, 3);
    t.Look(0xFFFFFF, 0x000000, 0x000000);
    t.sel->MouseUp(1, 0, 5, 3);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseDown 1 0 5 3", L"MouseUp 1 0 5 3", L"Click"}));
    t.Look(0x2D2D2D, 0xFFFFFF, 0xFFFFFF);
}

TEST(NSelectionPointer, DraggingOutAndReleasingStillClicksAndShowsNormal) {
    Entry t;
    t.Enter();
    t.sel->MouseDown(1, 0, 5, 3);
    t.rig.PointerAway();
    t.sel->MouseMove(1, 0, 250, 3);
    t.Look(0x000000, 0xFFFFFF, 0xFFFFFF);
    t.rig.PointerOver();
    t.sel->MouseMove(1, 0, 5, 3);
    t.Look(0xFFFFFF, 0x000000, 0x000000);
    t.rig.PointerAway();
    t.rec.Clear();
    t.sel->MouseUp(1, 0, 250, 3);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseUp 1 0 250 3", L"Click"}));
    t.Look(0x000000, 0xFFFFFF, 0xFFFFFF);
}

TEST(NSelectionPointer, RightButtonKeepsTheLookAndStillClicks) {
    Entry t;
    t.Enter();
    t.rec.Clear();
    t.sel->MouseDown(2, 0, 5, 3);
    t.Look(0x2D2D2D, 0xFFFFFF, 0xFFFFFF);
    t.sel->MouseMove(2, 0, 6, 3);
    t.Look(0x2D2D2D, 0xFFFFFF, 0xFFFFFF);
    t.sel->MouseUp(2, 0, 6, 3);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseDown 2 0 5 3", L"MouseMove 2 0 6 3", L"MouseUp 2 0 6 3", L"Click"}));
}

TEST(NSelectionPointer, AfterALeftDragInsideTheNextPlainMoveEntersAgain) {
    Entry t;
    t.Enter();
    t.sel->MouseMove(1, 0, 6, 3);
    EXPECT_FALSE(t.sel->EnterRaised());
    t.rec.Clear();
    t.sel->MouseMove(0, 0, 7, 3);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseMove 0 0 7 3", L"MouseEnter"}));
}

TEST(NSelectionPointer, AContainerThatRewritesButtonChangesTheReaction) {
    Entry t;
    t.rig.PointerOver();
    t.rewriteButtonTo = 2;
    t.sel->MouseMove(0, 0, 5, 3);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseMove 0 0 5 3"})) << "treated as a right-button move: no MouseEnter";
    t.Look(0x000000, 0xFFFFFF, 0xFFFFFF);
    t.rewriteButtonTo = 1;
    t.sel->MouseMove(0, 0, 5, 3);
    EXPECT_EQ(t.sel->ButtonState(), kit::ButtonLook::Down);
}

TEST(NSelectionPointer, PositionsAreThoseOfTheElementUnderThePointer) {
    Entry t;
    t.rig.PointerOver();
    // Caption "N_Selection1": 84 x 13 at (35, 7.5); description "Descrição": 63 x 13 at (35, 20.5).
    t.sel->MouseMove(0, 0, 40, 10);
    t.sel->MouseMove(0, 0, 40, 22);
    t.sel->MouseMove(0, 0, 150, 22);
    EXPECT_EQ(t.rec.Only({L"MouseMove"}),
              (Lines{L"MouseMove 0 0 5 2.5", L"MouseMove 0 0 5 1.5", L"MouseMove 0 0 150 22"}));
    // While a press is held the element that took it keeps reporting, wherever the pointer goes.
    t.rec.Clear();
    t.sel->MouseDown(1, 0, 40, 10);
    t.sel->MouseMove(1, 0, 150, 22);
    t.sel->MouseUp(1, 0, 150, 22);
    t.sel->MouseMove(0, 0, 150, 22);
    EXPECT_EQ(
        t.rec.Only({L"MouseDown", L"MouseMove", L"MouseUp"}),
        (Lines{L"MouseDown 1 0 5 2.5", L"MouseMove 1 0 115 14.5", L"MouseUp 1 0 115 14.5", L"MouseMove 0 0 150 22"}));
}

TEST(NSelectionPointer, DoubleClickRaisesDblClickOnly) {
    for (std::int16_t button : {1, 2, 4}) {
        Entry t;
        t.sel->DblClick(button, 0, 5, 3);
        t.sel->ClickNotified();
        EXPECT_EQ(t.rec.lines, (Lines{L"DblClick"})) << "button " << button;
    }
}

// The control keeps the pointer from a press to the release of the last held button, whatever the button.
TEST(NSelectionPointer, APressKeepsThePointerUntilTheLastButtonIsReleased) {
    struct Step {
        char what;  // 'd' press, 'u' release, '2' second press of a double-click
        std::int16_t button;
        bool capturedAfter;
    };
    const std::vector<std::vector<Step>> cases = {
        {{'d', 1, true}, {'u', 1, false}},
        {{'d', 2, true}, {'u', 2, false}},
        {{'d', 1, true}, {'d', 2, true}, {'u', 1, true}, {'u', 2, false}},
        {{'d', 1, true}, {'u', 1, false}, {'2', 1, true}, {'u', 1, false}},
        {{'u', 1, false}},
    };
    for (std::size_t c = 0; c < cases.size(); ++c) {
        Entry t;
        t.rig.PointerOver();
        for (std::size_t i = 0; i < cases[c].size(); ++i) {
            const Step& s = cases[c][i];
            if (s.what == 'd') t.sel->MouseDown(s.button, 0, 5, 3);
            if (s.what == 'u') t.sel->MouseUp(s.button, 0, 5, 3);
            if (s.what == '2') t.sel->DblClick(s.button, 0, 5, 3);
            EXPECT_EQ(t.rig.p.pointer.capture == Rig::kWindow, s.capturedAfter) << "case " << c << " step " << i;
        }
    }
}

// The window's pixels, converted as the host converts them, are reported in 96-dpi pixels, as they always were.
TEST(NSelectionPointer, PositionsAreReportedIn96DpiPixelsAtAnyDpi) {
    struct Case {
        unsigned dpi;
        float x, y;
        const wchar_t* line;
    };
    for (const Case& c :
         {Case{96, 150, 22, L"MouseMove 0 0 150 22"}, Case{144, 225, 33, L"MouseMove 0 0 150 22"},
          Case{144, 151, 34, L"MouseMove 0 0 100.667 22.6667"}, Case{120, 7, 3, L"MouseMove 0 0 5.6 2.4"}}) {
        Entry t;
        const plat::UnitScale host{plat::SizeUnit::Pixels96, plat::Dpi{c.dpi}};
        t.sel->MouseMove(0, 0, host.PointerIn(c.x), host.PointerIn(c.y));
        EXPECT_EQ(t.rec.Only({L"MouseMove"}), (Lines{c.line})) << c.dpi;
    }
}

TEST(NSelectionPointer, NormalColoursReadBackWhileAnotherLookShows) {
    Entry t;
    t.Enter();
    t.sel->MouseDown(1, 0, 5, 3);
    EXPECT_EQ(t.sel->BackColorNormal(), 0x000000u);
    EXPECT_EQ(t.sel->ForeColorNormal(), 0xFFFFFFu);
    EXPECT_EQ(t.sel->ForeColorNormal_2(), 0xFFFFFFu);
    // A Normal colour shows at once whatever the look; Hover and Down colours wait for the next look.
    t.sel->SetBackColorNormal(0x0000FF);
    EXPECT_EQ(t.sel->SurfaceColor(), 0x0000FFu);
    t.sel->SetBackColorHover(0x00FF00);
    EXPECT_EQ(t.sel->SurfaceColor(), 0x0000FFu);
    t.sel->MouseUp(1, 0, 5, 3);
    EXPECT_EQ(t.sel->SurfaceColor(), 0x00FF00u);
}

TEST(NSelectionPoll, LeavingEndsThePollWithMouseLeave) {
    Entry t;
    t.Enter();
    t.sel->TimerTick(NSelection::kTimer1);
    EXPECT_TRUE(t.rig.TimerRunning(NSelection::kTimer1)) << "still over: the poll goes on";
    t.rig.PointerAway();
    t.rec.Clear();
    t.sel->TimerTick(NSelection::kTimer1);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseLeave"}));
    EXPECT_FALSE(t.rig.TimerRunning(NSelection::kTimer1));
    EXPECT_FALSE(t.sel->MouseInside());
    t.Look(0x000000, 0xFFFFFF, 0xFFFFFF);
    t.rec.Clear();
    t.sel->TimerTick(NSelection::kTimer1);  // already queued when the poll stopped
    EXPECT_TRUE(t.rec.lines.empty());
}

TEST(NSelectionPoll, AnotherWindowCoveringTheControlCountsAsLeaving) {
    Entry t;
    t.Enter();
    t.rig.PointerOverOther();
    t.rec.Clear();
    t.sel->TimerTick(NSelection::kTimer1);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseLeave"}));
}

TEST(NSelectionPoll, APollAlreadyRunningEndsWhileDisabled) {
    Entry t;
    t.Enter();
    t.sel->SetEnabled(false);
    EXPECT_EQ(t.view.enabled, (std::vector<bool>{true, false}));
    t.rig.PointerAway();
    t.rec.Clear();
    t.sel->TimerTick(NSelection::kTimer1);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseLeave"})) << "MouseOut is bound but declared only";
}

TEST(NSelectionKeys, ArrowsMoveTheFocusBeforeKeyDownAndEnterDoesNothingMore) {
    Entry t;
    for (std::int16_t k : {39, 40, 37, 38, 13, 65}) t.sel->KeyDown(k, 0, false);
    EXPECT_EQ(t.rig.p.keys.sent, (Lines{L"{TAB}", L"{TAB}", L"+{TAB}", L"+{TAB}"}));
    EXPECT_EQ(t.rec.lines, (Lines{L"KeyDown 39 0 sent 1", L"KeyDown 40 0 sent 2", L"KeyDown 37 0 sent 3",
                                  L"KeyDown 38 0 sent 4", L"KeyDown 13 0 sent 4", L"KeyDown 65 0 sent 4"}));
    t.rec.Clear();
    const int repaints = t.view.repaints;
    t.sel->KeyPress(97);
    t.sel->KeyUp(65, 1);
    EXPECT_EQ(t.rec.lines, (Lines{L"KeyPress 97", L"KeyUp 65 1"}));
    EXPECT_GT(t.view.repaints, repaints) << "a key release repaints";
}

// Space presses the focused entry as a left press does and its release clicks; no other key clicks. Each step
// logs the look it leaves; Click logs the look on screen while it runs.
TEST(NSelectionKeys, SpacePressesTheEntryAndItsReleaseClicks) {
    struct Case {
        const char* what;
        std::vector<std::string> steps;
        Lines expected;
    };
    const Case cases[] = {
        {"a press and a release away from the pointer",
         {"space down", "space up"},
         {L"KeyDown 32 0 sent 0", L"look 2", L"KeyUp 32 0", L"Click showing 2", L"look 0"}},
        {"with the pointer over the entry the release ends in hover",
         {"pointer over", "space down", "space up"},
         {L"look 0", L"KeyDown 32 0 sent 0", L"look 2", L"KeyUp 32 0", L"Click showing 2", L"look 1"}},
        {"a held Space repeats KeyDown and clicks once",
         {"space down", "space down", "space up"},
         {L"KeyDown 32 0 sent 0", L"look 2", L"KeyDown 32 0 sent 0", L"look 2", L"KeyUp 32 0", L"Click showing 2",
          L"look 0"}},
        {"the focus leaves before the release: no click",
         {"space down", "focus lost", "space up"},
         {L"KeyDown 32 0 sent 0", L"look 2", L"look 0", L"KeyUp 32 0", L"look 0"}},
        {"disabled before the release: no click",
         {"space down", "disable", "space up"},
         {L"KeyDown 32 0 sent 0", L"look 2", L"changed Enabled", L"look 0", L"KeyUp 32 0", L"look 0"}},
        {"Enter and Escape are keys like any other",
         {"enter down", "enter up", "escape down", "escape up"},
         {L"KeyDown 13 0 sent 0", L"look 0", L"KeyUp 13 0", L"look 0", L"KeyDown 27 0 sent 0", L"look 0", L"KeyUp 27 0",
          L"look 0"}},
    };
    for (const Case& c : cases) {
        Entry t;
        // Distinct backgrounds per look: the look on screen reads back from the surface colour.
        t.sel->SetBackColorNormal(0);
        t.sel->SetBackColorHover(1);
        t.sel->SetBackColorDown(2);
        t.rec.Clear();
        NSelection::Events& e = t.sel->events();
        e.Click = [&t] { t.rec.Add(L"Click showing " + std::to_wstring(t.sel->SurfaceColor())); };
        for (const std::string& step : c.steps) {
            if (step == "space down") t.sel->KeyDown(32, 0, false);
            if (step == "space up") t.sel->KeyUp(32, 0);
            if (step == "enter down") t.sel->KeyDown(13, 0, false);
            if (step == "enter up") t.sel->KeyUp(13, 0);
            if (step == "escape down") t.sel->KeyDown(27, 0, false);
            if (step == "escape up") t.sel->KeyUp(27, 0);
            if (step == "focus lost") t.sel->LostFocus();
            if (step == "disable") t.sel->SetEnabled(false);
            if (step == "pointer over") t.rig.PointerOver();
            t.rec.Add(L"look " + std::to_wstring(static_cast<int>(t.sel->ButtonState())));
        }
        EXPECT_EQ(t.rec.lines, c.expected) << c.what;
    }
}

TEST(NSelectionProperties, EachWriteNotifiesUnderItsName) {
    Entry t;
    NSelection& s = *t.sel;
    s.SetCaption(L"a");
    s.SetDescription(L"b");
    ASSERT_TRUE(s.SetFontSize(9));
    s.SetFontBold(true);
    s.SetEnabled(true);
    s.SetForeColorNormal(1);
    s.SetForeColorHover(2);
    s.SetForeColorDown(3);
    s.SetBackColorNormal(4);
    s.SetBackColorHover(5);
    s.SetBackColorDown(6);
    s.SetForeColorNormal_2(7);
    s.SetForeColorHover_2(8);
    s.SetForeColorDown_2(9);
    EXPECT_EQ(t.rec.lines, (Lines{L"changed Caption", L"changed Description", L"changed FontSize", L"changed FontBold",
                                  L"changed Enabled", L"changed ForeColorNormal", L"changed ForeColorHover",
                                  L"changed ForeColorDown", L"changed BackColorNormal", L"changed BackColorHover",
                                  L"changed BackColorDown", L"changed ForeColorNormal_2", L"changed ForeColorHover_2",
                                  L"changed ForeColorDown_2"}));
    EXPECT_EQ(s.FontSize(), 9);
    EXPECT_TRUE(s.FontBold());
}

TEST(NSelectionProperties, RefusedFontSizesChangeNothing) {
    Entry t;
    EXPECT_FALSE(t.sel->SetFontSize(0));
    EXPECT_FALSE(t.sel->SetFontSize(-3));
    EXPECT_FALSE(t.sel->SetFontSize(3000));
    EXPECT_TRUE(t.rec.lines.empty());
    EXPECT_EQ(t.sel->FontSize(), 8);
}

TEST(NSelectionProperties, FontSizeReadsBackTheCaptionElementsSize) {
    for (std::int16_t points : {1, 9, 11, 72, 2160}) {
        Entry t;
        ASSERT_TRUE(t.sel->SetFontSize(points));
        EXPECT_EQ(t.sel->Label1().points, points);
        EXPECT_EQ(t.sel->FontSize(), points);
    }
}

TEST(NSelectionPersist, ANewInstanceSavedAndLoadedKeepsEveryValue) {
    Entry a;
    kit::PropertyBag bag;
    ASSERT_TRUE(a.sel->Save(bag, {}));
    // White text differs from the black default, so those keys are written; the rest equal their defaults.
    std::vector<std::wstring> keys;
    for (const auto& e : bag.entries()) keys.push_back(e.first);
    EXPECT_EQ(keys, (Lines{L"Caption", L"BackColorDown", L"Font", L"ForeColorNormal", L"ForeColorHover",
                           L"ForeColorDown", L"ForeColorNormal_2", L"ForeColorHover_2", L"ForeColorDown_2"}));

    Entry b(false);
    ASSERT_TRUE(b.sel->Load(bag, {}));
    NSelection& s = *b.sel;
    kNewInstance.ExpectIn(s);
    EXPECT_EQ(s.ControlFont().name, L"Verdana");
}

TEST(NSelectionPersist, EveryKeyRoundTripsWithOtherValues) {
    Entry a;
    NSelection& s = *a.sel;
    // An empty caption differs from the default and must come back empty.
    const Stored other = {L"",        L"Zweite Zeile \"quoted\"",
                          0x010203,   0x80000005,
                          0x00ABCDEF, 14,
                          true,       false,
                          0x111111,   0x222222,
                          0x333333,   0x444444,
                          0x555555,   0x666666};
    ASSERT_NO_FATAL_FAILURE(other.ApplyTo(s));
    kit::PropertyBag bag;
    ASSERT_TRUE(s.Save(bag, {}));
    EXPECT_EQ(bag.entries().size(), 15u);
    // Through the text form too, as the gallery stores it.
    auto parsed = kit::ParseDesign(kit::PrintDesign({{{L"N_Selection1", bag}}}));
    ASSERT_TRUE(parsed);

    Entry b;
    ASSERT_TRUE(b.sel->Load(*parsed->Find(L"N_Selection1"), {}));
    NSelection& r = *b.sel;
    other.ExpectIn(r);
    kit::PropertyBag again;
    r.Save(again, {});
    EXPECT_EQ(kit::PrintDesign({{{L"x", bag}}}), kit::PrintDesign({{{L"x", again}}}));
}

TEST(NSelectionPersist, AnEmptyBagGivesTheLoadDefaults) {
    Entry t(false);
    ASSERT_TRUE(t.sel->Load(kit::PropertyBag(), {}));
    NSelection& s = *t.sel;
    EXPECT_EQ(s.Caption(), L"NSelection1");
    EXPECT_EQ(s.Description(), L"Descrição");
    EXPECT_EQ(s.BackColorNormal(), 0x000000u);
    EXPECT_EQ(s.BackColorHover(), 0x2D2D2Du);
    EXPECT_EQ(s.BackColorDown(), 0x0080FFFFu) << "light yellow pressed look";
    EXPECT_EQ(s.ForeColorDown(), 0xFFFFFFu) << "white pressed text";
    EXPECT_EQ(s.ForeColorDown_2(), 0xFFFFFFu);
    EXPECT_EQ(s.ForeColorNormal(), 0x000000u);
    EXPECT_EQ(s.ForeColorHover_2(), 0x000000u);
    EXPECT_EQ(s.ControlFont().name, L"MS Sans Serif");
    EXPECT_EQ(s.FontSize(), 8);
    EXPECT_TRUE(s.Enabled());
    EXPECT_NE(s.Height(), 41) << "loading does not lay out; the next resize does";
}

TEST(NSelectionPersist, ABadValueStopsTheLoadAtThatKey) {
    Entry t;
    kit::PropertyBag bag;
    bag.WriteAlways(L"caption", kit::Value(L"Loaded"));  // keys match without regard to case
    bag.WriteAlways(L"BackColorHover", kit::Value::Color(0x123456));
    bag.WriteAlways(L"FontSize", kit::Value(L"large"));
    bag.WriteAlways(L"FontBold", kit::Value(true));
    bag.WriteAlways(L"ForeColorDown", kit::Value::Color(0x654321));
    const kit::LoadResult stopped = t.sel->Load(bag, {});
    EXPECT_FALSE(stopped);
    EXPECT_STREQ(stopped.stoppedAt, L"FontSize");
    EXPECT_EQ(t.sel->Caption(), L"Loaded");
    EXPECT_EQ(t.sel->BackColorHover(), 0x123456u);
    EXPECT_EQ(t.sel->BackColorDown(), 0x0080FFFFu) << "keys before the bad one are applied";
    EXPECT_EQ(t.sel->FontSize(), 8);
    EXPECT_FALSE(t.sel->FontBold()) << "keys after the bad one are not";
    EXPECT_EQ(t.sel->ForeColorDown(), 0x000000u);

    Entry u;
    kit::PropertyBag refused;
    refused.WriteAlways(L"FontSize", kit::Value(0));
    refused.WriteAlways(L"Enabled", kit::Value(false));
    EXPECT_STREQ(u.sel->Load(refused, {}).stoppedAt, L"FontSize") << "a size the caption refuses stops the load too";
    EXPECT_TRUE(u.sel->Enabled());
}

TEST(NSelectionPersist, TheFontKeyGivesOnlyItsFaceName) {
    Entry t;
    kit::PropertyBag bag;
    kit::Font f;
    f.name = L"Tahoma";
    f.size = 20;
    f.weight = 700;
    bag.WriteAlways(L"Font", kit::Value(f));
    ASSERT_TRUE(t.sel->Load(bag, {}));
    EXPECT_EQ(t.sel->ControlFont().name, L"Tahoma");
    EXPECT_DOUBLE_EQ(t.sel->ControlFont().size, kit::Font().size);
    EXPECT_EQ(t.sel->FontSize(), 8) << "the control-level font is used by no element";
}

}  // namespace
