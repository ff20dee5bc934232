#include "change/RestartReport.h"

#include "adapters/AddressRules.h"

namespace quav {
namespace {

// 3010: the device takes the change only at the next start of Windows.
constexpr unsigned long kRebootRequired = 3010;

}  // namespace

AddressCheck CheckAddresses(std::wstring_view expected, std::wstring_view active) {
  if (active.empty()) return AddressCheck::Unknown;
  if (expected.empty()) return AddressCheck::UsesOwn;
  return SameAddress(expected, active) ? AddressCheck::UsesNew : AddressCheck::Ignored;
}

std::wstring RestartMessage(const RestartReport& report, std::wstring_view adapterIndex) {
  const std::wstring adapter = L"网络适配器 " + std::wstring(adapterIndex);
  switch (report.restart.status) {
    case RestartStatus::NoDevice:
      return L"无法重启" + adapter + L"：系统中没有与它的注册表项对应的设备。";
    case RestartStatus::AccessDenied:
      return L"无法重启" + adapter + L"：拒绝访问，请以管理员身份运行本程序。";
    case RestartStatus::WrongArchitecture:
      return L"无法重启" + adapter +
             L"：这是 32 位的 quav.exe，在 64 位 Windows 上请使用 64 位的 quav.exe 重启网络适配器。";
    case RestartStatus::LeftDisabled:
      return L"无法重启" + adapter + L"：它已被禁用，但两次重新启用都失败了（错误代码 " +
             std::to_wstring(report.restart.error) +
             L"），现在仍处于禁用状态；请在控制面板的“网络连接”中启用它，或再用一次“重启适配器” (quav.exe /restart " +
             std::wstring(adapterIndex) + L")。";
    case RestartStatus::Failed:
      if (report.restart.error == kRebootRequired) return adapter + L" 要在重启计算机后才能使用新的设置。";
      return L"无法重启" + adapter + L"（错误代码 " + std::to_wstring(report.restart.error) + L"）。";
    case RestartStatus::Restarted:
      break;
  }
  const bool usesPermanent = !report.permanent.empty() && SameAddress(report.permanent, report.active);
  switch (report.check) {
    case AddressCheck::UsesNew:
      return adapter + L" 已重启，现在使用新的 MAC 地址 " + report.expected + L"。";
    case AddressCheck::Ignored:
      return adapter + L" 已重启，但驱动程序忽略了伪装的 MAC 地址 " + report.expected + L"，仍在使用 " +
             (usesPermanent ? L"出厂地址 " : L"") + report.active + L"。";
    case AddressCheck::UsesOwn:
      if (usesPermanent) return adapter + L" 已重启，现在使用它的出厂地址 " + report.active + L"。";
      return adapter + L" 已重启，现在使用它自己的 MAC 地址 " + report.active + L"。";
    case AddressCheck::Unknown:
      break;
  }
  return adapter + L" 已重启，但无法读取它现在使用的 MAC 地址（适配器可能未连接或未启用）。";
}

bool RestartChangedDevice(const RestartReport& report) {
  return report.restart.status == RestartStatus::Restarted || report.restart.status == RestartStatus::LeftDisabled;
}

}  // namespace quav
