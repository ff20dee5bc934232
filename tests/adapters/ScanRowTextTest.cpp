#include "adapters/ScanRowText.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

TEST(ScanRowText, IndexIsPaddedToFourDigitsOnly) {
  EXPECT_EQ(L"0007", PaddedAdapterIndex(L"7"));
  EXPECT_EQ(L"0012", PaddedAdapterIndex(L"12"));
  EXPECT_EQ(L"0123", PaddedAdapterIndex(L"123"));
  EXPECT_EQ(L"1234", PaddedAdapterIndex(L"1234"));
  EXPECT_EQ(L"12345", PaddedAdapterIndex(L"12345"));
  EXPECT_EQ(L"", PaddedAdapterIndex(L""));
}

TEST(ScanRowText, MacAddressColonsBecomeDashes) {
  EXPECT_EQ(L"00-50-56-C0-00-08", DisplayMacAddress(L"00:50:56:C0:00:08"));
  EXPECT_EQ(L"00-50-56-c0-00-08", DisplayMacAddress(L"00-50-56-c0-00-08")) << "nothing else changes";
  EXPECT_EQ(L"", DisplayMacAddress(L""));
}

TEST(ScanRowText, AddressColumnKeepsOnlyTextsWithADot) {
  EXPECT_EQ(L"192.168.0.5", AddressColumnText(L"192.168.0.5"));
  EXPECT_EQ(L"", AddressColumnText(L"fe80::250:56ff:fec0:8"));
  EXPECT_EQ(L"", AddressColumnText(L""));
}

}  // namespace
}  // namespace quav
