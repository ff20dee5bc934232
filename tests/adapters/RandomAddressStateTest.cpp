#include "adapters/RandomAddressState.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

using R = WindowsRandomAddress;

TEST(RandomAddressState, TheNetworksSettingWinsAndNothingKnownIsNeverOff) {
  const std::wstring daily =
      L"<WLANProfile><MSM><security/></MSM><MacRandomization xmlns=\"http://www.microsoft.com/networking/WLAN/"
      L"profile/v3\"><enableRandomization>true</enableRandomization><randomizeEveryday>true</randomizeEveryday>"
      L"<randomizationSeed>1</randomizationSeed></MacRandomization></WLANProfile>";
  const struct {
    std::string_view state;  // RandomMacState's bytes
    std::optional<std::wstring> profile;
    R expected;
  } cases[] = {
      {std::string_view("\x01\0\0\0\0\0\0\0", 8), std::nullopt, R::On},
      {std::string_view("\0\0\0\0", 4), std::nullopt, R::Off},
      {std::string_view("\x01\0\0", 3), std::nullopt, R::Unknown},
      {{}, std::nullopt, R::Unknown},
      {{}, L"<WLANProfile><name>Home</name></WLANProfile>", R::Unknown},
      {std::string_view("\x01\0\0\0", 4), L"<WLANProfile><name>Home</name></WLANProfile>", R::On},
      {std::string_view("\x01\0\0\0", 4),
       L"<MacRandomization><enableRandomization>false</enableRandomization></MacRandomization>", R::Off},
      {std::string_view("\0\0\0\0", 4),
       L"<MacRandomization>\r\n <enableRandomization> true </enableRandomization>\r\n</MacRandomization>", R::On},
      {{}, daily, R::Daily},
  };
  for (const auto& c : cases) {
    const std::optional<bool> interfaceSetting =
        c.state.empty() ? std::nullopt : InterfaceRandomSetting(c.state);
    EXPECT_EQ(c.expected, DecideRandomAddress(interfaceSetting, c.profile ? ProfileRandomSetting(*c.profile)
                                                                          : std::nullopt))
        << c.profile.value_or(L"");
  }
  EXPECT_EQ(L"daily", RandomAddressKeyword(R::Daily));
  EXPECT_TRUE(RandomAddressKeyword(R::Unknown).empty());
}

}  // namespace
}  // namespace quav
