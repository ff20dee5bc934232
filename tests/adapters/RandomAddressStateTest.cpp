#include "adapters/RandomAddressState.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

using R = WindowsRandomAddress;

TEST(RandomAddressState, TheNetworksSettingWinsAndNothingKnownIsNeverOff) {
  const struct {
    std::string_view state;  // RandomMacState's bytes; empty for none
    std::optional<R> profile;
    R expected;
  } cases[] = {
      {std::string_view("\x01\0\0\0\0\0\0\0", 8), std::nullopt, R::On},
      {std::string_view("\0\0\0\0", 4), std::nullopt, R::Off},
      {std::string_view("\x02\0\0\0", 4), std::nullopt, R::Unknown},
      {std::string_view("\x01\x01\0\0", 4), std::nullopt, R::Unknown},
      {std::string_view("\x01\0\0", 3), std::nullopt, R::Unknown},
      {{}, std::nullopt, R::Unknown},
      {std::string_view("\x01\0\0\0", 4), R::Off, R::Off},
      {std::string_view("\0\0\0\0", 4), R::On, R::On},
      {{}, R::Daily, R::Daily},
  };
  for (const auto& c : cases) {
    const std::optional<bool> interfaceSetting = c.state.empty() ? std::nullopt : InterfaceRandomSetting(c.state);
    EXPECT_EQ(c.expected, DecideRandomAddress(interfaceSetting, c.profile)) << c.state.size();
  }
  EXPECT_EQ(L"on", RandomAddressKeyword(R::On));
  EXPECT_EQ(L"daily", RandomAddressKeyword(R::Daily));
  EXPECT_EQ(L"off", RandomAddressKeyword(R::Off));
  EXPECT_TRUE(RandomAddressKeyword(R::Unknown).empty());
  EXPECT_TRUE(IsWindowsRandomOn(R::On));
  EXPECT_TRUE(IsWindowsRandomOn(R::Daily));
  EXPECT_FALSE(IsWindowsRandomOn(R::Off));
  EXPECT_FALSE(IsWindowsRandomOn(R::Unknown));
}

}  // namespace
}  // namespace quav
