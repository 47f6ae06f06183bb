// The kit's one pointer tracker: whether the pointer is over a control, the leave poll that notices it has
// gone, the press capture that keeps a press's release with the control, and the hover capture of controls that
// hold the pointer while it is over them. Each control raises its own events at the points the tracker reports.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "controls/common/look.h"
#include "platform/platform.h"

namespace kit {

// How a control tells that the pointer is over it.
enum class OverTest {
    // The window under the pointer is the control's own window: a window lying over the control counts as away.
    OwnWindow,
    // The pointer lies in the control's client area, the right and bottom edges included.
    ClientArea,
};

struct TrackerParams {
    unsigned timerId = 1;
    unsigned periodMs = 1;  // the leave poll's period
    OverTest over = OverTest::OwnWindow;
    // ClientArea only: the client area's size in the window's pixels now.
    std::function<plat::Size()> clientSize;
    // Capture taken by moves over the control and given up by the first move whose point lies over another
    // window (besides the press capture every control has).
    bool hoverCapture = false;
};

class PointerTracker {
public:
    // What a move without buttons or with the left button alone means for the look.
    enum class Move {
        Outside,  // the pointer is not over the control: the entered state is cleared
        Entered,  // first move over it without buttons: the poll started, the entered state set
        Dragged,  // over it with the left button: the entered state is cleared, so the next plain move enters again
        Inside,   // over it without buttons, already entered: nothing changes
    };
    // What the hover capture found on a move.
    enum class Hover {
        Kept,     // held, the pointer still over the control's window (or no pointer to ask)
        Outside,  // held, and the point lies over another window: the caller gives it up with ReleaseHover
        Free,     // not held: the caller takes it with TakeHover
    };

    PointerTracker(const plat::Services& services, TrackerParams params);

    void SetWindow(plat::WindowId window) { window_ = window; }
    plat::WindowId window() const { return window_; }

    bool IsOver() const;
    // The look a release or an ended press leaves: Hover while the pointer is over the control, else Normal.
    ButtonLook RestingLook() const { return IsOver() ? ButtonLook::Hover : ButtonLook::Normal; }

    // ---- Entering and the leave poll.
    Move MoveSeen(std::int16_t button);
    // The look a move calls for: Normal outside, Hover on entering, Down while dragging; none for a move inside.
    static std::optional<ButtonLook> LookAfter(Move move);
    bool Entered() const { return entered_; }
    void StartPoll();
    // Stops the poll and clears the entered state.
    void StopPoll();
    bool Polling() const { return polling_; }
    // A tick of a timer: true when it is the poll's, the poll is running and the pointer is no longer over the
    // control. The caller then stops the poll (StopPoll) and raises its leave event. A tick that was already
    // queued when the poll stopped finds it stopped and reports nothing.
    bool TickSeesLeave(unsigned timerId) const;

    // ---- Press capture: between a press and the release of the last held button the pointer stays with the
    // control. Pressed returns true for the first button of a press series (the caller notes where it began).
    bool Pressed(std::int16_t button);
    void Released(std::int16_t button);
    // Gives up the capture the press took, once no button is held any more; a capture the hover logic held
    // before the press stays.
    void EndPressCapture();
    std::int16_t HeldButtons() const { return held_; }
    // Ends a press whose release will not come (the control was disabled): the held buttons are forgotten and a
    // capture the press took is given back, so the next press starts fresh. True when a press was held.
    bool EndPress();
    // The window lost the capture to another window (a message box shown from a handler, say): the press ends as
    // EndPress ends it. A loss the tracker caused itself, by giving the capture back, is none. True when a press
    // was held.
    bool CaptureLost();

    // ---- Hover capture, for a move `client` (the window's client pixels) without the left button alone. Given up
    // during a press (another button held, say), it stays with the press until the release; a move back over the
    // control takes it again, as without a press.
    Hover HoverAt(plat::Point client) const;
    void TakeHover();
    void ReleaseHover();

private:
    void GiveBackCapture();

    const plat::Services& services_;
    TrackerParams params_;
    plat::WindowId window_ = 0;
    bool entered_ = false;
    bool polling_ = false;
    std::int16_t held_ = 0;
    bool tookPressCapture_ = false;
    bool releasing_ = false;     // the capture is being given back by the tracker itself
    bool hoverGivenUp_ = false;  // the hover logic gave up the capture during a press, which keeps it to the release
};

}  // namespace kit
