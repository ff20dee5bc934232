#include "platform/SystemFacts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace quav {
namespace {

TEST(SystemFacts, VersionTextIsMajorMinorBuild) {
  std::wstring version = L"unset";
  GetOSVersion(version);
  EXPECT_TRUE(std::regex_match(std::string(version.begin(), version.end()), std::regex(R"(\d+\.\d+\.\d+)")))
      << std::string(version.begin(), version.end());
}

TEST(SystemFacts, NamesAreTheSystemsWithoutTrailingZeros) {
  wchar_t user[256] = {};
  DWORD userSize = 256;
  ASSERT_TRUE(::GetUserNameW(user, &userSize));
  EXPECT_EQ(std::wstring(user), GetCurrentUserName());
  EXPECT_EQ(std::wstring::npos, GetCurrentUserName().find(L'\0'));

  wchar_t computer[256] = {};
  DWORD computerSize = 256;
  ASSERT_TRUE(::GetComputerNameW(computer, &computerSize));
  EXPECT_EQ(std::wstring(computer), GetCurrentComputerName());
  EXPECT_FALSE(GetCurrentComputerName().empty());
}

}  // namespace
}  // namespace quav
