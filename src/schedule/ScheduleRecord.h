#pragma once

#include <optional>
#include <string>
#include <vector>

#include "schedule/ScheduleRules.h"

// The schedules as the machine keeps them, under HKEY_LOCAL_MACHINE where
// only administrators and SYSTEM write: one key per adapter holding its
// moments, its kind of address, and the change its last run made. Every
// call returns 0 or the registry's error code.
namespace quav {

inline constexpr wchar_t kMakerKey[] = L"SOFTWARE\\ORV";
inline constexpr wchar_t kMachineSettingsKey[] = L"SOFTWARE\\ORV\\QUAV12";
inline constexpr wchar_t kScheduleKey[] = L"SOFTWARE\\ORV\\QUAV12\\Schedule";

// The adapter's key, and the same as GetNamedSecurityInfo names it.
std::wstring ScheduleRecordKey(const std::wstring& adapter);
std::wstring ScheduleRecordObjectName(const std::wstring& adapter);

long WriteScheduleRecord(const Schedule& schedule);
// The schedules recorded, by the adapters' IDs; a key that cannot be read
// or does not hold a schedule is left out, and its error becomes the status
// (a missing Schedule key is no schedule: status 0).
std::vector<Schedule> ReadScheduleRecords(long& status);
// The adapter's schedule; none when it has none or it cannot be read
// (status then says which).
std::optional<Schedule> ReadScheduleRecord(const std::wstring& adapter, long& status);
// Deletes the adapter's key; 0 also when it had none.
long DeleteScheduleRecord(const std::wstring& adapter);
// Deletes every adapter's key (runs' changes included), then the Schedule
// key and the program's keys above it when nothing else is left in them; 0
// also when they are gone or something else remains in them.
long DeleteAllRecords();

// The change the adapter's last run made, none when there was none or it
// cannot be read; a run writes it once its change holds.
std::optional<OwnChange> ReadOwnChange(const std::wstring& adapter);
long WriteOwnChange(const std::wstring& adapter, const OwnChange& change);

}  // namespace quav
