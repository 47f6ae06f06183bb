// The main window Form1: a thin Win32 host around MainLogic.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace app {

// Creates the main window and runs its load. Returns false when start-up ended the program.
bool CreateForm1(HINSTANCE instance, int showCommand);

}  // namespace app
