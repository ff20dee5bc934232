#pragma once

#include <windows.h>

namespace quav {

// GetTickCount64's stand-in where kernel32 has none (before Vista):
// milliseconds from the performance counter, or GetTickCount without one.
ULONGLONG WINAPI TickCount64Fallback();

}  // namespace quav
