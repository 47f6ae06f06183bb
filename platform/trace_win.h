// The Win32 side of the failure trace: lines go to OutputDebugStringW.
#pragma once

namespace plat {

// Inside a catch block at a window-procedure or COM boundary: records the exception in flight (count and a
// debug-output line naming `where`).
void TraceCaughtHere(const char* where) noexcept;

}  // namespace plat
