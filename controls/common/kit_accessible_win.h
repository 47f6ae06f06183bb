// The kit's accessible answers in MSAA's terms, for the control hosts.
#pragma once

#include "controls/common/accessible.h"
#include "platform/accessible_win.h"

namespace kit {

long MsaaRole(AccRole role);
long MsaaStates(unsigned states);
plat::AccessibleElement ToElement(const AccessibleInfo& info);

// A private message a host posts to itself to run a screen reader's default action: the reader's call returns at
// once, and the action runs from the message loop exactly as a click's handler would.
constexpr UINT kMsgDefaultAction = WM_APP + 0x3A1;

}  // namespace kit
