#include "ui/WindowTitle.h"

#include <gtest/gtest.h>

#include "platform/TextRules.h"
#include "ui/main/StartupRules.h"

namespace quav {
namespace {

TEST(WindowTitle, RevisionShowsOnlyAboveZero) {
  EXPECT_EQ(L"QUAV 1.2", VersionedTitle(1, 2, 0));
  EXPECT_EQ(L"QUAV 1.2.3", VersionedTitle(1, 2, 3));
}

// QUAV_SHOWN_VERSION comes from the project version, worked out by the build.
TEST(WindowTitle, FollowsTheProjectVersion) { EXPECT_EQ(L"QUAV " QUAV_SHOWN_VERSION, WindowTitle()); }

TEST(WindowTitle, MarkersSayWhereTheRowsCameFrom) {
  EXPECT_EQ(L"  [  无数据  ]", ScanMarker(0));
  EXPECT_EQ(L"  [WBEM  开]", ScanMarker(1));
  EXPECT_EQ(L"  [WBEM   关]", ScanMarker(2));
  EXPECT_EQ(std::wstring(L"  [正在载入......]"), kLoadingMarker);
}

TEST(StartupRules, OnlyTheTextOneCountsAsSet) {
  EXPECT_TRUE(ReadsAsSet(L"1"));
  for (const wchar_t* text : {L"", L"0", L"yes", L"2", L" 1", L"1 ", L"true"}) EXPECT_FALSE(ReadsAsSet(text)) << text;
}

TEST(StartupRules, RightsMessageKeepsItsRunsOfBlanks) {
  const std::wstring expected = L"QUAV 发现没有足够的登录权限。" + std::wstring(48, L' ') + L"QUAV 要求当前用户有" +
                                std::wstring(29, L' ') + L"完全控制权限。" + std::wstring(34, L' ');
  EXPECT_EQ(expected, RightsMessageText());
  EXPECT_EQ(16u + 48 + 13 + 29 + 7 + 34, RightsMessageText().size());
}

}  // namespace
}  // namespace quav
