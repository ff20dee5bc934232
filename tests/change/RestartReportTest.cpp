#include "change/RestartReport.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

constexpr wchar_t kName[] = L"Intel(R) PRO/1000 MT";

RestartReport Restarted(AddressCheck check, const wchar_t* expected, const wchar_t* active) {
  return RestartReport{{RestartStatus::Restarted, 0}, check, expected, active};
}

TEST(RestartReport, AddressesCompareWithoutCaseOrSeparators) {
  EXPECT_EQ(AddressCheck::UsesNew, CheckAddresses(L"02-AB-03-CD-04-EF", L"02:ab:03:cd:04:ef"));
  EXPECT_EQ(AddressCheck::Ignored, CheckAddresses(L"02-AB-03-CD-04-EF", L"00-0C-29-3A-4B-5C"));
  EXPECT_EQ(AddressCheck::Ignored, CheckAddresses(L"XYZ", L"00-0C-29-3A-4B-5C")) << "a stored value no driver reads";
  EXPECT_EQ(AddressCheck::UsesOwn, CheckAddresses(L"", L"00-0C-29-3A-4B-5C"));
  EXPECT_EQ(AddressCheck::Unknown, CheckAddresses(L"02-AB-03-CD-04-EF", L""));
  EXPECT_EQ(AddressCheck::Unknown, CheckAddresses(L"", L""));
}

TEST(RestartReport, EachOutcomeIsOneSentenceNamingTheAdapter) {
  const RestartReport cases[] = {
      {{RestartStatus::NoDevice, 1168}, AddressCheck::Unknown, L"", L""},
      {{RestartStatus::AccessDenied, 5}, AddressCheck::Unknown, L"", L""},
      {{RestartStatus::Failed, 31}, AddressCheck::Unknown, L"", L""},
      {{RestartStatus::Failed, 3010}, AddressCheck::Unknown, L"", L""},
      {{RestartStatus::LeftDisabled, 31}, AddressCheck::Unknown, L"", L""},
      {{RestartStatus::WrongArchitecture, 0xE0000235}, AddressCheck::Unknown, L"", L""},
      Restarted(AddressCheck::UsesNew, L"02-AB-03-CD-04-EF", L"02-AB-03-CD-04-EF"),
      Restarted(AddressCheck::Ignored, L"02-AB-03-CD-04-EF", L"00-0C-29-3A-4B-5C"),
      Restarted(AddressCheck::UsesOwn, L"", L"00-0C-29-3A-4B-5C"),
      Restarted(AddressCheck::Unknown, L"02-AB-03-CD-04-EF", L""),
      // The burned-in address, as the driver tells it, is named as such.
      {{RestartStatus::Restarted, 0}, AddressCheck::UsesOwn, L"", L"00-0C-29-3A-4B-5C", L"00:0c:29:3a:4b:5c"},
      {{RestartStatus::Restarted, 0}, AddressCheck::Ignored, L"02-AB-03-CD-04-EF", L"00-0C-29-3A-4B-5C",
       L"00-0C-29-3A-4B-5C"},
  };
  std::vector<std::wstring> seen;
  for (const RestartReport& report : cases) {
    const std::wstring text = RestartMessage(report, L"0007", kName);
    EXPECT_NE(std::wstring::npos, text.find(L"网络适配器 0007")) << text;
    EXPECT_EQ(std::wstring::npos, text.find(kName)) << "the Chinese texts name the ID alone: " << text;
    EXPECT_EQ(L'。', text.back()) << text;
    EXPECT_EQ(text.find(L'。'), text.size() - 1) << "one sentence: " << text;
    for (const std::wstring& other : seen) EXPECT_NE(other, text);
    seen.push_back(text);
  }
  EXPECT_NE(std::wstring::npos, RestartMessage(cases[2], L"0007", kName).find(L"31"));
  // Left disabled: said plainly, with the ways to enable it again.
  const std::wstring disabled = RestartMessage(cases[4], L"0007", kName);
  EXPECT_EQ(0u, disabled.find(L"无法重启网络适配器 0007")) << disabled;
  for (const wchar_t* part : {L"禁用", L"31", L"网络连接", L"重启适配器", L"quav.exe /restart 0007"})
    EXPECT_NE(std::wstring::npos, disabled.find(part)) << part;
  // The 32-bit program on 64-bit Windows is told which program to use, not a code.
  const std::wstring wow64 = RestartMessage(cases[5], L"0007", kName);
  EXPECT_EQ(0u, wow64.find(L"无法重启网络适配器 0007")) << wow64;
  EXPECT_NE(std::wstring::npos, wow64.find(L"64 位的 quav.exe"));
  EXPECT_EQ(std::wstring::npos, wow64.find(L"错误代码"));
  for (const size_t own : {8u, 10u, 11u}) {
    const std::wstring text = RestartMessage(cases[own], L"0007", kName);
    EXPECT_EQ(own != 8, text.find(L"出厂地址 00-0C-29-3A-4B-5C") != std::wstring::npos) << text;
  }
  const std::wstring ignored = RestartMessage(cases[7], L"0007", kName);
  EXPECT_NE(std::wstring::npos, ignored.find(L"02-AB-03-CD-04-EF"));
  EXPECT_NE(std::wstring::npos, ignored.find(L"00-0C-29-3A-4B-5C"));
  // Windows' own random addresses on: the likely reason follows, only where the address was ignored.
  RestartReport random = cases[7];
  random.windowsRandom = true;
  EXPECT_EQ(ignored + L"可能的原因：Windows 的“随机硬件地址”已打开，可在 设置 → 网络和 Internet → WLAN → 随机硬件地址 中关闭。",
            RestartMessage(random, L"0007", kName));
  RestartReport used = cases[6];
  used.windowsRandom = true;
  EXPECT_EQ(RestartMessage(cases[6], L"0007", kName), RestartMessage(used, L"0007", kName));

  // In English the adapter is named beside its ID; no device says where to turn.
  SetLanguage(Language::English);
  for (const RestartReport& report : cases) {
    const std::wstring text = RestartMessage(report, L"0007", kName);
    EXPECT_NE(std::wstring::npos, text.find(L"etwork adapter 0007 (Intel(R) PRO/1000 MT)")) << text;
  }
  const std::wstring noDevice = RestartMessage(cases[0], L"0007", kName);
  EXPECT_NE(std::wstring::npos, noDevice.find(L"Network Connections")) << noDevice;
  EXPECT_NE(std::wstring::npos, noDevice.find(L"restart the computer")) << noDevice;
  EXPECT_NE(std::wstring::npos, RestartMessage(cases[4], L"0007", kName).find(L"quav.exe /restart 0007)"));
  EXPECT_NE(std::wstring::npos, RestartMessage(cases[6], L"0007", L"").find(L"adapter 0007 restarted"))
      << "no name, no brackets";
  SetLanguage(Language::Chinese);
}

TEST(RestartReport, TheLogLineRecordsWhatTheAdapterUses) {
  const LogLineFields fields{L"2026-12-08 10:30:00", L"HOST", L"0007", L"alice"};
  EXPECT_EQ(L"2026-12-08 10:30:00 [HOST]   设备   [0007]         重启后使用的 MAC 地址 [02-AB-03-CD-04-EF]  结果 "
            L"[伪装的 MAC 地址已生效]   操作用户  [alice]",
            AddressCheckLine(fields, Restarted(AddressCheck::UsesNew, L"02-AB-03-CD-04-EF", L"02-AB-03-CD-04-EF")));
  EXPECT_NE(std::wstring::npos,
            AddressCheckLine(fields, Restarted(AddressCheck::Ignored, L"02-AB-03-CD-04-EF", L"00-0C-29-3A-4B-5C"))
                .find(L"[00-0C-29-3A-4B-5C]  结果 [驱动程序忽略了伪装的 MAC 地址]"));
  EXPECT_NE(std::wstring::npos,
            AddressCheckLine(fields, Restarted(AddressCheck::Unknown, L"", L"")).find(L"[]  结果 [无法读取]"));
  EXPECT_EQ(L"2026-12-08 10:30:00 [HOST]   设备   [0007]         重启后使用的 MAC 地址 []  结果 "
            L"[适配器已禁用，无法重新启用 (错误 31)]   操作用户  [alice]",
            AddressCheckLine(fields, {{RestartStatus::LeftDisabled, 31}, AddressCheck::Unknown, L"", L""}));
  const LogLineFields hostile{L"t", L"A\r\nB", L"00\n07", L"u"};
  EXPECT_EQ(std::wstring::npos,
            AddressCheckLine(hostile, Restarted(AddressCheck::UsesOwn, L"", L"00-0C-29-3A-4B-5C")).find_first_of(L"\r\n"));
}

}  // namespace
}  // namespace quav
