// Entry point of Relanto.exe: the main window's load runs the whole start-up; the loop runs until the last
// window closes.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "app/form1_win.h"
#include "platform/platform_win.h"
#include "platform/program_start_win.h"
#include "platform/window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    plat::PrepareGuiProcess();
    if (!app::CreateForm1(instance, showCommand, plat::Win32Services())) return 0;
    plat::RunMessageLoop();
    return 0;
}
