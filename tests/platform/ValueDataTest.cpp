#include "platform/ValueData.h"

#include <gtest/gtest.h>

namespace quav::value_data {
namespace {

TEST(ValueData, TypesAndTheirRules) {
  EXPECT_EQ(Kind::Text, KindOf(kNone));
  EXPECT_EQ(Kind::Text, KindOf(kSz));
  EXPECT_EQ(Kind::Text, KindOf(kExpandSz));
  EXPECT_EQ(Kind::Text, KindOf(kMultiSz));
  EXPECT_EQ(Kind::Binary, KindOf(kBinary));
  EXPECT_EQ(Kind::Dword, KindOf(kDword));
  for (uint32_t other : {5u, 6u, 8u, 9u, 10u, 11u, 0xFFFFu}) EXPECT_EQ(Kind::Unhandled, KindOf(other)) << other;
}

TEST(ValueData, DwordTextAndNumbers) {
  EXPECT_EQ(L"5", DwordText(5));
  EXPECT_EQ(L"-1", DwordText(0xFFFFFFFFu));
  EXPECT_EQ(5u, DwordFromText(L"5"));
  EXPECT_EQ(0xFFFFFFFFu, DwordFromText(L"-1"));
  EXPECT_EQ(0xFFFFFFFFu, DwordFromText(L"4294967295"));
  EXPECT_EQ(0x80000000u, DwordFromText(L"-2147483648"));
  EXPECT_FALSE(DwordFromText(L"4294967296"));
  EXPECT_FALSE(DwordFromText(L"-2147483649"));
  EXPECT_FALSE(DwordFromText(L""));
  EXPECT_FALSE(DwordFromText(L"12ab"));
  EXPECT_FALSE(DwordFromText(L"-"));
}

TEST(ValueData, StoredBytesPerType) {
  using std::string;
  EXPECT_EQ("ab", BytesToStore(kSz, "ab"));
  EXPECT_EQ("ab", BytesToStore(kNone, "ab"));
  EXPECT_EQ("ab", BytesToStore(kBinary, "ab"));
  EXPECT_EQ(string("ab\0", 3), BytesToStore(kExpandSz, "ab"));
  EXPECT_EQ(string("\0\0", 2), BytesToStore(kMultiSz, ""));
  EXPECT_EQ(string("a\0\0", 3), BytesToStore(kMultiSz, "a"));
  EXPECT_EQ(string("a\0\0", 3), BytesToStore(kMultiSz, string("a\0", 2)));
  EXPECT_EQ(string("a\0\0", 3), BytesToStore(kMultiSz, string("a\0\0", 3)));
  EXPECT_EQ(string("a\0b\0\0", 5), BytesToStore(kMultiSz, string("a\0b", 3)));
}

TEST(ValueData, TrailingZerosGoInnerZerosStay) {
  EXPECT_EQ("abc", TrimTrailingZeros(std::string("abc\0\0", 5)));
  EXPECT_EQ(std::string("a\0b", 3), TrimTrailingZeros(std::string("a\0b\0\0", 5)));
  EXPECT_EQ("", TrimTrailingZeros(std::string("\0\0", 2)));
}

}  // namespace
}  // namespace quav::value_data
