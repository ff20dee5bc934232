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

TEST(ScanRowText, YesNoColumnsCompareByMeaning) {
  struct Row {
    int column;
    const wchar_t* a;
    const wchar_t* b;
    std::optional<int> sign;
  };
  for (const Row& row : {Row{1, L"是", L"否", 1}, Row{1, L"否", L"是", -1}, Row{2, L"是", L"否", 1},
                         Row{2, L"否", L"否", 0}, Row{2, L"是", L"是", 0},
                         // Other columns and other texts are the locale's to compare.
                         Row{0, L"是", L"否", std::nullopt}, Row{3, L"是", L"否", std::nullopt},
                         Row{2, L"是", L"", std::nullopt}, Row{1, L"Yes", L"否", std::nullopt}}) {
    const std::optional<int> result = CompareByMeaning(row.column, row.a, row.b);
    ASSERT_EQ(row.sign.has_value(), result.has_value()) << row.column << " " << row.a << " " << row.b;
    if (result) {
      EXPECT_EQ(*row.sign, (*result > 0) - (*result < 0)) << row.column << " " << row.a;
    }
  }
}

}  // namespace
}  // namespace quav
