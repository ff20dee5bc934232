#include "change/NewAddressRules.h"
#include "platform/Texts.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

using W = AddressWarning;

MacBytes FirstByte(uint8_t first) { return {first, 0x11, 0x22, 0x33, 0x44, 0x55}; }

TEST(NewAddressRules, ParsesBareAndSeparatedDigitsOnly) {
  const MacBytes expected{0x02, 0xAB, 0x03, 0xCD, 0x04, 0xEF};
  for (const wchar_t* text : {L"02AB03CD04EF", L"02ab03cd04ef", L"02-AB-03-CD-04-EF", L"02:ab:03:CD:04:ef"}) {
    const auto parsed = ParseMacArgument(text);
    ASSERT_TRUE(parsed) << text;
    EXPECT_EQ(expected, *parsed) << text;
  }
  for (const wchar_t* text : {L"", L"02AB03CD04E", L"02AB03CD04EF0", L"02-AB:03-CD-04-EF", L"02 AB 03 CD 04 EF",
                              L"02-AB-03-CD-04-EG", L"02AB03CD04E-", L"-02AB-03CD-04EF-0", L"02.AB.03.CD.04.EF",
                              L"02AB03CD04\uFF10F"}) {
    EXPECT_FALSE(ParseMacArgument(text)) << text;
  }
  EXPECT_EQ(L"02AB03CD04EF", MacDigits(expected));
  EXPECT_EQ(L"02-AB-03-CD-04-EF", MacDisplay(expected));
}

// Every combination of the first byte's two low bits, wired and wireless.
TEST(NewAddressRules, WarningsFollowTheFirstBytesBits) {
  struct Case {
    uint8_t first;
    bool wireless;
    std::vector<W> expected;
  };
  const Case cases[] = {
      {0x00, false, {}},            {0x00, true, {W::NotLocal}},
      {0x02, false, {}},            {0x02, true, {}},
      {0x01, false, {W::Group}},    {0x01, true, {W::Group, W::NotLocal}},
      {0x03, false, {W::Group}},    {0x03, true, {W::Group}},
      {0xFE, false, {}},            {0xFE, true, {}},
      {0xFC, true, {W::NotLocal}},  {0xA7, false, {W::Group}},
      {0x5E, true, {}},             {0x0C, true, {W::NotLocal}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, WarningsFor(FirstByte(c.first), c.wireless))
        << "first byte " << int(c.first) << (c.wireless ? " wireless" : " wired");
  }
}

TEST(NewAddressRules, AllZeroAndBroadcastAreNamedAsSuch) {
  const MacBytes zero{};
  const MacBytes broadcast{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::vector<W>{W::AllZero}, WarningsFor(zero, false));
  EXPECT_EQ((std::vector<W>{W::AllZero, W::NotLocal}), WarningsFor(zero, true));
  EXPECT_EQ(std::vector<W>{W::Broadcast}, WarningsFor(broadcast, false));
  EXPECT_EQ(std::vector<W>{W::Broadcast}, WarningsFor(broadcast, true)) << "its local bit is set";
  EXPECT_TRUE(WarningsFor({0x00, 0, 0, 0, 0, 1}, false).empty());
  EXPECT_EQ(std::vector<W>{W::Group}, WarningsFor({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE}, false));
}

TEST(NewAddressRules, TheMessageNamesTheAddressTheAdapterAndEachReason) {
  const MacBytes address{0x01, 0x00, 0x5E, 0x00, 0x00, 0x01};
  const std::wstring text = WarningMessage({W::Group, W::NotLocal}, address, L"0007", L"Wi-Fi card");
  EXPECT_NE(std::wstring::npos, text.find(L"01-00-5E-00-00-01"));
  EXPECT_NE(std::wstring::npos, text.find(L"0007"));
  EXPECT_NE(std::wstring::npos, text.find(L"组播"));
  EXPECT_NE(std::wstring::npos, text.find(L"无线"));
  EXPECT_EQ(std::wstring::npos, text.find(L"广播地址")) << text;
  EXPECT_EQ(L"？", text.substr(text.size() - 1));
  // Windows' own random addresses: a warning of its own, naming where to turn them off.
  EXPECT_EQ(std::vector<W>{W::WindowsRandom}, WarningsFor(FirstByte(0x02), true, true));
  const std::wstring random = WarningMessage({W::WindowsRandom}, FirstByte(0x02), L"0007", L"Wi-Fi card");
  EXPECT_NE(std::wstring::npos, random.find(L"设置 → 网络和 Internet → WLAN → 随机硬件地址")) << random;
  EXPECT_EQ(std::wstring::npos, text.find(L"Wi-Fi card")) << "the Chinese texts name the ID alone";
  SetLanguage(Language::English);
  EXPECT_EQ(0u, WarningMessage({W::Group}, address, L"0007", L"Wi-Fi card")
                    .find(L"The new MAC address 01-00-5E-00-00-01 may not work on network adapter 0007 (Wi-Fi card):"));
  SetLanguage(Language::Chinese);
}

TEST(NewAddressRules, AnyBytesBecomeALocalIndividualAddress) {
  for (int first = 0; first < 256; ++first) {
    const MacBytes made = LocallyAdministeredUnicast({static_cast<uint8_t>(first), 1, 2, 3, 4, 5});
    EXPECT_FALSE(IsGroupAddress(made));
    EXPECT_TRUE(IsLocallyAdministered(made));
    EXPECT_EQ(first & 0xFC, made[0] & 0xFC) << "the other bits stay";
    EXPECT_EQ((MacBytes{made[0], 1, 2, 3, 4, 5}), made);
    EXPECT_TRUE(WarningsFor(made, true).empty());
  }
}

}  // namespace
}  // namespace quav
