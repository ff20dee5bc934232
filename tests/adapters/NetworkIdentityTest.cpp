#include "adapters/NetworkIdentity.h"

#include <gtest/gtest.h>

#include "adapters/RandomAddressState.h"

namespace quav {
namespace {

TEST(NetworkIdentity, SsidsReadAsUtf8ElseInHexadecimal) {
  EXPECT_EQ(L"Home", SsidText("Home"));
  EXPECT_EQ(L"咖啡", SsidText("\xE5\x92\x96\xE5\x95\xA1"));
  EXPECT_EQ(L"a?b", SsidText(std::string_view("a\0b", 3)));
  EXPECT_EQ(L"C0AF", SsidText("\xC0\xAF")) << "an overlong form is no UTF-8";
  EXPECT_EQ(L"FF00", SsidText(std::string_view("\xFF\0", 2)));
}

// The same bytes from two sources, or one Wi-Fi name with another
// authentication, are other networks.
TEST(NetworkIdentity, EachSourceAndAuthenticationIsAnotherNetwork) {
  const NetworkIdentity open = WiFiIdentity("Cafe", 1, L"Cafe");
  EXPECT_EQ(NetworkIdentityStatus::Known, open.status);
  EXPECT_EQ(L"Cafe", open.name);
  EXPECT_NE(open.identity, WiFiIdentity("Cafe", 7, L"Cafe").identity);
  const std::array<uint8_t, 6> gateway{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
  std::array<uint8_t, 16> id{};
  std::copy(gateway.begin(), gateway.end(), id.begin());
  EXPECT_EQ(L"00-11-22-33-44-55", GatewayIdentity(gateway).name);
  EXPECT_NE(GatewayIdentity(gateway).identity, NetworkListIdentity(id, L"Network").identity);
  EXPECT_NE(WiFiIdentity(std::string(gateway.begin(), gateway.end()), 0, L"").identity.substr(0, 4),
            GatewayIdentity(gateway).identity.substr(0, 4));
}

TEST(NetworkIdentity, TurningOnWindowsRandomAddressesEditsOnlyTheProfilesElement) {
  const std::wstring on =
      L"<MacRandomization xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v3\"><enableRandomization>true"
      L"</enableRandomization><randomizeEveryday>false</randomizeEveryday></MacRandomization>";
  EXPECT_EQ(L"<WLANProfile><name>Home</name>" + on + L"</WLANProfile>",
            ProfileWithRandomAddress(L"<WLANProfile><name>Home</name></WLANProfile>", false));
  const std::optional<std::wstring> daily = ProfileWithRandomAddress(
      L"<WLANProfile><MacRandomization><enableRandomization>false</enableRandomization></MacRandomization>"
      L"<x/></WLANProfile>",
      true);
  ASSERT_TRUE(daily);
  EXPECT_EQ(R"(<WLANProfile><MacRandomization xmlns="http://www.microsoft.com/networking/WLAN/profile/v3">)"
            R"(<enableRandomization>true</enableRandomization><randomizeEveryday>true</randomizeEveryday>)"
            R"(</MacRandomization><x/></WLANProfile>)",
            std::string(daily->begin(), daily->end()));
  EXPECT_FALSE(ProfileWithRandomAddress(L"<html/>", false));
  EXPECT_FALSE(ProfileWithRandomAddress(L"<WLANProfile><MacRandomization></WLANProfile>", false));
}

}  // namespace
}  // namespace quav
