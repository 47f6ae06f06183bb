// The check button: its twelve box images, click cycling, looks per value, the leave poll, layout in twips and
// the two persistence orders.
#include "controls/checkbutton/check_button.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "kit_fakes.h"
#include "tests/event_recorder.h"

namespace {

using kit::BoxImage;
using kit::CheckButton;
using kitfakes::Rig;
using Lines = std::vector<std::wstring>;

std::uint32_t RGBx(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

struct SiteFake final : kitfakes::SiteBase {
    int repaints = 0;
    std::vector<bool> enabled;
    SiteFake() { scale.unit = plat::SizeUnit::Twips; }
    void Invalidate() override { ++repaints; }
    void Refresh() override { ++repaints; }
    void SetInputEnabled(bool e) override { enabled.push_back(e); }
};

kit::Font ContainerFont() { return {L"Tahoma", 9}; }  // the rest as a new font has it

struct Box {
    Rig rig;
    kitfakes::Recorder rec;
    SiteFake view;
    std::unique_ptr<CheckButton> cb;

    explicit Box(bool init = true) {
        rig.p.text.charWidth = 6;
        rig.p.text.height = 16;  // 240 twips
        CheckButton::Events e;
        recorder::Record(e, [this](const std::wstring& line) { rec.Add(line); });
        e.PropertyChanged = [this](const std::wstring& n) { rec.Add(L"changed " + n); };
        cb = std::make_unique<CheckButton>(rig.p.services, e);
        // The control's client area starts at screen (100, 200).
        rig.p.pointer.origins[Rig::kWindow] = {100, 200};
        view.measure = &rig.p.text;
        cb->Attach(Rig::kWindow, &view);
        if (init) cb->InitNew({L"CheckButton1", ContainerFont()});
        cb->Resize(1410, 975);
        rec.Clear();
    }
    void PointerAtClient(int x, int y) { rig.p.pointer.cursor = {100 + x, 200 + y}; }
    // The window's DPI, which its host converts at; the control takes positions in twips.
    void SetDpi(unsigned d) { view.scale.dpi = plat::Dpi{d}; }
    void Move(std::int16_t b, std::int16_t s, float x, float y) { cb->MouseMove(b, s, x, y); }
    void Down(std::int16_t b, std::int16_t s, float x, float y) { cb->MouseDown(b, s, x, y); }
    void Up(std::int16_t b, std::int16_t s, float x, float y) { cb->MouseUp(b, s, x, y); }
    void Tick() { cb->TimerTick(CheckButton::kTimer1); }
};

// ---- the images ----

TEST(CheckButtonImages, FramesAndInteriorsFollowTheTable) {
    const auto& images = kit::CheckBoxImages();
    struct Expect {
        std::uint32_t frame, interior;
    };
    const Expect normal{RGBx(170, 173, 176), RGBx(202, 237, 216)};
    const Expect hover{RGBx(24, 133, 210), RGBx(202, 237, 216)};
    const Expect off{RGBx(207, 211, 215), RGBx(242, 245, 249)};
    const Expect tickedOff{RGBx(189, 191, 194), RGBx(248, 249, 249)};
    const Expect table[12] = {normal, hover, hover, off, normal, hover, hover, tickedOff, normal, hover, hover, off};
    for (int i = 0; i < 12; ++i) {
        const BoxImage& img = images[static_cast<std::size_t>(i)];
        for (int k = 0; k < 13; ++k) {
            EXPECT_EQ(img.At(k, 0), table[i].frame) << "image " << i << " top " << k;
            EXPECT_EQ(img.At(k, 12), table[i].frame) << "image " << i << " bottom " << k;
            EXPECT_EQ(img.At(0, k), table[i].frame) << "image " << i << " left " << k;
            EXPECT_EQ(img.At(12, k), table[i].frame) << "image " << i << " right " << k;
        }
        // The interior's top-left corner is clear of every mark.
        EXPECT_EQ(img.At(1, 1), table[i].interior) << "image " << i;
        EXPECT_EQ(img.At(2, 1), table[i].interior) << "image " << i;
    }
    for (int i : {0, 1, 3})
        for (int y = 1; y < 12; ++y)
            for (int x = 1; x < 12; ++x)
                ASSERT_EQ(images[static_cast<std::size_t>(i)].At(x, y), table[i].interior)
                    << i << ": " << x << "," << y;
}

TEST(CheckButtonImages, PressedLooksAreTheHoverPixels) {
    const auto& images = kit::CheckBoxImages();
    EXPECT_EQ(images[2].pixels, images[1].pixels);
    EXPECT_EQ(images[6].pixels, images[5].pixels);
    EXPECT_EQ(images[10].pixels, images[9].pixels);
    EXPECT_NE(images[5].pixels, images[1].pixels);
}

TEST(CheckButtonImages, TheTickIsSmoothedGreenFromLowerLeftToTopRight) {
    const auto& images = kit::CheckBoxImages();
    for (int index : {4, 5, 7}) {
        const BoxImage& img = images[static_cast<std::size_t>(index)];
        const std::uint32_t mark = index == 7 ? RGBx(164, 165, 166) : RGBx(0, 173, 65);
        const std::uint32_t interior = img.At(1, 1);
        int full = 0, partial = 0;
        std::set<std::uint32_t> shades;
        for (int y = 1; y < 12; ++y)
            for (int x = 1; x < 12; ++x) {
                const std::uint32_t c = img.At(x, y);
                if (c == mark)
                    ++full;
                else if (c != interior)
                    ++partial;
                if (c != interior) shades.insert(c);
                // Every tick pixel lies between the interior and the mark colour, channel by channel.
                for (int shift : {0, 8, 16}) {
                    const int v = (c >> shift) & 0xFF, a = (interior >> shift) & 0xFF, m = (mark >> shift) & 0xFF;
                    EXPECT_TRUE((v >= a && v <= m) || (v <= a && v >= m)) << index << ": " << x << "," << y;
                }
            }
        EXPECT_GE(full, 8) << "the darkest shade is the mark colour itself";
        EXPECT_GE(partial, 8) << "edges are smoothed";
        EXPECT_GE(shades.size(), 4u);
        // Short arm: starts at the interior's left about two thirds down; long arm: reaches the top right.
        EXPECT_NE(img.At(2, 8), interior) << index;
        EXPECT_NE(img.At(5, 10), interior) << index;
        EXPECT_NE(img.At(10, 3), interior) << index;
        EXPECT_EQ(img.At(2, 3), interior) << index;
        EXPECT_EQ(img.At(10, 10), interior) << index;
        EXPECT_EQ(img.At(6, 2), interior) << index;
    }
}

TEST(CheckButtonImages, IndeterminateSquaresAreSevenBySevenAndCentred) {
    const auto& images = kit::CheckBoxImages();
    for (int index : {8, 9, 10, 11}) {
        const BoxImage& img = images[static_cast<std::size_t>(index)];
        const std::uint32_t square = index == 11 ? RGBx(242, 247, 245) : RGBx(0, 173, 65);
        const std::uint32_t interior = index == 11 ? RGBx(242, 245, 249) : RGBx(202, 237, 216);
        for (int y = 1; y < 12; ++y)
            for (int x = 1; x < 12; ++x) {
                const bool in = x >= 3 && x <= 9 && y >= 3 && y <= 9;
                ASSERT_EQ(img.At(x, y), in ? square : interior) << index << ": " << x << "," << y;
            }
    }
}

// ---- creation and layout ----

TEST(CheckButtonLayout, CreationShowsTheFirstImageLaysOutAndStartsThePoll) {
    Box t(false);
    EXPECT_EQ(t.cb->ShownImage(), 0);
    EXPECT_EQ(t.rig.TimerPeriod(CheckButton::kTimer1), 50u);
    EXPECT_EQ(t.cb->BackColor(), 0u) << "the stored back colour is still 0 before the properties arrive";
}

TEST(CheckButtonLayout, BoxAndCaptionAreCentredVerticallyInTwips) {
    Box t;
    // Height 975: box (975 - 195) \ 2 = 390; caption 16 px = 240 twips: (975 - 240) \ 2 = 367 (truncated).
    EXPECT_EQ(t.cb->BoxTop(), 390);
    EXPECT_EQ(t.cb->CaptionTop(), 367);
    EXPECT_EQ(t.cb->CaptionHeight(), 240);
    EXPECT_EQ(t.cb->CaptionWidth(), 12 * 6 * 15) << "the caption keeps its own auto-sized width";
    t.cb->Resize(600, 100);
    EXPECT_EQ(t.cb->BoxTop(), -47) << "a control lower than the box truncates toward zero";
    EXPECT_EQ(t.cb->CaptionTop(), -70);
}

TEST(CheckButtonLayout, CaptionAndFontChangesCentreAgain) {
    Box t;
    t.rig.p.text.height = 30;  // 450 twips
    t.cb->SetCaption(L"Taller");
    EXPECT_EQ(t.cb->CaptionTop(), (975 - 450) / 2);
    t.rig.p.text.height = 20;
    kit::Font f = ContainerFont();
    f.size = 12;
    t.cb->SetFont(f);
    EXPECT_EQ(t.cb->CaptionTop(), (975 - 300) / 2);
    EXPECT_EQ(t.rec.lines, (Lines{L"changed Caption", L"changed Font"}));
}

// ---- clicks and values ----

TEST(CheckButtonValue, ClicksCycleZeroOneZeroAndTwoGoesToZero) {
    Box t;
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) {
        t.cb->Click();
        seen.push_back(t.cb->Value());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
    t.cb->SetValue(2);
    EXPECT_EQ(t.cb->ShownImage(), 8);
    t.rec.Clear();
    t.cb->Click();
    EXPECT_EQ(t.cb->Value(), 0);
    EXPECT_EQ(t.rec.lines, (Lines{L"changed Value", L"Click"}));
    EXPECT_EQ(t.cb->ShownImage(), 0) << "the normal image of the new value, though the pointer is still over it";
}

TEST(CheckButtonValue, SettingValueFromCodeShowsItsImageWithoutClick) {
    Box t;
    t.cb->SetValue(1);
    EXPECT_EQ(t.cb->ShownImage(), 4);
    EXPECT_EQ(t.rec.lines, (Lines{L"changed Value"}));
}

TEST(CheckButtonValue, OtherValuesHaveNoImageAndStayOnClick) {
    Box t;
    t.cb->SetValue(1);
    t.cb->SetValue(7);
    EXPECT_EQ(t.cb->Value(), 7);
    EXPECT_EQ(t.cb->ShownImage(), 4) << "the box keeps what it showed";
    t.rec.Clear();
    t.cb->Click();
    EXPECT_EQ(t.cb->Value(), 7);
    EXPECT_EQ(t.rec.lines, (Lines{L"Click"}));
    t.cb->SetValue(-1);
    EXPECT_EQ(t.cb->Value(), -1);
}

// ---- pointer ----

TEST(CheckButtonPointer, MovesShowHoverPressesShowPressedAndAClickShowsNormal) {
    Box t;
    t.cb->SetValue(1);
    t.Move(0, 0, 700, 300);
    EXPECT_EQ(t.cb->ShownImage(), 5);
    t.Down(1, 0, 700, 300);
    EXPECT_EQ(t.cb->ShownImage(), 6);
    t.Up(1, 0, 700, 300);
    EXPECT_EQ(t.cb->ShownImage(), 0) << "the release clicks: the new value's image";
    t.Move(0, 0, 701, 300);
    EXPECT_EQ(t.cb->ShownImage(), 1);
}

TEST(CheckButtonPointer, LeftHeldShowsPressedLeftAndRightTogetherShowHover) {
    Box t;
    // In turn: the left button, left and right together, the right alone.
    const struct {
        int button;
        int image;
    } moves[] = {{1, 2}, {3, 1}, {2, 1}};
    for (const auto& m : moves) {
        t.Move(m.button, 0, 700, 300);
        EXPECT_EQ(t.cb->ShownImage(), m.image) << "buttons " << m.button;
    }
}

TEST(CheckButtonPointer, EventsCarryPositionsOfThePartUnderThePointer) {
    Box t;
    // Box at (0, 390), caption at (240, 367), 1080 x 240.
    t.Down(1, 2, 100, 400);
    t.Up(1, 2, 100, 400);
    t.Down(2, 0, 300, 400);
    t.Up(2, 0, 300, 400);
    t.Move(0, 0, 1300, 900);
    t.Move(0, 0, 500, 500);
    EXPECT_EQ(t.rec.lines,
              (Lines{L"MouseDown 1 2 100 10", L"MouseUp 1 2 100 10", L"changed Value", L"Click", L"MouseDown 2 0 60 33",
                     L"MouseUp 2 0 60 33", L"MouseMove 0 0 1300 900", L"MouseMove 0 0 240 367"}))
        << "over the caption a move reports the caption's left and top";
}

TEST(CheckButtonPointer, CapturedMovesOutsideRaiseNothingAndTheEdgesCountAsInside) {
    Box t;
    t.Down(1, 0, 700, 300);
    t.rec.Clear();
    t.Move(1, 0, 1411, 300);
    t.Move(1, 0, 700, -1);
    t.Move(1, 0, 700, 976);
    EXPECT_TRUE(t.rec.lines.empty());
    t.Move(1, 0, 1410, 975);
    t.Move(1, 0, 0, 0);
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseMove 1 0 1410 975", L"MouseMove 1 0 0 0"}));
    EXPECT_TRUE(t.rig.TimerRunning(CheckButton::kTimer1)) << "every move starts the poll, wherever it is";
}

TEST(CheckButtonPointer, PressesHoldThePointerUntilTheLastButtonIsReleased) {
    struct Step {
        char kind;  // 'd' press, 'u' release, '2' the second press of a double-click, 'x' another window captures
        std::int16_t button;
        bool holds;  // whether the control holds the pointer afterwards
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::size_t mouseDowns;
    };
    const Case cases[] = {
        {"a press and its release", {{'d', 1, true}, {'u', 1, false}}, 1},
        {"the last release lets go", {{'d', 1, true}, {'d', 2, true}, {'u', 1, true}, {'u', 2, false}}, 2},
        {"a press after the pointer was taken away holds it again",
         {{'d', 1, true}, {'x', 0, false}, {'d', 1, true}, {'u', 1, false}},
         2},
        {"a double-click's second press raises nothing",
         {{'d', 1, true}, {'u', 1, false}, {'2', 1, true}, {'u', 1, false}},
         1},
    };
    for (const Case& c : cases) {
        Box t;
        for (const Step& step : c.steps) {
            if (step.kind == 'd')
                t.Down(step.button, 0, 700, 300);
            else if (step.kind == 'u')
                t.Up(step.button, 0, 700, 300);
            else if (step.kind == '2')
                t.cb->DblClick(step.button, 0, 700, 300);
            else {
                t.rig.p.pointer.capture = Rig::kOther;
                t.cb->CaptureLost();
            }
            EXPECT_EQ(t.rig.p.pointer.capture == Rig::kWindow, step.holds) << c.what;
        }
        EXPECT_EQ(t.rec.Only({L"MouseDown"}).size(), c.mouseDowns) << c.what;
    }
}

TEST(CheckButtonPointer, DisabledShowsOnlyTheDisabledImageAndGreyCaption) {
    Box t;
    t.cb->SetValue(2);
    t.rec.Clear();
    t.cb->SetEnabled(false);
    EXPECT_TRUE(t.rec.lines.empty()) << "Enabled does not notify";
    EXPECT_EQ(t.view.enabled.back(), false);
    EXPECT_EQ(t.cb->ShownImage(), 11);
    EXPECT_EQ(t.cb->CaptionColor(), 0x0092A1A1u);
    t.Move(0, 0, 700, 300);
    t.Down(1, 0, 700, 300);
    EXPECT_EQ(t.cb->ShownImage(), 11);
    t.cb->SetForeColor(0x0000FF);
    EXPECT_EQ(t.cb->CaptionColor(), 0x0092A1A1u);
    t.cb->SetEnabled(true);
    EXPECT_EQ(t.cb->CaptionColor(), 0x0000FFu) << "a colour set while disabled shows once enabled";
    EXPECT_EQ(t.cb->ShownImage(), 8);
    t.cb->SetValue(1);
    t.cb->SetEnabled(false);
    EXPECT_EQ(t.cb->ShownImage(), 7);
    t.cb->SetValue(0);
    EXPECT_EQ(t.cb->ShownImage(), 3);
}

// ---- the leave poll ----

TEST(CheckButtonPoll, TheFirstTickAfterCreationReportsMouseOutOnce) {
    Box t;
    t.PointerAtClient(-50, 10);
    t.Tick();
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseOut"}));
    EXPECT_FALSE(t.rig.TimerRunning(CheckButton::kTimer1));
    t.Tick();  // already queued when the poll stopped
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseOut"})) << "raised once";
}

TEST(CheckButtonPoll, LeavingRestoresTheNormalImageAndEdgesCountAsInside) {
    Box t;
    t.cb->SetValue(1);
    t.Move(0, 0, 700, 300);
    EXPECT_EQ(t.cb->ShownImage(), 5);
    t.rec.Clear();
    // 1410 x 975 twips is 94 x 65 pixels at 96 dpi.
    for (plat::Point p : {plat::Point{94, 65}, plat::Point{0, 0}, plat::Point{94, 0}}) {
        t.PointerAtClient(p.x, p.y);
        t.Tick();
    }
    EXPECT_TRUE(t.rec.lines.empty());
    EXPECT_TRUE(t.rig.TimerRunning(CheckButton::kTimer1));
    t.PointerAtClient(95, 10);
    t.Tick();
    EXPECT_EQ(t.rec.lines, (Lines{L"MouseOut"}));
    EXPECT_EQ(t.cb->ShownImage(), 4);
    EXPECT_FALSE(t.rig.TimerRunning(CheckButton::kTimer1));
}

TEST(CheckButtonPoll, MovesDoNotRestartARunningPoll) {
    Box t;
    t.PointerAtClient(5, 5);
    const int starts = t.rig.p.timers.starts;  // creation started it
    for (int x = 0; x < 5; ++x) t.Move(0, 0, 100.f + 15 * x, 100);
    EXPECT_EQ(t.rig.p.timers.starts, starts) << "a timer started again would put its next tick off at every move";
    t.PointerAtClient(-5, 5);
    t.Tick();
    t.Move(0, 0, 100, 100);  // a move after the poll ended starts it again
    EXPECT_EQ(t.rig.p.timers.starts, starts + 1);
    EXPECT_TRUE(t.rig.TimerRunning(CheckButton::kTimer1));
}

TEST(CheckButtonPoll, ThePixelBoundsFollowTheWindowDpi) {
    Box t;
    t.SetDpi(144);  // 1410 x 975 twips is 141 x 97.5 pixels
    t.Move(0, 0, 700, 300);
    t.PointerAtClient(141, 97);
    t.Tick();
    EXPECT_TRUE(t.rec.Only({L"MouseOut"}).empty());
    t.PointerAtClient(142, 97);
    t.Tick();
    EXPECT_EQ(t.rec.Only({L"MouseOut"}), (Lines{L"MouseOut"}));
}

TEST(CheckButtonPoll, MovesAfterATickKeepReportingTwips) {
    // The poll compares the pointer in pixels, but a tick never changes the unit events report positions in.
    struct Case {
        const char* what;
        plat::Point pointer;  // client pixels at the tick
        unsigned dpi;
        Lines ticked;
    };
    const Case cases[] = {
        {"a tick that finds the pointer inside", {10, 10}, 96, {}},
        {"a tick that finds it outside", {500, 10}, 96, {L"MouseOut"}},
        {"inside at 144 dpi", {10, 10}, 144, {}},
        {"outside at 144 dpi", {10, 500}, 144, {L"MouseOut"}},
    };
    for (const Case& c : cases) {
        Box t;
        t.SetDpi(c.dpi);
        t.Move(0, 0, 700, 300);
        t.PointerAtClient(c.pointer.x, c.pointer.y);
        t.Tick();
        t.Move(0, 0, 705, 300);
        Lines expected{L"MouseMove 0 0 700 300"};
        expected.insert(expected.end(), c.ticked.begin(), c.ticked.end());
        expected.push_back(L"MouseMove 0 0 705 300");
        EXPECT_EQ(t.rec.lines, expected) << c.what;
    }
}

// ---- keys ----

TEST(CheckButtonKeys, KeysAreForwardedAndNeverChangeTheValue) {
    Box t;
    t.cb->KeyDown(32, 0, false);
    t.cb->KeyPress(32);
    t.cb->KeyUp(32, 0);
    t.cb->KeyDown(13, 1, false);
    EXPECT_EQ(t.rec.lines, (Lines{L"KeyDown 32 0", L"KeyPress 32", L"KeyUp 32 0", L"KeyDown 13 1"}));
    EXPECT_EQ(t.cb->Value(), 0);
}

// ---- persistence ----

TEST(CheckButtonPersist, ANewInstanceHasItsValuesAndSavesNothingButDefaults) {
    Box t;
    EXPECT_EQ(t.cb->Caption(), L"CheckButton1");
    EXPECT_TRUE(t.cb->Enabled());
    EXPECT_EQ(t.cb->Value(), 0);
    EXPECT_EQ(t.cb->Font(), ContainerFont());
    EXPECT_EQ(t.cb->BackColor(), 0x8000000Fu);
    EXPECT_EQ(t.cb->ForeColor(), 0u);
    kit::PropertyBag bag;
    t.cb->Save(bag, {L"CheckButton1", ContainerFont()});
    EXPECT_TRUE(bag.entries().empty());
    Box u(false);
    ASSERT_TRUE(u.cb->Load(bag, {L"CheckButton1", ContainerFont()}));
    EXPECT_EQ(u.cb->Caption(), L"CheckButton1");
    EXPECT_EQ(u.cb->Font(), ContainerFont());
    EXPECT_EQ(u.cb->BackColor(), 0x8000000Fu);
}

TEST(CheckButtonPersist, EveryKeyRoundTripsAndIsWrittenInItsOwnOrder) {
    Box t;
    // name, size, weight, charset, italic, underline, strikethrough
    const kit::Font f{L"微软雅黑", 10.5, 700, 134, true, true, true};
    t.cb->SetValue(2);
    t.cb->SetCaption(L"Tick me");
    t.cb->SetEnabled(false);
    t.cb->SetFont(f);
    t.cb->SetBackColor(0x00112233);
    t.cb->SetForeColor(0x80000008);
    kit::PropertyBag bag;
    t.cb->Save(bag, {L"CheckButton1", ContainerFont()});
    Lines keys;
    for (const auto& e : bag.entries()) keys.push_back(e.first);
    EXPECT_EQ(keys, (Lines{L"Font", L"Value", L"Caption", L"Enabled", L"BackColor", L"ForeColor"}));
    EXPECT_TRUE(CheckButton::kStoredKeys.WellFormed());

    auto parsed = kit::ParseDesign(kit::PrintDesign({{{L"CheckButton1", bag}}}));
    ASSERT_TRUE(parsed);
    Box u(false);
    u.rec.Clear();
    ASSERT_TRUE(u.cb->Load(*parsed->Find(L"CheckButton1"), {L"CheckButton1", ContainerFont()}));
    EXPECT_EQ(u.rec.lines, (Lines{L"changed Value", L"changed Caption", L"changed Font", L"changed BackColor",
                                  L"changed ForeColor"}))
        << "read in the order Value, Caption, Enabled, Font, BackColor, ForeColor (Enabled does not notify)";
    EXPECT_EQ(u.cb->Value(), 2);
    EXPECT_EQ(u.cb->Caption(), L"Tick me");
    EXPECT_FALSE(u.cb->Enabled());
    EXPECT_EQ(u.cb->Font(), f);
    EXPECT_EQ(u.cb->BackColor(), 0x00112233u);
    EXPECT_EQ(u.cb->ForeColor(), 0x80000008u);
    EXPECT_EQ(u.cb->ShownImage(), 11);
}

TEST(CheckButtonPersist, ABadValueStopsTheLoadAtThatKey) {
    Box t;
    kit::PropertyBag bag;
    bag.WriteAlways(L"VALUE", kit::Value(1));
    bag.WriteAlways(L"Caption", kit::Value(L"Loaded"));
    bag.WriteAlways(L"Enabled", kit::Value(L"maybe"));
    bag.WriteAlways(L"BackColor", kit::Value::Color(0x00FF00));
    EXPECT_STREQ(t.cb->Load(bag, {L"CheckButton1", ContainerFont()}).stoppedAt, L"Enabled");
    EXPECT_EQ(t.cb->Value(), 1);
    EXPECT_EQ(t.cb->Caption(), L"Loaded");
    EXPECT_TRUE(t.cb->Enabled());
    EXPECT_EQ(t.cb->BackColor(), 0x8000000Fu);

    Box u;
    kit::PropertyBag noFont;
    noFont.WriteAlways(L"Font", kit::Value(3));
    noFont.WriteAlways(L"ForeColor", kit::Value::Color(0x00FF00));
    EXPECT_STREQ(u.cb->Load(noFont, {L"CheckButton1", ContainerFont()}).stoppedAt, L"Font");
    EXPECT_EQ(u.cb->ForeColor(), 0u);
}

TEST(CheckButtonPersist, AbsentKeysTakeTheContainersNameAndFont) {
    Box t(false);
    kit::Font f = ContainerFont();
    f.name = L"Arial";
    ASSERT_TRUE(t.cb->Load(kit::PropertyBag(), {L"Check7", f}));
    EXPECT_EQ(t.cb->Caption(), L"Check7");
    EXPECT_EQ(t.cb->Font(), f);
    EXPECT_EQ(t.cb->Value(), 0);
    EXPECT_TRUE(t.cb->Enabled());
}

}  // namespace
