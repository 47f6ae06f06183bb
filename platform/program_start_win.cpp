#include "platform/program_start_win.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Needs the types of windows.h.
#include <commctrl.h>

#include "platform/os_api_win.h"
#include "platform/trace_win.h"

namespace plat {

void PrepareGuiProcess() {
    TraceToDebugger();
    RestrictDllSearch();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

}  // namespace plat
