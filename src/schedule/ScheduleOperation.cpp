#include "schedule/ScheduleOperation.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "change/ChangeLog.h"
#include "platform/ErrorText.h"
#include "platform/SystemFacts.h"
#include "platform/Texts.h"
#include "platform/VersionNumber.h"
#include "schedule/NetworkKeyStore.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/TaskXml.h"

namespace quav {
namespace {

std::wstring MomentsText(const std::vector<Moment>& moments) {
  std::wstring text;
  for (const Moment moment : moments) {
    if (!text.empty()) text += Say(TextId::MomentJoin);
    text += MomentText(moment);
  }
  return text;
}

std::wstring TaskDescription(const Schedule& schedule, Moment moment) {
  return Say(TextId::TaskDescription, {schedule.adapter, MomentText(moment), AddressKindText(schedule.address)});
}

std::wstring TaskElementFor(const Schedule& schedule, Moment moment, const InstallPlace& place) {
  return TaskElement(moment, InstalledProgram(place), RunArguments(schedule, moment, CurrentLanguage()),
                     TaskDescription(schedule, moment));
}

bool Scheduled(const Schedule& schedule, Moment moment) {
  return std::find(schedule.moments.begin(), schedule.moments.end(), moment) != schedule.moments.end();
}

// Every task of the adapter, whatever its moment; the first failure.
long DeleteTasks(const std::wstring& adapter, TaskStore& tasks) {
  long result = S_OK;
  for (const Moment moment : kMoments) {
    const long step = tasks.Delete(kTaskFolder, TaskName(adapter, moment));
    if (SUCCEEDED(result)) result = step;
  }
  return result;
}

ScheduleOutcome RecordFailed(const std::wstring& key, long status) {
  return {ScheduleStatus::RecordFailed, Say(TextId::RecordFailed, {key, SystemErrorText(static_cast<DWORD>(status))})};
}

}  // namespace

AddressKind MakerKind(const MakerChoice& choice) {
  return {AddressSource::Maker, choice.typedPrefix ? PrefixText(*choice.typedPrefix) : choice.maker->name};
}

std::optional<std::wstring> SchedulingImpossible() {
  std::wstring version;
  GetOSVersion(version);
  // The Task Scheduler 2.0 came with Windows Vista (6.0).
  if (LeadingNumber(version) < 6.0) return Say(TextId::ScheduleNeedsVista);
  if (RunsUnderWow64()) return Say(TextId::Schedule32On64);
  return std::nullopt;
}

ScheduleOutcome ScheduleAdapter(const Schedule& schedule, ScheduleServices& services) {
  if (std::optional<std::wstring> impossible = SchedulingImpossible()) {
    return {ScheduleStatus::NotPossible, std::move(*impossible)};
  }
  const InstallOutcome install = InstallCopy(services.place);
  if (install.status != InstallStatus::Installed) return {ScheduleStatus::NotInstalled, install.sentence};
  if (schedule.address.source == AddressSource::PerNetwork) {
    // Made now, by an administrator, rather than by the first run.
    const NetworkKeyOutcome key = OpenNetworkKey(true);
    if (key.status != NetworkKeyStatus::Ready) {
      return {key.status == NetworkKeyStatus::Unsafe ? ScheduleStatus::KeyUnsafe : ScheduleStatus::RecordFailed,
              key.sentence};
    }
  }

  if (const long status = WriteScheduleRecord(schedule); status != ERROR_SUCCESS) {
    DeleteScheduleRecord(schedule.adapter);
    return RecordFailed(ScheduleRecordKey(schedule.adapter), status);
  }
  for (const Moment moment : kMoments) {
    const std::wstring name = TaskName(schedule.adapter, moment);
    const long result = Scheduled(schedule, moment)
                            ? services.tasks.Register(kTaskFolder, name,
                                                      TaskDocument(TaskElementFor(schedule, moment, services.place)))
                            : services.tasks.Delete(kTaskFolder, name);
    if (FAILED(result)) {
      // Half a schedule would run at moments nobody chose: none is left.
      DeleteTasks(schedule.adapter, services.tasks);
      DeleteScheduleRecord(schedule.adapter);
      return {ScheduleStatus::TaskRefused,
              Say(TextId::TaskSchedulerFailed, {TaskPath(schedule.adapter, moment), TaskErrorText(result)})};
    }
  }
  return {ScheduleStatus::Done,
          Say(TextId::Scheduled, {schedule.adapter, MomentsText(schedule.moments), AddressKindText(schedule.address),
                                  InstalledProgram(services.place), LogFileIn(services.place.folder)})};
}

std::wstring ScheduleXml(const Schedule& schedule, const InstallPlace& place) {
  std::vector<NamedTask> tasks;
  std::transform(schedule.moments.begin(), schedule.moments.end(), std::back_inserter(tasks), [&](Moment moment) {
    return NamedTask{TaskPath(schedule.adapter, moment), TaskElementFor(schedule, moment, place)};
  });
  return TasksDocument(tasks);
}

std::wstring ScheduleText(const Schedule& schedule) {
  return Say(TextId::ScheduleLine, {schedule.adapter, MomentsText(schedule.moments), AddressKindText(schedule.address)});
}

ScheduleListing ListSchedules(TaskStore& tasks) {
  ScheduleListing listing;
  long status = ERROR_SUCCESS;
  for (Schedule& schedule : ReadScheduleRecords(status)) {
    ScheduleEntry entry{std::move(schedule), {}};
    for (const Moment moment : entry.schedule.moments) {
      bool exists = false;
      const long result = tasks.Exists(kTaskFolder, TaskName(entry.schedule.adapter, moment), exists);
      if (FAILED(result)) {
        listing.status = ScheduleStatus::TaskRefused;
        listing.problem = TaskErrorText(result);
      } else if (!exists) {
        entry.missingTasks.push_back(TaskPath(entry.schedule.adapter, moment));
      }
    }
    listing.entries.push_back(std::move(entry));
  }
  if (status != ERROR_SUCCESS) {
    listing.status = ScheduleStatus::RecordFailed;
    listing.problem = Say(TextId::CliCannotReadKey, {kScheduleKey, SystemErrorText(static_cast<DWORD>(status))});
  }
  return listing;
}

ScheduleOutcome Unschedule(const std::optional<std::wstring>& adapter, TaskStore& tasks) {
  std::vector<std::wstring> adapters;
  long status = ERROR_SUCCESS;
  if (adapter) {
    const std::optional<Schedule> schedule = ReadScheduleRecord(*adapter, status);
    if (!schedule && status == ERROR_SUCCESS) {
      // No record; tasks of that name may still be there, from /xml say.
      DeleteTasks(*adapter, tasks);
      return {ScheduleStatus::Done, Say(TextId::NotScheduled, {*adapter})};
    }
    adapters.push_back(*adapter);
  } else {
    const std::vector<Schedule> schedules = ReadScheduleRecords(status);
    std::transform(schedules.begin(), schedules.end(), std::back_inserter(adapters),
                   [](const Schedule& schedule) { return schedule.adapter; });
  }
  if (status != ERROR_SUCCESS) {
    return {ScheduleStatus::RecordFailed,
            Say(TextId::CliCannotReadKey, {kScheduleKey, SystemErrorText(static_cast<DWORD>(status))})};
  }
  std::wstring said;
  for (const std::wstring& each : adapters) {
    if (const long result = DeleteTasks(each, tasks); FAILED(result)) {
      return {ScheduleStatus::TaskRefused,
              said + Say(TextId::UnscheduleFailed, {TaskPath(each, Moment::Boot), TaskErrorText(result)})};
    }
    if (const long deleted = DeleteScheduleRecord(each); deleted != ERROR_SUCCESS) {
      return {ScheduleStatus::RecordFailed,
              said + Say(TextId::RecordFailed,
                         {ScheduleRecordKey(each), SystemErrorText(static_cast<DWORD>(deleted))})};
    }
    said += Say(TextId::Unscheduled, {each}) + L"\n";
  }
  if (!adapter) {
    if (const long result = tasks.DeleteFolder(kTaskFolder); FAILED(result)) {
      return {ScheduleStatus::TaskRefused, said + Say(TextId::UnscheduleFailed, {kTaskFolder, TaskErrorText(result)})};
    }
    if (adapters.empty()) said = Say(TextId::NoSchedules) + std::wstring(L"\n");
  }
  if (!said.empty() && said.back() == L'\n') said.pop_back();
  return {ScheduleStatus::Done, said};
}

ScheduleOutcome Uninstall(ScheduleServices& services) {
  ScheduleOutcome outcome = Unschedule(std::nullopt, services.tasks);
  if (outcome.status != ScheduleStatus::Done) return outcome;
  if (const long status = DeleteNetworkKey(); status != ERROR_SUCCESS) return RecordFailed(kNetworkKeyKey, status);
  if (const long status = DeleteAllRecords(); status != ERROR_SUCCESS) {
    return RecordFailed(kScheduleKey, status);
  }
  const UninstallOutcome removed = RemoveInstalledCopy(services.place);
  if (!removed.done) return {ScheduleStatus::NotInstalled, removed.sentence};
  return {ScheduleStatus::Done, removed.atRestart ? removed.sentence : Say(TextId::Uninstalled, {services.place.folder})};
}

}  // namespace quav
