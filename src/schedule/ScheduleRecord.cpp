#include "schedule/ScheduleRecord.h"

#include <windows.h>

#include <cstdint>

#include "platform/modRegistry.h"

namespace quav {
namespace {

constexpr wchar_t kMomentsValue[] = L"At";
constexpr wchar_t kAddressValue[] = L"Address";
constexpr wchar_t kLastAddressValue[] = L"LastAddress";
constexpr wchar_t kLastTimeValue[] = L"LastTime";

// The first failure of a sequence of steps.
void Keep(long& status, long step) {
  if (status == ERROR_SUCCESS) status = step;
}

}  // namespace

std::wstring ScheduleRecordKey(const std::wstring& adapter) { return std::wstring(kScheduleKey) + L'\\' + adapter; }

std::wstring ScheduleRecordObjectName(const std::wstring& adapter) { return L"MACHINE\\" + ScheduleRecordKey(adapter); }

long WriteScheduleRecord(const Schedule& schedule) {
  const std::wstring key = ScheduleRecordKey(schedule.adapter);
  long status = SetRegValue(HKEY_LOCAL_MACHINE, key, kMomentsValue, REG_SZ, MomentList(schedule.moments));
  if (status == ERROR_SUCCESS) {
    status = SetRegValue(HKEY_LOCAL_MACHINE, key, kAddressValue, REG_SZ, AddressKindKeyword(schedule.address));
  }
  return status;
}

std::optional<Schedule> ReadScheduleRecord(const std::wstring& adapter, long& status) {
  status = ERROR_SUCCESS;
  const std::wstring key = ScheduleRecordKey(adapter);
  long step = ERROR_SUCCESS;
  UniqueHkey opened = OpenKey(HKEY_LOCAL_MACHINE, key, step);
  if (step != ERROR_SUCCESS) {
    if (step != ERROR_FILE_NOT_FOUND) status = step;
    return std::nullopt;
  }
  DWORD type = 0;
  const std::wstring moments = ReadValue(opened.get(), kMomentsValue, type, step);
  Keep(status, step);
  step = ERROR_SUCCESS;
  const std::wstring address = ReadValue(opened.get(), kAddressValue, type, step);
  Keep(status, step);
  Keep(status, opened.Close());
  if (status != ERROR_SUCCESS) {
    // A key of a run's own change alone, without a schedule, is none.
    if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
    return std::nullopt;
  }
  const std::optional<std::vector<Moment>> parsed = ParseMoments(moments);
  const std::optional<AddressKind> kind = AddressKindFromKeyword(address);
  if (!parsed || !kind) {
    status = ERROR_INVALID_DATA;
    return std::nullopt;
  }
  return Schedule{adapter, *parsed, *kind};
}

std::vector<Schedule> ReadScheduleRecords(long& status) {
  UniqueHkey key;
  long count = 0;
  std::vector<Schedule> schedules;
  const std::vector<std::wstring> names = EnumSubKeys(HKEY_LOCAL_MACHINE, kScheduleKey, key, count, status, true);
  if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
  for (const std::wstring& name : names) {
    if (!IsScheduleId(name)) continue;
    long step = ERROR_SUCCESS;
    if (std::optional<Schedule> schedule = ReadScheduleRecord(name, step)) schedules.push_back(std::move(*schedule));
    Keep(status, step);
  }
  return schedules;
}

long DeleteScheduleRecord(const std::wstring& adapter) {
  const long status = DeleteRegKey(HKEY_LOCAL_MACHINE, ScheduleRecordKey(adapter));
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

long DeleteAllRecords() {
  UniqueHkey key;
  long count = 0, status = ERROR_SUCCESS;
  for (const std::wstring& name : EnumSubKeys(HKEY_LOCAL_MACHINE, kScheduleKey, key, count, status, true)) {
    if (!IsScheduleId(name)) continue;
    if (const long deleted = DeleteScheduleRecord(name); deleted != ERROR_SUCCESS) return deleted;
  }
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
  for (const wchar_t* path : {kScheduleKey, kMachineSettingsKey, kMakerKey}) {
    UniqueHkey opened;
    long subKeys = 0, values = 0;
    status = GetKeyInfo(HKEY_LOCAL_MACHINE, path, opened, subKeys, values, true);
    if (status == ERROR_FILE_NOT_FOUND) continue;
    if (status != ERROR_SUCCESS) return status;
    if (subKeys > 0 || values > 0) return ERROR_SUCCESS;
    status = DeleteRegKey(HKEY_LOCAL_MACHINE, path);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
  }
  return ERROR_SUCCESS;
}

std::optional<OwnChange> ReadOwnChange(const std::wstring& adapter) {
  const std::wstring key = ScheduleRecordKey(adapter);
  std::wstring address, time;
  if (!TryGetRegValue(HKEY_LOCAL_MACHINE, key, kLastAddressValue, address) ||
      !TryGetRegValue(HKEY_LOCAL_MACHINE, key, kLastTimeValue, time)) {
    return std::nullopt;
  }
  // Digits only, counted by hand: Windows 2000's C library has no 64-bit parse.
  if (time.empty() || time.size() > 19) return std::nullopt;
  uint64_t seconds = 0;
  for (const wchar_t digit : time) {
    if (digit < L'0' || digit > L'9') return std::nullopt;
    seconds = seconds * 10 + static_cast<uint64_t>(digit - L'0');
  }
  return OwnChange{address, seconds};
}

long WriteOwnChange(const std::wstring& adapter, const OwnChange& change) {
  const std::wstring key = ScheduleRecordKey(adapter);
  long status = SetRegValue(HKEY_LOCAL_MACHINE, key, kLastTimeValue, REG_SZ, std::to_wstring(change.seconds));
  if (status == ERROR_SUCCESS) status = SetRegValue(HKEY_LOCAL_MACHINE, key, kLastAddressValue, REG_SZ, change.address);
  return status;
}

}  // namespace quav
