#pragma once

#include <windows.h>

namespace quav {

// Bits per pixel of a device context: bits per plane times planes.
long GetBitsPerPixel(HDC dc);

}  // namespace quav
