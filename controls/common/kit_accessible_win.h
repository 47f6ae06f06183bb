// The kit's accessible answers in MSAA's terms, for the control hosts.
#pragma once

#include "controls/common/accessible.h"
#include "controls/common/control.h"
#include "platform/accessible_win.h"

namespace kit {

long MsaaRole(AccRole role);
long MsaaStates(unsigned states);
plat::AccessibleElement ToElement(const AccessibleInfo& info);

// A private message a host posts to itself to run a screen reader's default action: the reader's call returns at
// once, and the action runs from the message loop exactly as a click's handler would.
constexpr UINT kMsgDefaultAction = WM_APP + 0x3A1;

// What every control host adds to be read: its model's answers for its window, the default action run from the
// message loop, and the events that tell readers of focus, caption and look changes. The host hands it its
// messages first and tells it when something visible may have changed.
class ControlAccess final : public plat::AccessibleSource {
public:
    // With `standardInner`, the system's own object answers all but the name (an edit box named by its header).
    explicit ControlAccess(Control& model, bool standardInner = false)
        : model_(model), host_(this, standardInner), standardInner_(standardInner) {}

    // Handles WM_GETOBJECT and the default-action message (true, with the result); notes focus and the end of the
    // window on the way (false: the host handles those messages as before).
    bool Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
        hwnd_ = window;
        switch (msg) {
            case WM_GETOBJECT:
                *result = answering_ ? host_.Answer(window, wp, lp) : 0;
                return *result != 0;
            case kMsgDefaultAction:
                *result = 0;
                model_.DoDefaultAction();
                return true;
            case WM_SETFOCUS:
                plat::NotifyAccessible(window, EVENT_OBJECT_FOCUS);
                return false;
            case WM_NCDESTROY:
                host_.Disconnect();
                hwnd_ = nullptr;
                return false;
        }
        return false;
    }

    // Whether the window answers for itself (N_TextBox leaves its edit box to the system outside label mode).
    void SetAnswering(bool on) { answering_ = on; }

    // Readers hear of a new look, value or availability as it happens.
    void StatesMayHaveChanged() {
        // Asked on every repaint request: without a listener there is nothing to compare.
        if (!hwnd_ || !IsWinEventHookInstalled(EVENT_OBJECT_STATECHANGE)) return;
        const unsigned states = model_.Describe(false).states;
        if (states == announced_) return;
        announced_ = states;
        plat::NotifyAccessible(hwnd_, EVENT_OBJECT_STATECHANGE);
    }
    void NameChanged() { plat::NotifyAccessible(hwnd_, EVENT_OBJECT_NAMECHANGE); }

    bool DescribeAccessible(int child, plat::AccessibleElement* out) override {
        if (child != 0 || !hwnd_) return false;
        *out = ToElement(model_.Describe(GetFocus() == hwnd_));
        if (standardInner_) {
            // Only the name is ours; the system's object tells the rest.
            out->role = 0;
            out->state = 0;
            return true;
        }
        if (!IsWindowEnabled(hwnd_)) out->state |= MsaaStates(accstate::kUnavailable);
        return true;
    }
    bool DoAccessibleDefaultAction(int child) override {
        if (child != 0 || !hwnd_ || !IsWindowEnabled(hwnd_)) return false;
        if (model_.Describe(false).defaultAction.empty()) return false;
        return PostMessageW(hwnd_, kMsgDefaultAction, 0, 0) != FALSE;
    }

private:
    Control& model_;
    plat::AccessibleHost host_;
    bool standardInner_;
    HWND hwnd_ = nullptr;
    unsigned announced_ = 0;
    bool answering_ = true;
};

}  // namespace kit
