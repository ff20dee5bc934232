#include "ui/main/AdapterTip.h"

#include <gtest/gtest.h>

#include "adapters/AddressMaker.h"

namespace quav {
namespace {

TEST(AdapterTip, SaysWhatWindowsCannotTell) {
  const std::wstring known =
      AdapterTipText({L"WLAN", L"00-0C-29-3A-4B-5C", L"02-00-4C-4F-4F-50", true});
  EXPECT_EQ(L"连接名称：WLAN\r\n出厂地址：00-0C-29-3A-4B-5C（" + AddressMaker(L"000C29000000") +
                L"）\r\n活动地址：02-00-4C-4F-4F-50（本地管理的地址）\r\n类型：无线",
            known);
  EXPECT_EQ(L"连接名称：无\r\n出厂地址：无法读取（驱动程序没有回答）\r\n活动地址：未知\r\n类型：有线",
            AdapterTipText({L"", std::nullopt, L"", false}));
  // Windows' own random addresses: said for wireless adapters only.
  EXPECT_EQ(known + L"\r\nWindows 随机硬件地址：每天更改",
            AdapterTipText({L"WLAN", L"00-0C-29-3A-4B-5C", L"02-00-4C-4F-4F-50", true, WindowsRandomAddress::Daily}));
  EXPECT_EQ(L"连接名称：无\r\n出厂地址：无法读取（驱动程序没有回答）\r\n活动地址：未知\r\n类型：有线",
            AdapterTipText({L"", std::nullopt, L"", false, WindowsRandomAddress::On}));
}

// On a per-network schedule: the network and its address, Windows' own, or why neither.
TEST(AdapterTip, SaysTheNetworkAndTheAddressItGets) {
  const std::wstring wired = AdapterTipText({L"", std::nullopt, L"", false});
  NetworkAddressNow now{NetworkAddressStatus::Derived, WiFiIdentity("Home", 7, L"Home"),
                        MacBytes{0x06, 0x12, 0x34, 0x56, 0x78, 0x9A}, L""};
  EXPECT_EQ(wired + L"\r\n网络：Home\r\n此网络的地址：06-12-34-56-78-9A",
            AdapterTipText({L"", std::nullopt, L"", false, std::nullopt, now}));
  now.status = NetworkAddressStatus::WindowsOwn;
  EXPECT_EQ(wired + L"\r\n网络：Home\r\n此网络的地址：Windows 自己的随机硬件地址",
            AdapterTipText({L"", std::nullopt, L"", false, std::nullopt, now}));
  now.status = NetworkAddressStatus::LocationDenied;
  now.network.status = NetworkIdentityStatus::LocationDenied;
  EXPECT_EQ(wired + L"\r\n网络：不可见：Windows 只向获准使用位置信息的应用提供 Wi-Fi 名称",
            AdapterTipText({L"", std::nullopt, L"", false, std::nullopt, now}));
}

}  // namespace
}  // namespace quav
