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
  EXPECT_EQ(L"连接名称：无\r\n出厂地址：正在读取（等待驱动程序回答）\r\n活动地址：未知\r\n类型：有线",
            AdapterTipText({L"", std::nullopt, L"", false, WindowsRandomAddress::Unknown, true}));
  // Windows' own random addresses: said for wireless adapters, where a source says.
  const std::wstring wired = AdapterTipText({L"WLAN", L"00-0C-29-3A-4B-5C", L"02-00-4C-4F-4F-50", false});
  const struct {
    bool wireless;
    WindowsRandomAddress state;
    std::wstring text;
  } rows[] = {
      {true, WindowsRandomAddress::On, known + L"\r\nWindows 随机硬件地址：开"},
      {true, WindowsRandomAddress::Daily, known + L"\r\nWindows 随机硬件地址：每天更改"},
      {true, WindowsRandomAddress::Off, known + L"\r\nWindows 随机硬件地址：关"},
      {true, WindowsRandomAddress::Unknown, known},
      {false, WindowsRandomAddress::On, wired},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.text, AdapterTipText({L"WLAN", L"00-0C-29-3A-4B-5C", L"02-00-4C-4F-4F-50", row.wireless, row.state}))
        << static_cast<int>(row.state);
  }
}

// On a per-network schedule: the network and its address, Windows' own, or why neither.
TEST(AdapterTip, SaysTheNetworkAndTheAddressItGets) {
  AdapterTipFacts facts{L"", std::nullopt, L"", false};
  const std::wstring wired = AdapterTipText(facts);
  facts.perNetwork = NetworkAddressNow{NetworkAddressStatus::Derived, WiFiIdentity("Home", 7, L"Home"),
                                       MacBytes{0x06, 0x12, 0x34, 0x56, 0x78, 0x9A}, L""};
  EXPECT_EQ(wired + L"\r\n网络：Home\r\n此网络的地址：06-12-34-56-78-9A", AdapterTipText(facts));
  facts.perNetwork->status = NetworkAddressStatus::WindowsOwn;
  EXPECT_EQ(wired + L"\r\n网络：Home\r\n此网络的地址：Windows 自己的随机硬件地址", AdapterTipText(facts));
  facts.perNetwork->status = NetworkAddressStatus::LocationDenied;
  facts.perNetwork->network.status = NetworkIdentityStatus::LocationDenied;
  EXPECT_EQ(wired + L"\r\n网络：不可见：Windows 只向获准使用位置信息的应用提供 Wi-Fi 名称", AdapterTipText(facts));
}

}  // namespace
}  // namespace quav
