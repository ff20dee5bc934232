#include "ui/side/StripeRules.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(StripeRules, PaleStripeFromSixteenBitsPerPixel) {
  constexpr uint32_t kPaleBlue = 0xFFF1EC;
  EXPECT_EQ(kPaleBlue, StripeColorForDepth(16, kPaleBlue));
  EXPECT_EQ(kPaleBlue, StripeColorForDepth(32, kPaleBlue));
  EXPECT_EQ(0xFFFFFFu, StripeColorForDepth(15, kPaleBlue));
  EXPECT_EQ(0xFFFFFFu, StripeColorForDepth(8, kPaleBlue));
  EXPECT_EQ(0xFFFFFFu, StripeColorForDepth(0, kPaleBlue)) << "nothing read counts as low";
}

}  // namespace
}  // namespace quav
