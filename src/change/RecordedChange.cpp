#include "change/RecordedChange.h"

#include "change/ChangeLog.h"
#include "platform/Texts.h"

namespace quav {
namespace {

// The change stands whatever the log says; only the record of it is missing.
void NoteLogFailure(DWORD logStatus, const std::wstring& sentence, std::wstring& problem, std::wstring& detail) {
  if (logStatus == 0) return;
  problem = sentence;
  detail = LogErrorText(logStatus);
}

}  // namespace

RecordedChange ChangeAndRecord(const std::wstring& adapterIndex, const std::wstring& adapterName,
                               const std::wstring& digits, const std::wstring& shown, const std::wstring& fromAddress,
                               const std::wstring& logPath) {
  RecordedChange change;
  change.registry = StoreOverrideAddress(adapterIndex, digits);
  if (!change.registry.done) {
    change.problem = SayNaming(TextId::CannotStore, adapterName, {shown, adapterIndex});
    change.detail = change.registry.failure;
    return change;
  }
  change.logStatus = LogAddressChange(logPath, fromAddress, shown, adapterIndex);
  NoteLogFailure(change.logStatus, Say(TextId::StoredNotLogged, {logPath}), change.problem,
                 change.detail);
  return change;
}

RecordedChange RemoveAndRecord(const std::wstring& adapterIndex, const std::wstring& adapterName,
                               const std::wstring& logPath) {
  RecordedChange change;
  change.registry = DeleteOverrideAddress(adapterIndex);
  if (!change.registry.done) {
    change.problem = SayNaming(TextId::CannotRemove, adapterName, {adapterIndex});
    change.detail = change.registry.failure;
    return change;
  }
  change.logStatus = LogAddressRemoval(logPath, adapterIndex);
  NoteLogFailure(change.logStatus, Say(TextId::RemovedNotLogged, {logPath}), change.problem,
                 change.detail);
  return change;
}

RecordedRestart RestartAndRecord(const std::wstring& adapterIndex, AdapterDevices& devices, AdapterFacts& facts,
                                 const std::wstring& logPath, unsigned waitMilliseconds, const RestartPause& pause) {
  RecordedRestart restart;
  restart.report = RestartAndVerify(adapterIndex, devices, facts, waitMilliseconds, pause);
  if (RestartChangedDevice(restart.report)) {
    restart.logStatus = AppendLogLine(logPath, AddressCheckLine(LogFieldsNow(adapterIndex), restart.report));
    NoteLogFailure(restart.logStatus, Say(TextId::RestartNotLogged, {logPath}), restart.problem,
                   restart.detail);
  }
  return restart;
}

}  // namespace quav
