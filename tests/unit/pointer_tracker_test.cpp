// The kit's pointer tracker under each control's parameters: what each step reports and which timer and capture
// calls it makes, one script per case.
#include "controls/common/pointer_tracker.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using kit::OverTest;
using kit::PointerTracker;
using kit::TrackerParams;
using Journal = std::vector<std::string>;

constexpr plat::WindowId kWindow = 7;
constexpr plat::WindowId kOther = 8;
constexpr int kWidth = 20, kHeight = 10;  // the client area, in pixels

// A screen where the control's client area starts at the origin; the test puts the pointer at a client point and
// says whether another window lies over the control there.
struct Screen final : plat::Pointer, plat::Timers {
    Journal* journal = nullptr;
    plat::Point cursor{-100, -100};
    bool covered = false;
    plat::WindowId capture = 0;

    plat::Point CursorPos() override { return cursor; }
    plat::WindowId WindowFromPoint(plat::Point p) override {
        const bool inside = p.x >= 0 && p.y >= 0 && p.x < kWidth && p.y < kHeight;
        return inside ? (covered ? kOther : kWindow) : 0;
    }
    plat::Point ClientToScreen(plat::WindowId, plat::Point p) override { return p; }
    plat::Point ScreenToClient(plat::WindowId, plat::Point p) override { return p; }
    plat::WindowId Capture() override { return capture; }
    void SetCapture(plat::WindowId w) override {
        journal->push_back("capture");
        capture = w;
    }
    void ReleaseCapture() override {
        journal->push_back("release");
        capture = 0;
    }
    void Start(plat::WindowId, unsigned id, unsigned ms) override {
        journal->push_back("start " + std::to_string(id) + " " + std::to_string(ms));
    }
    void Stop(plat::WindowId, unsigned id) override { journal->push_back("stop " + std::to_string(id)); }
};

// The three ways the kit's controls track the pointer.
enum class Kind { Button, Selection, Check };

TrackerParams ParamsFor(Kind kind) {
    TrackerParams p;
    if (kind == Kind::Check) {
        p.periodMs = 50;
        p.over = OverTest::ClientArea;
        p.clientSize = [] { return plat::Size{kWidth, kHeight}; };
    }
    p.hoverCapture = kind == Kind::Button;
    return p;
}

const char* Name(PointerTracker::Move m) {
    switch (m) {
        case PointerTracker::Move::Outside:
            return "outside";
        case PointerTracker::Move::Entered:
            return "entered";
        case PointerTracker::Move::Dragged:
            return "dragged";
        case PointerTracker::Move::Inside:
            return "inside";
    }
    return "?";
}

// Script steps: "at x y" puts the pointer at a client point, "cover"/"uncover" a window over the control,
// "move B" a move with buttons B, "poll" starts the poll, "tick" / "tick 9" a timer tick (a leave it sees stops
// the poll), "down B" / "up B" a press and release, "hover" the hover-capture step of a move at the pointer.
Journal RunScript(Kind kind, const std::vector<std::string>& script) {
    Journal journal;
    Screen screen;
    screen.journal = &journal;
    plat::Services services;
    services.pointer = &screen;
    services.timers = &screen;
    PointerTracker tracker(services, ParamsFor(kind));
    tracker.SetWindow(kWindow);
    for (const std::string& step : script) {
        int a = 0, b = 0;
        if (std::sscanf(step.c_str(), "at %d %d", &a, &b) == 2) {
            screen.cursor = {a, b};
        } else if (step == "cover" || step == "uncover") {
            screen.covered = step == "cover";
        } else if (std::sscanf(step.c_str(), "move %d", &a) == 1) {
            journal.push_back(Name(tracker.MoveSeen(static_cast<std::int16_t>(a))));
        } else if (step == "poll") {
            tracker.StartPoll();
        } else if (step.compare(0, 4, "tick") == 0) {
            const unsigned id = std::sscanf(step.c_str(), "tick %d", &a) == 1 ? static_cast<unsigned>(a) : 1u;
            if (tracker.TickSeesLeave(id)) {
                journal.push_back("leave");
                tracker.StopPoll();
            }
        } else if (std::sscanf(step.c_str(), "down %d", &a) == 1) {
            if (tracker.Pressed(static_cast<std::int16_t>(a))) journal.push_back("first press");
        } else if (std::sscanf(step.c_str(), "up %d", &a) == 1) {
            tracker.Released(static_cast<std::int16_t>(a));
            tracker.EndPressCapture();
        } else if (step == "hover") {
            switch (tracker.HoverAt(screen.cursor)) {
                case PointerTracker::Hover::Free:
                    tracker.TakeHover();
                    break;
                case PointerTracker::Hover::Outside:
                    journal.push_back("out");
                    tracker.ReleaseHover();
                    break;
                case PointerTracker::Hover::Kept:
                    break;
            }
        } else {
            ADD_FAILURE() << "unknown step " << step;
        }
    }
    return journal;
}

struct Case {
    const char* name;
    Kind kind;
    std::vector<std::string> script;
    Journal expected;
};

TEST(PointerTracker, EachControlsTrackingStepByStep) {
    const Case cases[] = {
        {"enter once, stay, leave at a tick; a tick queued before the stop sees nothing",
         Kind::Selection,
         {"at 5 5", "move 0", "move 0", "tick", "at 30 5", "tick", "tick"},
         {"start 1 1", "entered", "inside", "leave", "stop 1"}},
        {"a left drag inside clears the entered state, so the next plain move enters again",
         Kind::Button,
         {"at 5 5", "move 0", "move 1", "move 0"},
         {"start 1 1", "entered", "dragged", "start 1 1", "entered"}},
        {"moves outside clear the entered state; another button's ticks are not the poll's",
         Kind::Selection,
         {"at 5 5", "move 0", "at 50 5", "move 0", "tick 2", "tick"},
         {"start 1 1", "entered", "outside", "leave", "stop 1"}},
        {"a window over the control is away for the window test",
         Kind::Selection,
         {"at 5 5", "move 0", "cover", "tick"},
         {"start 1 1", "entered", "leave", "stop 1"}},
        {"the client-area test ignores covering windows and counts the right and bottom edges as inside",
         Kind::Check,
         {"poll", "cover", "at 5 5", "tick", "at 20 10", "tick", "at 21 10", "tick", "tick"},
         {"start 1 50", "leave", "stop 1"}},
        {"the client-area test sees the pointer above the control as away",
         Kind::Check,
         {"poll", "at 5 -1", "tick"},
         {"start 1 50", "leave", "stop 1"}},
        {"a press keeps the pointer until the last held button is released",
         Kind::Selection,
         {"at 5 5", "down 1", "down 2", "up 1", "up 2", "up 2"},
         {"capture", "first press", "release"}},
        {"hover capture: taken over the control, kept, given up over another window",
         Kind::Button,
         {"at 5 5", "hover", "hover", "at 30 5", "hover"},
         {"capture", "out", "release"}},
        {"a press while the hover capture is held leaves it held after the release",
         Kind::Button,
         {"at 5 5", "hover", "down 1", "up 1", "hover"},
         {"capture", "first press"}},
    };
    for (const Case& c : cases) EXPECT_EQ(RunScript(c.kind, c.script), c.expected) << c.name;
}

}  // namespace
