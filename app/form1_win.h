// The main window Form1: a thin Win32 host around MainLogic.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/platform.h"

namespace app {

// Creates the main window on the program's services and runs its load. Returns false when start-up ended the
// program.
bool CreateForm1(HINSTANCE instance, int showCommand, const plat::Services& services);

}  // namespace app
