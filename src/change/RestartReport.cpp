#include "change/RestartReport.h"

#include "adapters/AddressRules.h"
#include "platform/Texts.h"

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
  const std::wstring error = std::to_wstring(report.restart.error);
  switch (report.restart.status) {
    case RestartStatus::NoDevice: return Say(TextId::RestartNoDevice, {adapterIndex});
    case RestartStatus::AccessDenied: return Say(TextId::RestartAccessDenied, {adapterIndex});
    case RestartStatus::WrongArchitecture: return Say(TextId::RestartWrongArchitecture, {adapterIndex});
    case RestartStatus::LeftDisabled: return Say(TextId::RestartLeftDisabled, {adapterIndex, error});
    case RestartStatus::Failed:
      if (report.restart.error == kRebootRequired) return Say(TextId::RestartNeedsReboot, {adapterIndex});
      return Say(TextId::RestartFailed, {adapterIndex, error});
    case RestartStatus::Restarted:
      break;
  }
  const bool usesPermanent = !report.permanent.empty() && SameAddress(report.permanent, report.active);
  switch (report.check) {
    case AddressCheck::UsesNew:
      return Say(TextId::RestartUsesNew, {adapterIndex, report.expected});
    case AddressCheck::Ignored:
      return Say(usesPermanent ? TextId::RestartIgnoredBurnedIn : TextId::RestartIgnored,
                 {adapterIndex, report.expected, report.active}) +
             (report.windowsRandom ? Say(TextId::RestartWindowsRandom) : std::wstring());
    case AddressCheck::UsesOwn:
      return Say(usesPermanent ? TextId::RestartUsesBurnedIn : TextId::RestartUsesOwn, {adapterIndex, report.active});
    case AddressCheck::Unknown:
      break;
  }
  return Say(TextId::RestartUnread, {adapterIndex});
}

bool RestartChangedDevice(const RestartReport& report) {
  return report.restart.status == RestartStatus::Restarted || report.restart.status == RestartStatus::LeftDisabled;
}

}  // namespace quav
