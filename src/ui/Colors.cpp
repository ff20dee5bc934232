#include "ui/Colors.h"

namespace quav {

COLORREF ResolveColor(DesignColor color) {
  if (color & 0x80000000u) return ::GetSysColor(static_cast<int>(color & 0xFFu));
  return static_cast<COLORREF>(color & 0xFFFFFFu);
}

}  // namespace quav
