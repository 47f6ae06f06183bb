// The Win32 side of the failure trace: lines go to OutputDebugStringW.
#pragma once

namespace plat {

// Sends every trace line, from here on, to the debugger's output. Done first thing by every program, so that a
// failure the portable code records before any window-procedure failure leaves its line too.
void TraceToDebugger() noexcept;

// Inside a catch block at a window-procedure or COM boundary: records the exception in flight (count and a
// debug-output line naming `where`).
void TraceCaughtHere(const char* where) noexcept;

}  // namespace plat
