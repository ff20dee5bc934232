#include "ui/side/HoverRules.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(HoverRules, CursorInWindowTwipsTakesOffFrameAndTitleBar) {
  // Outer frame at (100, 200) px, 33 px higher than its client area.
  const FrameTwips frame{1500, 3000, 4650, 4155};
  const PointTwips p = CursorInWindowTwips(200, 300, 15, 15, frame);
  EXPECT_EQ(1500, p.x);
  EXPECT_EQ(1005, p.y);
  // Uneven twips per pixel round to the nearest twip: 91.64, 39.27.
  const PointTwips q = CursorInWindowTwips(7, 3, 1440.0 / 110, 1440.0 / 110, FrameTwips{0, 0, 0, 0});
  EXPECT_EQ(92, q.x);
  EXPECT_EQ(39, q.y);
}

TEST(HoverRules, ElementIncludesItsEdges) {
  const RectTwips label{840, 180, 1485, 240};
  EXPECT_TRUE(IsOverElement({1000, 300}, label));
  EXPECT_TRUE(IsOverElement({840, 180}, label));
  EXPECT_TRUE(IsOverElement({2325, 420}, label));  // right and bottom edges
  EXPECT_FALSE(IsOverElement({839, 300}, label));
  EXPECT_FALSE(IsOverElement({2326, 300}, label));
  EXPECT_FALSE(IsOverElement({1000, 179}, label));
  EXPECT_FALSE(IsOverElement({1000, 421}, label));
}

TEST(HoverRules, OnlyATrueTagMeansHighlighted) {
  EXPECT_TRUE(TagReadsTrue(L"True"));
  EXPECT_TRUE(TagReadsTrue(L"TRUE"));
  for (const wchar_t* tag : {L"", L"False", L"Truth"}) EXPECT_FALSE(TagReadsTrue(tag)) << tag;
}

}  // namespace
}  // namespace quav
