// The user's display scheme as the system reports it, read once and again after every change the system
// announces, so painting never asks the system on its own hot path.
#pragma once

#include "platform/platform.h"

namespace plat {

DisplayScheme& Win32DisplayScheme();

// What a top-level window does on WM_SETTINGCHANGE and WM_SYSCOLORCHANGE (`message`, with its `wParam`): forget
// the scheme, pass the colour change on to its child windows (the system tells top-level windows only) and repaint
// itself and them. A setting change other than high contrast is let pass: it is broadcast for any setting at all.
void FollowSystemColors(struct HWND__* topLevel, unsigned message, unsigned long long wParam);

}  // namespace plat
