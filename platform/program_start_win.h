// What every one of our GUI programs does first, before it creates a window.
#pragma once

namespace plat {

// Trace lines go to the debugger's output. DLLs come only from the system folder: never from the program's own (a
// download folder) or the current one. Then the standard common controls are registered.
void PrepareGuiProcess();

}  // namespace plat
