// Native soaks of the control models and the relay actions with the platform fakes, at a hundred times the counts
// of the soak under Wine: state stays bounded and consistent, timers and capture are given back, and a soaked
// control ends exactly like a fresh one given the same last property writes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_logic.h"
#include "controls/checkbutton/check_button.h"
#include "controls/common/property_bag.h"
#include "controls/nselection/n_selection.h"
#include "controls/nshape/n_shape.h"
#include "kit_fakes.h"
#include "nshape_fakes.h"
#include "tests/event_recorder.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counts broken expectations inside long loops and keeps the first one, so a fault reports once with its cycle.
class Tally {
public:
    void Check(bool holds, const char* what, long cycle) {
        if (holds) return;
        if (failures_++ == 0) first_ = std::string(what) + " at cycle " + std::to_string(cycle);
    }
    long failures() const { return failures_; }
    const std::string& first() const { return first_; }

private:
    long failures_ = 0;
    std::string first_;
};

#define EXPECT_NO_BREAKS(tally) EXPECT_EQ((tally).failures(), 0) << (tally).first()

// Reports how long a soak took, so the test's cost stays visible in the log.
class Stopwatch {
public:
    explicit Stopwatch(const char* name) : name_(name), start_(Clock::now()) {}
    ~Stopwatch() {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
        std::printf("[   SOAK   ] %s: %lld ms\n", name_, static_cast<long long>(ms));
    }

private:
    const char* name_;
    Clock::time_point start_;
};

// Counts raised events by name in place of recording handlers, so that nothing grows in a soak.
class EventCounts {
public:
    // Binds every event to count its name each time it is raised.
    template <typename Events>
    void CountAll(Events& e) {
        recorder::Record(
            e, [this](const std::wstring& name) { ++raised_[name]; }, recorder::Detail::Name);
    }
    long Count(const wchar_t* name) const {
        auto it = raised_.find(name);
        return it == raised_.end() ? 0 : it->second;
    }

private:
    std::map<std::wstring, long> raised_;
};

bool SameBag(const kit::PropertyBag& a, const kit::PropertyBag& b) {
    if (a.entries().size() != b.entries().size()) return false;
    for (std::size_t i = 0; i < a.entries().size(); ++i)
        if (a.entries()[i].first != b.entries()[i].first || a.entries()[i].second != b.entries()[i].second)
            return false;
    return true;
}

bool SameRect(const kit::RectF& a, const kit::RectF& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// ---------------------------------------------------------------------------------------------------------------
// N_Shape

// The graphical button of the main window, with counters in place of the recording handlers so nothing grows.
struct CountedShape : EventCounts {
    nshape_fakes::Rig r;

    CountedShape() {
        r.site.log = nullptr;
        r.shape->InitNew({L"N_Shape2start"});
        r.shape->SetCaption(L"启动");
        auto& e = r.shape->events();
        e = kit::NShape::Events{};
        CountAll(e);
    }
    kit::NShape& s() { return *r.shape; }
};

TEST(Soak, NShapeMillionEnterLeaveCyclesThenClicksAndCaptionsEndsLikeAFreshButton) {
    constexpr long kCycles = 1000000;
    constexpr long kCaptions = 50000;
    constexpr long kClicks = 50000;
    CountedShape b;
    kit::NShape& s = b.s();
    auto& timers = b.r.p.timers.running;
    Tally t;
    {
        Stopwatch watch("N_Shape 1,000,000 enter/leave cycles");
        // Three ways out, in turn: a move seen outside then the poll; the pointer jumping away so that only the poll
        // notices; another window covering the button.
        for (long i = 0; i < kCycles; ++i) {
            b.r.Move(5, 5);
            t.Check(s.ButtonState() == kit::ButtonLook::Hover && s.EnterRaised(), "hover after entering", i);
            t.Check(timers.size() == 1 && b.r.PollRunning(), "one poll while inside", i);
            b.r.Move(6, 7);
            switch (i % 3) {
                case 0:
                    b.r.Move(-3, 5);
                    t.Check(!b.r.Captured(), "a move seen outside gives the capture back", i);
                    t.Check(b.r.PollRunning(), "the poll, not the move, ends the hover", i);
                    b.r.Tick();
                    break;
                case 1:
                    b.r.PointAt(500, 500);
                    b.r.Tick();
                    break;
                default:
                    b.r.covered = true;
                    b.r.Tick();
                    b.r.covered = false;
                    break;
            }
            t.Check(s.ButtonState() == kit::ButtonLook::Normal && !s.EnterRaised(), "normal after leaving", i);
            t.Check(timers.empty(), "no timer after leaving", i);
        }
    }
    EXPECT_NO_BREAKS(t);
    EXPECT_EQ(b.Count(L"MouseEnter"), kCycles);
    EXPECT_EQ(b.Count(L"MouseLeave"), kCycles);
    EXPECT_EQ(b.Count(L"MouseOut"), (kCycles + 2) / 3);
    EXPECT_EQ(b.Count(L"Click"), 0);

    std::wstring caption;
    {
        Stopwatch watch("N_Shape 50,000 caption changes");
        const int startHeight = s.Height();
        const double margins = s.Width() - s.CaptionBox().width;
        for (long i = 0; i < kCaptions; ++i) {
            caption = L"开启服务" + std::wstring(static_cast<std::size_t>(i % 37), L'.') + std::to_wstring(i);
            s.SetCaption(caption);
            t.Check(s.Caption() == caption && b.r.site.captions.back() == caption, "the caption shows at once", i);
            // The button stretches to its text: the caption box and the button follow the latest text only.
            t.Check(s.CaptionBox().width == 8.0 * static_cast<double>(caption.size()), "caption measured anew", i);
            t.Check(s.Width() - s.CaptionBox().width == margins, "the width follows by the same margins", i);
            t.Check(s.Height() == startHeight, "the height stays", i);
            if (b.r.site.captions.size() > 1000) b.r.site.captions.clear();
            if (b.r.site.requestedWidths.size() > 1000) b.r.site.requestedWidths.clear();
        }
    }
    EXPECT_NO_BREAKS(t);

    {
        Stopwatch watch("N_Shape 50,000 press/release cycles");
        b.r.Move(5, 5);
        for (long i = 0; i < kClicks; ++i) {
            const std::int16_t button = (i % 5 == 4) ? 2 : 1;  // every fifth a right click
            b.r.Down(5, 5, button);
            t.Check(s.ButtonState() == (button == 1 ? kit::ButtonLook::Down : kit::ButtonLook::Hover), "press", i);
            t.Check(b.r.Captured(), "the pointer is held while pressed", i);
            if (i % 100 == 99) {
                // Dragged out and released outside: still a click, and the look is normal.
                b.r.Move(2000, 5, button);
                b.r.Up(2000, 5, button);
                t.Check(s.ButtonState() == kit::ButtonLook::Normal, "normal after a release outside", i);
                b.r.Move(5, 5);
            } else {
                b.r.Up(5, 5, button);
                t.Check(s.ButtonState() == kit::ButtonLook::Hover, "hover after a release over it", i);
            }
            t.Check(timers.size() <= 1, "never more than the one poll", i);
        }
        b.r.Move(-3, 5);
        b.r.Tick();
    }
    EXPECT_NO_BREAKS(t);
    EXPECT_EQ(b.Count(L"Click"), kClicks);
    EXPECT_EQ(b.Count(L"MouseDown"), kClicks);
    EXPECT_EQ(b.Count(L"MouseUp"), kClicks);

    // Afterwards: no timer, no capture, the normal look.
    EXPECT_TRUE(timers.empty());
    EXPECT_FALSE(b.r.Captured());
    EXPECT_EQ(b.r.p.pointer.capture, 0u);
    EXPECT_EQ(s.ButtonState(), kit::ButtonLook::Normal);
    EXPECT_FALSE(s.EnterRaised());
    EXPECT_FALSE(s.MouseInside());

    // A fresh button given the same last caption looks, lays out and saves exactly the same.
    CountedShape fresh;
    fresh.s().SetCaption(caption);
    kit::NShape& f = fresh.s();
    EXPECT_EQ(s.Width(), f.Width());
    EXPECT_EQ(s.Height(), f.Height());
    EXPECT_TRUE(SameRect(s.CaptionBox(), f.CaptionBox()));
    EXPECT_TRUE(SameRect(s.FigureBox(), f.FigureBox()));
    EXPECT_TRUE(SameRect(s.PictureBox(), f.PictureBox()));
    EXPECT_EQ(s.FillColor(), f.FillColor());
    EXPECT_EQ(s.TextColor(), f.TextColor());
    EXPECT_EQ(s.BorderColor(), f.BorderColor());
    EXPECT_EQ(s.ShownPicture(), f.ShownPicture());
    kit::PropertyBag soaked, clean;
    ASSERT_TRUE(s.Save(soaked, {}));
    ASSERT_TRUE(f.Save(clean, {}));
    EXPECT_TRUE(SameBag(soaked, clean)) << kit::PrintDesign({{{L"soaked", soaked}, {L"fresh", clean}}});
}

// ---------------------------------------------------------------------------------------------------------------
// N_Selection

struct CountedSelection : EventCounts {
    kitfakes::Rig rig;
    kitfakes::Site view;
    std::unique_ptr<kit::NSelection> sel;

    CountedSelection() {
        kit::NSelection::Events e;
        CountAll(e);
        sel = std::make_unique<kit::NSelection>(rig.p.services, e);
        view.grant = [this](int w, int h) { sel->Resize(w < 0 ? sel->Width() : w, h < 0 ? sel->Height() : h); };
        view.measure = &rig.p.text;
        sel->Attach(kitfakes::Rig::kWindow, &view);
        sel->InitNew({L"N_Selection1"});
        sel->Resize(200, 60);
    }
};

TEST(Soak, NSelectionEnterLeaveAndClicksStayBounded) {
    constexpr long kCycles = 200000;
    constexpr long kClicks = 20000;
    CountedSelection c;
    kit::NSelection& s = *c.sel;
    auto& timers = c.rig.p.timers.running;
    Tally t;
    {
        Stopwatch watch("N_Selection 200,000 enter/leave and 20,000 press/release cycles");
        for (long i = 0; i < kCycles; ++i) {
            c.rig.PointerOver();
            s.MouseMove(0, 0, 5, 3);
            s.MouseMove(0, 0, 6, 4);
            t.Check(s.ButtonState() == kit::ButtonLook::Hover && s.Timer1Running(), "hover and poll", i);
            t.Check(timers.size() == 1, "one poll while inside", i);
            s.TimerTick(kit::NSelection::kTimer1);
            if (i % 2)
                c.rig.PointerOverOther();
            else
                c.rig.PointerAway();
            s.TimerTick(kit::NSelection::kTimer1);
            t.Check(s.ButtonState() == kit::ButtonLook::Normal && !s.MouseInside(), "normal after leaving", i);
            t.Check(timers.empty() && !s.Timer1Running(), "no timer after leaving", i);
        }
        c.rig.PointerOver();
        s.MouseMove(0, 0, 5, 3);
        for (long i = 0; i < kClicks; ++i) {
            s.MouseDown(1, 0, 5, 3);
            t.Check(s.ButtonState() == kit::ButtonLook::Down, "pressed look", i);
            s.MouseUp(1, 0, 5, 3);
            s.ClickNotified();
            t.Check(timers.size() <= 1, "never more than the one poll", i);
        }
        c.rig.PointerAway();
        s.TimerTick(kit::NSelection::kTimer1);
    }
    EXPECT_NO_BREAKS(t);
    EXPECT_EQ(c.Count(L"MouseEnter"), kCycles + 1);
    EXPECT_EQ(c.Count(L"MouseLeave"), kCycles + 1);
    EXPECT_EQ(c.Count(L"Click"), kClicks);
    EXPECT_TRUE(timers.empty());
    EXPECT_EQ(s.ButtonState(), kit::ButtonLook::Normal);
    EXPECT_EQ(s.Height(), kit::NSelection::kImage1Height);

    CountedSelection fresh;
    const kit::NSelection& f = *fresh.sel;
    EXPECT_EQ(s.SurfaceColor(), f.SurfaceColor());
    EXPECT_EQ(s.Label1().color, f.Label1().color);
    EXPECT_EQ(s.Label_Descricao().color, f.Label_Descricao().color);
    EXPECT_EQ(s.Label1().top, f.Label1().top);
    EXPECT_EQ(s.Width(), f.Width());
    kit::PropertyBag soaked, clean;
    ASSERT_TRUE(s.Save(soaked, {}));
    ASSERT_TRUE(f.Save(clean, {}));
    EXPECT_TRUE(SameBag(soaked, clean));
}

// ---------------------------------------------------------------------------------------------------------------
// CheckButton

TEST(Soak, CheckButtonMovesPollsAndClicksStayBounded) {
    constexpr long kCycles = 200000;
    constexpr long kClicks = 20000;
    kitfakes::Rig rig;
    kitfakes::Site view;
    std::map<std::wstring, long> raised;
    kit::CheckButton::Events e;
    recorder::Record(
        e, [&raised](const std::wstring& name) { ++raised[name]; }, recorder::Detail::Name);
    kit::CheckButton cb(rig.p.services, e);
    rig.p.pointer.origins[kitfakes::Rig::kWindow] = {100, 200};
    view.scale.unit = plat::SizeUnit::Twips;
    view.measure = &rig.p.text;
    cb.Attach(kitfakes::Rig::kWindow, &view);
    kit::Font font;
    font.name = L"Tahoma";
    cb.InitNew({L"Checkflight", font});
    cb.Resize(1410, 975);
    auto& timers = rig.p.timers.running;
    auto at = [&](int x, int y) { rig.p.pointer.cursor = {100 + x, 200 + y}; };
    at(-50, 10);
    cb.TimerTick(kit::CheckButton::kTimer1);  // the poll started at creation ends at its first tick outside
    raised.clear();
    Tally t;
    {
        Stopwatch watch("CheckButton 200,000 move/leave and 20,000 click cycles");
        for (long i = 0; i < kCycles; ++i) {
            at(40, 20);
            cb.MouseMove(0, 0, 600, 300);
            t.Check(cb.ShownImage() == 1 && timers.size() == 1, "hover image and one poll", i);
            cb.TimerTick(kit::CheckButton::kTimer1);
            at(95 + static_cast<int>(i % 7), 10);
            cb.TimerTick(kit::CheckButton::kTimer1);
            t.Check(cb.ShownImage() == 0 && timers.empty(), "normal image and no poll after leaving", i);
        }
        at(40, 20);
        for (long i = 0; i < kClicks; ++i) {
            cb.MouseMove(0, 0, 600, 300);
            cb.MouseDown(1, 0, 600, 300);
            t.Check(cb.ShownImage() == 4 * cb.Value() + 2, "pressed image of the value", i);
            cb.MouseUp(1, 0, 600, 300);
            t.Check(cb.Value() == (i % 2 == 0 ? 1 : 0), "clicks cycle the value", i);
            t.Check(timers.size() <= 1, "never more than the one poll", i);
        }
        at(-5, 10);
        cb.TimerTick(kit::CheckButton::kTimer1);
    }
    EXPECT_NO_BREAKS(t);
    EXPECT_EQ(raised[L"MouseOut"], kCycles + 1);
    EXPECT_EQ(raised[L"Click"], kClicks);
    EXPECT_EQ(cb.Value(), 0);
    EXPECT_EQ(cb.ShownImage(), 0);
    EXPECT_TRUE(timers.empty());
    EXPECT_EQ(cb.Width(), 1410);
    EXPECT_EQ(cb.Height(), 975);
    kit::PropertyBag bag;
    ASSERT_TRUE(cb.Save(bag, {L"Checkflight", font}));
    kit::CheckButton other(rig.p.services);
    other.InitNew({L"Checkflight", font});
    kit::PropertyBag clean;
    ASSERT_TRUE(other.Save(clean, {L"Checkflight", font}));
    EXPECT_TRUE(SameBag(bag, clean));
}

// ---------------------------------------------------------------------------------------------------------------
// The relay actions

struct MainView final : app::MainView {
    bool ticked = false;
    long aboutShown = 0, helpShown = 0;
    std::wstring startCaption = L"启动", stopCaption = L"停止";
    void SetCaption(const std::wstring&) override {}
    void ShowMain() override {}
    void SetFlightTicked(bool on) override { ticked = on; }
    bool FlightTicked() const override { return ticked; }
    void SetButtonCaption(app::MainButton b, const std::wstring& c) override {
        (b == app::MainButton::Start ? startCaption : stopCaption) = c;
    }
    void ShowGuide(app::Guide g) override { ++(g == app::Guide::About ? aboutShown : helpShown); }
    plat::WindowId Window() const override { return 0; }
};

TEST(Soak, TwoThousandStartStopSequencesStartExactlyTheirConsoles) {
    constexpr long kSequences = 2000;
    constexpr long kAboutClicks = 50000;
    const std::wstring folder = L"C:\\relay";
    fakes::Platform p;
    p.files.present = {folder + L"\\AdbWinUsbApi.dll", folder + L"\\AdbWinApi.dll", folder + L"\\adb.exe"};
    MainView view;
    fakes::Field text8{L"Text8"}, intertext{L""};
    app::MainLogic logic(p.services, folder, view, text8, intertext);
    ASSERT_TRUE(logic.OnLoad());
    ASSERT_EQ(p.process.started.size(), 1u);
    p.journal.entries.clear();

    const std::vector<std::wstring> start = {L"console:cmd /c gnirehtet stop",  L"sleep:1000",
                                             L"console:cmd /c gnirehtet start", L"sleep:1000",
                                             L"console:cmd /c gnirehtet relay", L"sleep:1000"};
    const std::vector<std::wstring> stop = {L"console:cmd /c gnirehtet stop", L"sleep:1000"};
    const std::wstring airplaneOn = L"console:cmd /c adb shell cmd connectivity airplane-mode enable";
    const std::wstring airplaneOff = L"console:cmd /c adb shell cmd connectivity airplane-mode disable";
    Tally t;
    long expectedConsoles = 1;
    {
        Stopwatch watch("2,000 start/stop sequences and 50,000 About clicks");
        for (long i = 0; i < kSequences; ++i) {
            // The option is ticked in every other sequence, as a user might switch it between runs.
            view.ticked = i % 2 == 1;
            std::vector<std::wstring> expected;
            if (view.ticked) expected.push_back(airplaneOn);
            expected.insert(expected.end(), start.begin(), start.end());
            if (view.ticked) expected.push_back(airplaneOff);
            expected.insert(expected.end(), stop.begin(), stop.end());
            expectedConsoles += view.ticked ? 6 : 4;

            logic.OnStartClick();
            t.Check(view.startCaption == L"启动", "the start button's caption comes back", i);
            logic.OnStopClick();
            t.Check(view.stopCaption == L"停止", "the stop button's caption comes back", i);
            t.Check(p.journal.entries == expected, "each sequence starts its consoles in order", i);
            t.Check(static_cast<long>(p.process.started.size()) == expectedConsoles, "console count", i);
            t.Check(intertext.text == L"gnirehtet stop" && text8.text == L"adb devices", "scratch fields", i);
            p.journal.entries.clear();
        }
        for (long i = 0; i < kAboutClicks; ++i) logic.OnAboutClick();
    }
    EXPECT_NO_BREAKS(t);
    EXPECT_EQ(static_cast<long>(p.process.started.size()), 1 + kSequences / 2 * 4 + kSequences / 2 * 6);
    long shown = 0;
    for (std::size_t i = 1; i < p.process.started.size(); ++i)
        shown += p.process.started[i].show != plat::ShowState::Hidden;
    EXPECT_EQ(shown, 0) << "every relay console is hidden";
    EXPECT_EQ(static_cast<long>(p.sleeper.slept.size()), kSequences * 4);
    for (unsigned ms : p.sleeper.slept) ASSERT_EQ(ms, 1000u);
    EXPECT_EQ(view.aboutShown, kAboutClicks) << "the About window is asked for once per click";
    EXPECT_EQ(view.helpShown, 0);
    EXPECT_TRUE(p.messages.shown.empty());
    EXPECT_TRUE(p.links.opened.empty());
}

}  // namespace
