#include "change/RecordedChange.h"

#include "change/ChangeLog.h"

namespace quav {
namespace {

// The change stands whatever the log says; only the record of it is missing.
void NoteLogFailure(DWORD logStatus, const std::wstring& sentence, std::wstring& problem, std::wstring& detail) {
  if (logStatus == 0) return;
  problem = sentence;
  detail = LogErrorText(logStatus);
}

}  // namespace

RecordedChange ChangeAndRecord(const std::wstring& adapterIndex, const std::wstring& digits, const std::wstring& shown,
                               const std::wstring& fromAddress, const std::wstring& logPath) {
  RecordedChange change;
  change.registry = StoreOverrideAddress(adapterIndex, digits);
  if (!change.registry.done) {
    change.problem = L"无法把伪装的 MAC 地址 " + shown + L" 写入网络适配器 " + adapterIndex + L"。";
    change.detail = change.registry.failure;
    return change;
  }
  change.logStatus = LogAddressChange(logPath, fromAddress, shown, adapterIndex);
  NoteLogFailure(change.logStatus, L"伪装的 MAC 地址已写入，但无法把这次操作记入日志 " + logPath + L"。", change.problem,
                 change.detail);
  return change;
}

RecordedChange RemoveAndRecord(const std::wstring& adapterIndex, const std::wstring& logPath) {
  RecordedChange change;
  change.registry = DeleteOverrideAddress(adapterIndex);
  if (!change.registry.done) {
    change.problem = L"无法删除网络适配器 " + adapterIndex + L" 的伪装 MAC 地址。";
    change.detail = change.registry.failure;
    return change;
  }
  change.logStatus = LogAddressRemoval(logPath, adapterIndex);
  NoteLogFailure(change.logStatus, L"伪装的 MAC 地址已删除，但无法把这次操作记入日志 " + logPath + L"。", change.problem,
                 change.detail);
  return change;
}

RecordedRestart RestartAndRecord(const std::wstring& adapterIndex, AdapterDevices& devices, AdapterFacts& facts,
                                 const std::wstring& logPath, unsigned waitMilliseconds, const RestartPause& pause) {
  RecordedRestart restart;
  restart.report = RestartAndVerify(adapterIndex, devices, facts, waitMilliseconds, pause);
  if (RestartChangedDevice(restart.report)) {
    restart.logStatus = AppendLogLine(logPath, AddressCheckLine(LogFieldsNow(adapterIndex), restart.report));
    NoteLogFailure(restart.logStatus, L"无法把这次重启的结果记入日志 " + logPath + L"。", restart.problem,
                   restart.detail);
  }
  return restart;
}

}  // namespace quav
