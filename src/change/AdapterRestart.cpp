#include "change/AdapterRestart.h"

#include <windows.h>

#include "change/AddressStore.h"
#include "change/NewAddressRules.h"

namespace quav {
namespace {

constexpr DWORD kPollMilliseconds = 250;

}  // namespace

RestartReport RestartAndVerify(const std::wstring& adapterIndex, AdapterDevices& devices, AdapterFacts& facts,
                               unsigned waitMilliseconds, const RestartPause& pause) {
  RestartReport report;
  const std::wstring stored = StoredOverrideAddress(adapterIndex);
  // The driver reads the value as digits; a value that is not an address is
  // compared as it stands, and so never counts as taken.
  const std::optional<MacBytes> parsed = ParseMacArgument(stored);
  report.expected = parsed ? MacDisplay(*parsed) : stored;
  report.restart = devices.Restart(adapterIndex);
  if (report.restart.status != RestartStatus::Restarted) return report;

  // A restarted adapter takes a moment to come back into the interface table.
  // Elapsed time by unsigned difference, which holds across the tick count's wrap.
  const DWORD start = ::GetTickCount();
  std::optional<std::wstring> active = facts.ActiveAddress(adapterIndex);
  while (!active && ::GetTickCount() - start < waitMilliseconds) {
    if (pause) {
      pause(kPollMilliseconds);
    } else {
      ::Sleep(kPollMilliseconds);
    }
    active = facts.ActiveAddress(adapterIndex);
  }
  report.active = active.value_or(L"");
  if (active) report.permanent = facts.PermanentAddress(adapterIndex).value_or(L"");
  report.check = CheckAddresses(report.expected, report.active);
  if (report.check == AddressCheck::Ignored) report.windowsRandom = IsWindowsRandomOn(facts.RandomAddress(adapterIndex));
  return report;
}

}  // namespace quav
