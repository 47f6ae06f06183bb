// Entry point of Relanto.exe: the main window's load runs the whole start-up; the loop runs until the last
// window closes.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#include "app/form1_win.h"
#include "platform/os_api_win.h"
#include "platform/window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // DLLs come only from the system folder: never from the program's own (a download folder) or the current one.
    plat::RestrictDllSearch();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    if (!app::CreateForm1(instance, showCommand)) return 0;
    plat::RunMessageLoop();
    return 0;
}
