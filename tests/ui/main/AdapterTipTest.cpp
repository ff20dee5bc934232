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

}  // namespace
}  // namespace quav
