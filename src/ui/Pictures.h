#pragma once

#include <windows.h>

namespace quav {

// A bitmap resource as a device-independent section; null when missing.
HBITMAP LoadBitmapResource(HINSTANCE instance, int id);

// A small picture whose magenta (255, 0, 255) background is replaced by the
// given colour, so it sits on a button face without a box around it.
HBITMAP LoadKeyedBitmap(HINSTANCE instance, int id, COLORREF background);

}  // namespace quav
