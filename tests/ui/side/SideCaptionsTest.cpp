#include "ui/side/SideCaptions.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(SideCaptions, RevisionShownOnlyAboveZero) {
  EXPECT_EQ(L"QUAV 1.2许可协议", AgreementCaption(1, 2, 0));
  EXPECT_EQ(L"QUAV 1.2.3许可协议", AgreementCaption(1, 2, 3));
  EXPECT_EQ(L"关于    QUAV 1.2", AboutCaption(1, 2, 0));
  EXPECT_EQ(L"关于    QUAV 1.2.3", AboutCaption(1, 2, 3));
}

}  // namespace
}  // namespace quav
