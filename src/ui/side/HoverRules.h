#pragma once

#include <string_view>

// How a hover-reset timer decides that the cursor has left a link or logo:
// the screen cursor is turned into its window's twips and tested against the
// element's rectangle.
namespace quav {

// A window's outer frame on the screen and its client area's height, twips.
struct FrameTwips {
  int left;
  int top;
  int height;
  int scaleHeight;
};

struct PointTwips {
  long x;
  long y;
};

// An element's place in its window's client area, twips.
struct RectTwips {
  long left;
  long top;
  long width;
  long height;
};

// The cursor (screen pixels) in the window's twips, rounded. The frame's
// height less the client height stands for the title bar, menu and borders.
PointTwips CursorInWindowTwips(int px, int py, double twipsPerPixelX, double twipsPerPixelY,
                               const FrameTwips& frame);

// Both edges count as inside.
bool IsOverElement(PointTwips cursor, const RectTwips& element);

// A logo box's tag read as a Boolean: "True" in any case. Empty, "False" and
// anything unreadable count as not highlighted.
bool TagReadsTrue(std::wstring_view tag);

}  // namespace quav
