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

std::wstring RestartMessage(const RestartReport& report, std::wstring_view adapterIndex,
                            std::wstring_view adapterName) {
  const std::wstring error = std::to_wstring(report.restart.error);
  const auto say = [&](TextId id, std::initializer_list<std::wstring_view> pieces) {
    return SayNaming(id, adapterName, pieces);
  };
  switch (report.restart.status) {
    case RestartStatus::NoDevice: return say(TextId::RestartNoDevice, {adapterIndex});
    case RestartStatus::AccessDenied: return say(TextId::RestartAccessDenied, {adapterIndex});
    case RestartStatus::WrongArchitecture: return say(TextId::RestartWrongArchitecture, {adapterIndex});
    case RestartStatus::LeftDisabled: return say(TextId::RestartLeftDisabled, {adapterIndex, error});
    case RestartStatus::Failed:
      if (report.restart.error == kRebootRequired) return say(TextId::RestartNeedsReboot, {adapterIndex});
      return say(TextId::RestartFailed, {adapterIndex, error});
    case RestartStatus::Restarted:
      break;
  }
  const bool usesPermanent = !report.permanent.empty() && SameAddress(report.permanent, report.active);
  switch (report.check) {
    case AddressCheck::UsesNew:
      return say(TextId::RestartUsesNew, {adapterIndex, report.expected});
    case AddressCheck::Ignored:
      return say(usesPermanent ? TextId::RestartIgnoredBurnedIn : TextId::RestartIgnored,
                 {adapterIndex, report.expected, report.active}) +
             (report.windowsRandom ? Say(TextId::RestartWindowsRandom) : std::wstring());
    case AddressCheck::UsesOwn:
      return say(usesPermanent ? TextId::RestartUsesBurnedIn : TextId::RestartUsesOwn, {adapterIndex, report.active});
    case AddressCheck::Unknown:
      break;
  }
  return say(TextId::RestartUnread, {adapterIndex});
}

bool RestartChangedDevice(const RestartReport& report) {
  return report.restart.status == RestartStatus::Restarted || report.restart.status == RestartStatus::LeftDisabled;
}

}  // namespace quav
