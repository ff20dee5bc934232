#include "ui/side/HoverRules.h"

#include <cmath>
#include <cwctype>

namespace quav {

PointTwips CursorInWindowTwips(int px, int py, double twipsPerPixelX, double twipsPerPixelY,
                               const FrameTwips& frame) {
  const double x = twipsPerPixelX * px - frame.left;
  const double y = twipsPerPixelY * py - (frame.height - frame.scaleHeight + frame.top);
  return PointTwips{std::lround(x), std::lround(y)};
}

bool IsOverElement(PointTwips cursor, const RectTwips& element) {
  return element.left <= cursor.x && cursor.x <= element.left + element.width && element.top <= cursor.y &&
         cursor.y <= element.top + element.height;
}

bool TagReadsTrue(std::wstring_view tag) {
  constexpr std::wstring_view kTrue = L"true";
  if (tag.size() != kTrue.size()) return false;
  for (size_t k = 0; k < tag.size(); ++k) {
    if (static_cast<wchar_t>(std::towlower(tag[k])) != kTrue[k]) return false;
  }
  return true;
}

}  // namespace quav
