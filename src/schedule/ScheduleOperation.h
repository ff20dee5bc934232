#pragma once

#include <optional>
#include <string>
#include <vector>

#include "change/MakerChoice.h"
#include "platform/TaskScheduler.h"
#include "schedule/InstalledCopy.h"
#include "schedule/ScheduleRules.h"

// Scheduling an adapter's unattended changes, listing and removing them:
// the one sequence of each that the window and the command line both run.
// Each outcome says what happened and carries the sentence to show.
namespace quav {

struct ScheduleServices {
  TaskStore& tasks;
  InstallPlace place;
};

enum class ScheduleStatus {
  Done,
  NotPossible,   // Windows before Vista, or the 32-bit program on 64-bit Windows
  NotInstalled,  // the installed copy could not be made or is not safe: InstallStatus says which
  TaskRefused,   // the Task Scheduler refused a task (or could not be reached)
  RecordFailed,  // the schedule's record (or the per-network key) could not be written or removed
  KeyUnsafe,     // others than Administrators and SYSTEM can read the per-network key
};

struct ScheduleOutcome {
  ScheduleStatus status = ScheduleStatus::Done;
  std::wstring sentence;  // what happened, done or not
};

// The kind of address of a maker chosen: by the prefix typed (that prefix
// alone), else by the maker's whole name (all of its prefixes), so that each
// run draws as /random /maker would.
AddressKind MakerKind(const MakerChoice& choice);

// Why this Windows or this program cannot schedule; none when it can.
std::optional<std::wstring> SchedulingImpossible();

// Installs the copy, records the schedule and registers one task per moment
// (and deletes the adapter's tasks of other moments), replacing any schedule
// the adapter had. When a step fails, the adapter is left without schedule.
ScheduleOutcome ScheduleAdapter(const Schedule& schedule, ScheduleServices& services);

// The tasks ScheduleAdapter would register, as one XML document; nothing is
// installed or registered.
std::wstring ScheduleXml(const Schedule& schedule, const InstallPlace& place);

struct ScheduleEntry {
  Schedule schedule;
  std::vector<std::wstring> missingTasks;  // paths of the moments' tasks not in the Task Scheduler
};

struct ScheduleListing {
  std::vector<ScheduleEntry> entries;
  ScheduleStatus status = ScheduleStatus::Done;
  std::wstring problem;  // why the listing may be short
};

ScheduleListing ListSchedules(TaskStore& tasks);

// The adapter's schedule as a person reads it: "at each startup, a random ...".
std::wstring ScheduleText(const Schedule& schedule);

// Deletes the adapter's tasks and record (all: every adapter's, and the
// Task Scheduler folder with any task in it).
ScheduleOutcome Unschedule(const std::optional<std::wstring>& adapter, TaskStore& tasks);

// Every schedule, the records and the installed copy.
ScheduleOutcome Uninstall(ScheduleServices& services);

}  // namespace quav
