#include "ui/side/SideCaptions.h"

#include <gtest/gtest.h>

#include "AppVersion.h"

namespace quav {
namespace {

TEST(SideCaptions, RevisionShownOnlyAboveZero) {
  EXPECT_EQ(L"QUAV 1.2许可协议", AgreementCaption(1, 2, 0));
  EXPECT_EQ(L"QUAV 1.2.3许可协议", AgreementCaption(1, 2, 3));
  EXPECT_EQ(L"关于    QUAV 1.2", AboutCaption(1, 2, 0));
  EXPECT_EQ(L"关于    QUAV 1.2.3", AboutCaption(1, 2, 3));
}

TEST(SideCaptions, FollowTheProjectVersion) {
  EXPECT_EQ(L"QUAV " QUAV_SHOWN_VERSION L"许可协议", AgreementCaption(kVersionMajor, kVersionMinor, kVersionRevision));
  EXPECT_EQ(L"关于    QUAV " QUAV_SHOWN_VERSION, AboutCaption(kVersionMajor, kVersionMinor, kVersionRevision));
}

}  // namespace
}  // namespace quav
