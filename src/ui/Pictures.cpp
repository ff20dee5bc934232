#include "ui/Pictures.h"

namespace quav {

HBITMAP LoadBitmapResource(HINSTANCE instance, int id) {
  return static_cast<HBITMAP>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HBITMAP LoadKeyedBitmap(HINSTANCE instance, int id, COLORREF background) {
  HBITMAP bitmap = LoadBitmapResource(instance, id);
  DIBSECTION section{};
  if (!bitmap || ::GetObjectW(bitmap, sizeof section, &section) != sizeof section ||
      section.dsBm.bmBitsPixel != 24 || !section.dsBm.bmBits) {
    return bitmap;
  }
  auto* bits = static_cast<BYTE*>(section.dsBm.bmBits);
  for (int y = 0; y < section.dsBm.bmHeight; ++y) {
    BYTE* pixel = bits + static_cast<size_t>(y) * section.dsBm.bmWidthBytes;
    for (int x = 0; x < section.dsBm.bmWidth; ++x, pixel += 3) {
      // Stored blue, green, red.
      if (pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255) {
        pixel[0] = GetBValue(background);
        pixel[1] = GetGValue(background);
        pixel[2] = GetRValue(background);
      }
    }
  }
  return bitmap;
}

}  // namespace quav
