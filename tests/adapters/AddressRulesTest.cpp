#include "adapters/AddressRules.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "adapters/GrowingBuffer.h"

namespace quav {
namespace {

TEST(AddressRules, AddressTestNeedsALeadingNumberAndMoreThanEightCharacters) {
  EXPECT_TRUE(PassesAddressTest(L"10.0.0.12"));
  EXPECT_TRUE(PassesAddressTest(L"192.168.0.5"));
  EXPECT_FALSE(PassesAddressTest(L"10.0.0.1")) << "exactly eight characters";
  EXPECT_FALSE(PassesAddressTest(L"0.0.0.0"));
  EXPECT_FALSE(PassesAddressTest(L"000.000.000.000")) << "long, but starts with 0";
  EXPECT_FALSE(PassesAddressTest(L""));
  EXPECT_FALSE(PassesAddressTest(L"fe80::1234:5678")) << "no leading decimal number";
}

TEST(AddressRules, HardwareAddressTextPadsEachByte) {
  const uint8_t bytes[] = {0x00, 0x0C, 0x29, 0x0A, 0x0B, 0xFF};
  EXPECT_EQ(L"00-0C-29-0A-0B-FF", HardwareAddressText(bytes, 6));
  EXPECT_EQ(L"00-0C", HardwareAddressText(bytes, 2));
  EXPECT_EQ(L"", HardwareAddressText(bytes, 0));
}

TEST(AddressRules, KeysFoldLetterCase) {
  EXPECT_EQ(FoldedKey(L"properties"), FoldedKey(L"Properties"));
  EXPECT_NE(FoldedKey(L"0001"), FoldedKey(L"0010"));
}

TEST(AddressRules, AnInstanceIdIsAGuidInBracesAndNothingElse) {
  EXPECT_TRUE(IsInstanceGuid(L"{4D36E972-E325-11CE-BFC1-08002BE10318}"));
  EXPECT_TRUE(IsInstanceGuid(L"{4d36e972-e325-11ce-bfc1-08002be10318}"));
  EXPECT_EQ((std::array<uint8_t, 16>{0x4D, 0x36, 0xE9, 0x72, 0xE3, 0x25, 0x11, 0xCE, 0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1,
                                     0x03, 0x18}),
            InstanceGuidBytes(L"{4d36E972-E325-11ce-BFC1-08002BE10318}"));
  for (const wchar_t* text : {L"", L"{x}\\..\\pipe\\p", L"4D36E972-E325-11CE-BFC1-08002BE10318",
                              L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\..\\pipe\\p",
                              L"{4D36E972-E325-11CE-BFC1-08002BE1031G}", L"{4D36E972-E325-11CE-BFC1+08002BE10318}",
                              L"{4D36E972-E325-11CE-BFC1-08002BE10318"}) {
    EXPECT_FALSE(IsInstanceGuid(text)) << text;
  }
}

// The interface table is sized, then filled; an adapter added in between
// makes the fill ask for more, and the table is read again.
TEST(AddressRules, TheInterfaceTableIsReadAgainWhileItGrows) {
  std::vector<std::pair<unsigned long, unsigned long>> answers{{111, 100}, {111, 200}, {0, 200}};
  size_t call = 0;
  const auto grows = [&](unsigned char*, unsigned long& size) {
    const auto [result, needed] = answers[call++];
    size = needed;
    return result;
  };
  const auto table = FillGrowingBuffer(grows);
  ASSERT_TRUE(table);
  EXPECT_EQ(200u, table->size());
  EXPECT_EQ(3u, call);

  const auto failing = [](unsigned char*, unsigned long&) { return 232ul; };
  EXPECT_FALSE(FillGrowingBuffer(failing));
  unsigned long asked = 0;
  const auto endless = [&](unsigned char*, unsigned long& size) { return size = ++asked * 10, 111ul; };
  EXPECT_FALSE(FillGrowingBuffer(endless)) << "gives up";
}

}  // namespace
}  // namespace quav
