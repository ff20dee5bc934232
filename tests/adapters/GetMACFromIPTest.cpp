#include "adapters/GetMACFromIP.h"

#include <gtest/gtest.h>

#include "adapters/FakeLookup.h"
#include "support/RegistryFixture.h"

namespace quav {
namespace {

TEST(GetMACFromIP, FormatsTheAnsweredBytes) {
  test::FakeLookup lookup;
  lookup.Answer("10.0.0.12", {0x00, 0x0C, 0x29, 0x0A, 0x0B, 0xFF});
  std::wstring result;
  EXPECT_TRUE(GetMACFromIP(L"10.0.0.12", result, lookup));
  EXPECT_EQ(L"00-0C-29-0A-0B-FF", result);
}

TEST(GetMACFromIP, FailuresLeaveTheResultAsItWas) {
  test::FakeLookup lookup;
  lookup.Answer("10.0.0.13", {0, 0, 0, 0, 0x12, 0x34});  // first four bytes zero
  lookup.Answer("10.0.0.14", {});                        // nothing returned
  for (const wchar_t* address : {L"0.0.0.0", L"10.0.0.99", L"10.0.0.13", L"10.0.0.14"}) {
    std::wstring result = L"kept";
    EXPECT_FALSE(GetMACFromIP(address, result, lookup)) << address;
    EXPECT_EQ(L"kept", result) << address;
  }
  EXPECT_EQ(3u, lookup.asked.size()) << "0.0.0.0 is not looked up";
}

TEST(GetMACFromIP, MachinesOwnAddressResolvesFromItsInterfaceTable) {
  const auto own = test::FirstOwnInterface();
  // A host fact the test needs: its absence fails, as a skip would pass unseen.
  ASSERT_TRUE(own) << "this machine has no IPv4 interface with a 6-byte hardware address";
  SystemHardwareAddressLookup lookup;
  std::wstring result;
  EXPECT_TRUE(GetMACFromIP(own->address, result, lookup));
  EXPECT_EQ(own->hardwareAddress, result);
}

TEST(GetMACFromIP, OtherAddressesFailWithoutAnswer) {
  SystemHardwareAddressLookup lookup;
  std::wstring result = L"kept";
  EXPECT_FALSE(GetMACFromIP(L"127.0.0.2", result, lookup));
  EXPECT_EQ(L"kept", result);
}

}  // namespace
}  // namespace quav
