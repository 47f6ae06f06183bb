// The system accessibility interface (MSAA) for the program's drawn windows: a host describes itself and its
// windowless elements in plain terms, and this object answers screen readers from any process with them.
// oleacc.dll is loaded only when a screen reader first asks.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace plat {

// One accessible child: the window's own client object (child 0), a windowless element, or a child window in the
// reading order (then only `window` counts and its own object answers for it).
struct AccessibleElement {
    long role = 0;   // ROLE_SYSTEM_*
    long state = 0;  // STATE_SYSTEM_*
    std::wstring name;
    std::wstring description;
    std::wstring defaultAction;
    RECT client = {};       // in the window's client pixels; empty for child 0: the whole client area
    HWND window = nullptr;  // a child window standing at this place of the reading order
    bool hasName = true;    // false: the system's own answer for the name stands (see AccessibleHost's inner)
};

// What a host implements to be read.
class AccessibleSource {
public:
    virtual ~AccessibleSource() = default;
    // Children 1..count follow the window's own object (child 0) in reading order.
    virtual int AccessibleChildCount() { return 0; }
    virtual bool DescribeAccessible(int child, AccessibleElement* out) = 0;
    // Runs the child's default action; false when it has none now (for example while disabled).
    virtual bool DoAccessibleDefaultAction(int /*child*/) { return false; }
};

class AccessibleObject;

// Owned by a host for the life of its window: answers WM_GETOBJECT and cuts every outstanding reference off from
// the host when the window goes, so a screen reader that still holds the object gets errors, not a dangling host.
class AccessibleHost {
public:
    // With `standardInner`, the system's own object for the window answers everything the source leaves open
    // (used for the edit box, whose name alone is ours).
    explicit AccessibleHost(AccessibleSource* source, bool standardInner = false);
    ~AccessibleHost();
    AccessibleHost(const AccessibleHost&) = delete;
    AccessibleHost& operator=(const AccessibleHost&) = delete;

    // The answer to WM_GETOBJECT; 0 for anything but the client object or when the system library is missing,
    // which the caller passes on to its default handling.
    LRESULT Answer(HWND window, WPARAM wp, LPARAM lp);
    void Disconnect();

private:
    AccessibleSource* source_;
    bool standardInner_;
    AccessibleObject* object_ = nullptr;
};

// Tells screen readers about a change (EVENT_OBJECT_FOCUS, NAMECHANGE, STATECHANGE) of a window's client object
// or of one of its children.
void NotifyAccessible(HWND window, DWORD event, long child = 0);

}  // namespace plat
