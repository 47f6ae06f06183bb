// Message-to-event tables for the kit's control hosts: each control is created in a process of its own, driven
// with real window messages, and what it raised (events, captures, focus, timers, sent keys, messages to its
// parent) is recorded one line at a time for comparison with a literal table.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace hosttest {

// Steps that are not window messages.
enum : UINT {
    kPointAt = WM_APP + 1,  // the pointer rests at (x, y) of the control's client area
    kPointAway,             // the pointer rests far outside the control and its window
    kLogState,              // records the control's state line
    kTakeKeys,              // waits for `wp` key messages in the thread's input queue and records them
    kFocus,                 // the window system's focus goes to the step's target
    kFocusAway,             // the window system's focus goes to the parent
    kAction,                // runs the step's action on the control
};

// One step: a message for the control (or its inner part) or one of the steps above. Mouse messages and pointer
// steps carry client pixels. Key messages are posted and go through the program's own message loop
// (plat::HandleLoopMessage: the dialog manager, then translation into characters, then the window); every other
// message is sent straight to the window.
struct Step {
    UINT message = 0;
    WPARAM wp = 0;
    int x = 0, y = 0;
    LPARAM lp = 0;  // used when no position is given
    std::function<void(HWND control)> action = nullptr;
};

Step Move(int x, int y, WPARAM held = 0);
Step Mouse(UINT message, int x, int y);  // a press carries its own button as held; a release none
Step Key(UINT message, WPARAM vk);       // WM_KEYDOWN/UP, WM_SYSKEYDOWN/UP (Alt held), WM_CHAR
Step KeyRepeat(WPARAM vk);               // WM_KEYDOWN of a key already down (auto-repeat)
Step Msg(UINT message, WPARAM wp = 0, LPARAM lp = 0);
Step PointAt(int x, int y);
Step PointAway();
Step State();
Step TakeKeys(int count);
Step Focus();
Step FocusAway();
Step Do(std::function<void(HWND control)> action);

// What a Click handler does besides recording itself.
enum class OnClick { Record, DestroyControl, DestroyParent };

struct Case {
    const char* name;  // a test name: letters and digits only
    std::vector<Step> steps;
    std::vector<std::string> expected;
    std::function<void(HWND control)> setup = nullptr;  // property writes before the steps (nothing recorded)
    OnClick onClick = OnClick::Record;
};

struct Table {
    const char* control;
    // Creates the control in `parent` with every event recording itself; `target` receives the steps' messages.
    std::function<HWND(HWND parent, HWND* target)> make;
    // The control's state line for State() steps; the rig adds whether the focus cue shows (" cue 1").
    std::function<std::string(HWND control)> state;
    std::vector<Case> cases;
};

const std::vector<const Table*>& Tables();
// The tables of the behaviours the kit's buttons share, one per control that shares them.
std::vector<const Table*> ConformanceTables();

// ---- Recording, for the tables' creation functions.
void Log(const std::string& line);
std::string Num(double v);  // shortest form: 15, 7.5
// A Click line, then what the case asks of a Click handler.
void Clicked(const std::string& line);

// The platform services for a control that accepts them: the Win32 ones, except a pointer whose position the
// steps set (over the case's control or away from it), and a capture, timers and a key sender that record what
// they are asked.
const plat::Services& RecordingServices();
// Another window holds the recording pointer's capture from now on.
void TakeRecordedCapture(HWND window);

}  // namespace hosttest
