#include "adapters/AddressRules.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quav
