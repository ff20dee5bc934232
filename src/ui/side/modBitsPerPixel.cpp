#include "ui/side/modBitsPerPixel.h"

namespace quav {

long GetBitsPerPixel(HDC dc) {
  return static_cast<long>(::GetDeviceCaps(dc, BITSPIXEL)) * ::GetDeviceCaps(dc, PLANES);
}

}  // namespace quav
