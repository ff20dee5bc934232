#include "schedule/NetworkAddress.h"

#include <gtest/gtest.h>

#include <set>

#include "change/NewAddressRules.h"

namespace quav {
namespace {

constexpr NetworkKey kKey{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                          17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
const std::wstring kAdapter = L"{4D36E972-E325-11CE-BFC1-08002BE10318}";

MacBytes Derived(const NetworkAddressInput& input, const NetworkKey& key = kKey) {
  const std::optional<MacBytes> address = DeriveNetworkAddress(HmacSha256, key, input);
  EXPECT_TRUE(address.has_value());
  return address.value_or(MacBytes{});
}

TEST(NetworkAddress, SameNetworkSameAddressOtherNetworkAnother) {
  const NetworkAddressInput home{kAdapter, "wifi:Home", std::nullopt, std::nullopt};
  const MacBytes address = Derived(home);
  // The adapter's ID in another case is the same adapter.
  EXPECT_EQ(address, Derived({L"{4d36e972-e325-11ce-bfc1-08002be10318}", "wifi:Home", std::nullopt, std::nullopt}));
  EXPECT_NE(address, Derived({kAdapter, "wifi:Work", std::nullopt, std::nullopt}));
  EXPECT_NE(address, Derived({L"{00000000-E325-11CE-BFC1-08002BE10318}", "wifi:Home", std::nullopt, std::nullopt}));
  NetworkKey other = kKey;
  other[31] ^= 1;
  EXPECT_NE(address, Derived(home, other));
  // Where one field ends and the next begins is part of the message.
  EXPECT_NE(NetworkAddressMessage({L"{A}", "B", std::nullopt, std::nullopt}),
            NetworkAddressMessage({L"{A}B", "", std::nullopt, std::nullopt}));
}

TEST(NetworkAddress, DailyAddressesChangeEachDay) {
  const uint32_t today = DayNumber(13'400'000'000ull);
  EXPECT_EQ(today, DayNumber(13'400'000'000ull / 86400 * 86400 + 86399));
  EXPECT_EQ(today + 1, DayNumber(13'400'000'000ull / 86400 * 86400 + 86400));
  const MacBytes daily = Derived({kAdapter, "wifi:Home", today, std::nullopt});
  EXPECT_EQ(daily, Derived({kAdapter, "wifi:Home", today, std::nullopt}));
  EXPECT_NE(daily, Derived({kAdapter, "wifi:Home", today + 1, std::nullopt}));
  EXPECT_NE(daily, Derived({kAdapter, "wifi:Home", std::nullopt, std::nullopt}));
}

TEST(NetworkAddress, EveryAddressIsLocalAndIndividualOrKeepsTheMaker) {
  std::set<MacBytes> seen;
  for (uint32_t day = 0; day < 64; ++day) {
    const MacBytes address = Derived({kAdapter, "lan", day, std::nullopt});
    EXPECT_TRUE(WarningsFor(address, true).empty()) << MacDisplay(address);
    seen.insert(address);
    const MacBytes maker = Derived({kAdapter, "lan", day, 0x001B21});
    EXPECT_EQ(L"00-1B-21", MacDisplay(maker).substr(0, 8));
    EXPECT_TRUE(WarningsFor(maker, false).empty()) << MacDisplay(maker);
  }
  EXPECT_EQ(64u, seen.size());
  // A prefix that would make a group or a local address is not kept.
  for (const uint32_t prefix : {0x011B21u, 0x021B21u}) {
    EXPECT_FALSE(DeriveNetworkAddress(HmacSha256, kKey, {kAdapter, "lan", std::nullopt, prefix})) << prefix;
  }
}

}  // namespace
}  // namespace quav
