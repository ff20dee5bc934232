// Scheduling under faults, one at a time: each registry call and each file
// call of /schedule, /run, /unschedule all and /remove all fails in turn with
// 2, 5 and 1450 (and each Task Scheduler call with access denied). Every case
// must end with an exit code, the tasks, the schedule's record, the installed
// copy, the registry and the log telling one story, and leave no key open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterKeys.h"
#include "change/ChangeLog.h"
#include "cli/ConsoleCommands.h"
#include "platform/AnsiText.h"
#include "platform/RegistryApi.h"
#include "platform/Settings.h"
#include "platform/SystemFacts.h"
#include "schedule/ScheduleRecord.h"
#include "support/FakeServices.h"
#include "support/FakeTasks.h"
#include "support/FaultInjectingFiles.h"
#include "support/FaultInjectingRegistry.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "support/ScratchFolder.h"

namespace quav {
namespace {

constexpr LONG kCodes[] = {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_NO_SYSTEM_RESOURCES};
constexpr wchar_t kAdapter[] = L"0007";
constexpr wchar_t kOld[] = L"00AABBCCDDEE";

enum class Layer { Registry, Files, Tasks };

// The machine after one case.
struct Outcome {
  ExitCode code = ExitCode::Unexpected;
  std::wstring printed;
  int calls = 0;  // of the layer that was failed
  int keysLeftOpen = 0;
  std::optional<std::wstring> stored;  // 0007's NetworkAddress
  std::string log;
  bool recorded = false;  // 0007's schedule is recorded
  size_t tasks = 0;
  bool copied = false;    // the installed copy holds the program's bytes
};

// The standard output goes to a file for the command's run.
std::wstring Captured(const std::function<void()>& run) {
  test::ScratchFolder folder;
  const std::wstring path = folder.Path() + L"\\out.txt";
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  HANDLE previous = ::GetStdHandle(STD_OUTPUT_HANDLE);
  ::SetStdHandle(STD_OUTPUT_HANDLE, file);
  run();
  ::SetStdHandle(STD_OUTPUT_HANDLE, previous);
  ::CloseHandle(file);
  const std::wstring text = FromAnsi(test::FileBytes(path));
  ::DeleteFileW(path.c_str());
  return text;
}

// A machine of two adapters (0007 with an override and a schedule at boot,
// 0001 without), the terms accepted, the installed copy in a folder of the
// test's own; the nth call of the layer fails with the code.
Outcome Run(const std::vector<std::wstring>& arguments, Layer layer, std::optional<int> failing, LONG code) {
  test::ScratchFolder root;
  const InstallPlace place{root.Path() + L"\\QUAV", ProgramPath()};
  test::AdapterRegistry adapters;
  adapters.AddAdapter(L"0001", L"Other", L"{BBBBBBBB-0000-0000-0000-000000000002}", L"10.0.0.11");
  adapters.AddAdapter(kAdapter, L"Adapter", L"{AAAAAAAA-0000-0000-0000-000000000001}", L"10.0.0.17");
  adapters.SetNetworkAddress(kAdapter, kOld);
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
  test::FakeTasks tasks;
  if (arguments[0] == L"/unschedule") {
    WriteScheduleRecord({kAdapter, {Moment::Boot}, {}});
    tasks.tasks[L"\\QUAV\\Adapter 0007 at boot"] = L"<Task/>";
  }
  ::DeleteFileW(LogFileBesideProgram().c_str());
  test::FakeDevices devices;
  test::FakeFacts facts;
  facts.active[kAdapter] = L"00-AA-BB-CC-DD-EE";
  devices.onRestart = [&](const std::wstring& id) { facts.active[id] = L"02-12-34-56-78-AB"; };
  test::FakeRandom random;
  random.drawn = {0x02, 0x12, 0x34, 0x56, 0x78, 0xAB};

  Outcome outcome;
  test::FaultInjectingRegistry registry;
  test::FaultInjectingFiles files;
  outcome.printed = Captured([&] {
    ConsoleOutput out;
    ScopedRegistryApi registryScope(registry);
    ScopedFileApi fileScope(files);
    if (failing && layer == Layer::Registry) registry.FailCall(std::nullopt, *failing, code);
    if (failing && layer == Layer::Files) files.FailCall(*failing, static_cast<DWORD>(code));
    if (failing && layer == Layer::Tasks) tasks.failCall = *failing;
    outcome.code = RunCommandLine(arguments, {devices, facts, random, &tasks, place}, out);
  });
  outcome.calls = layer == Layer::Registry ? static_cast<int>(registry.Calls().size())
                  : layer == Layer::Files  ? static_cast<int>(files.Calls().size())
                                           : tasks.calls;
  outcome.keysLeftOpen = registry.KeysOpened() - registry.KeysClosed();
  const std::wstring stored = test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(kAdapter),
                                                 std::wstring(kNetworkAddressValue));
  if (!stored.empty() && stored != L"<missing>") outcome.stored = stored;
  outcome.log = test::FileBytes(LogFileBesideProgram());
  long status = 0;
  outcome.recorded = ReadScheduleRecord(kAdapter, status).has_value();
  outcome.tasks = tasks.tasks.size();
  outcome.copied = test::FileBytes(place.folder + L"\\quav.exe") == test::FileBytes(ProgramPath());
  ::DeleteFileW((place.folder + L"\\quav.exe").c_str());
  ::RemoveDirectoryW(place.folder.c_str());
  ::DeleteFileW(LogFileBesideProgram().c_str());
  test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
  test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
  return outcome;
}

bool Contains(const std::string& log, const wchar_t* piece) { return log.find(ToAnsi(piece)) != std::string::npos; }

// What must agree after one case; empty when it does. A key or value the
// registry says is not there (2) reads as not there: what it holds is then
// not seen, and not removed.
using Story = std::function<void(const Outcome&, LONG code, std::vector<std::string>&)>;

void ScheduleStory(const Outcome& o, LONG, std::vector<std::string>& problems) {
  if (o.code == ExitCode::Done) {
    if (!o.recorded) problems.push_back("done, but no record");
    if (o.tasks != 2) problems.push_back("done, but " + std::to_string(o.tasks) + " tasks");
    if (!o.copied) problems.push_back("done, but the copy is not the program");
  } else {
    if (o.recorded) problems.push_back("not done, but recorded");
    if (o.tasks != 0) problems.push_back("not done, but tasks are left");
  }
}

void RunStory(const Outcome& o, LONG, std::vector<std::string>& problems) {
  const bool stored = o.stored == L"0212345678AB";
  if (!stored && o.stored != kOld) problems.push_back("neither the old address nor the new one");
  if (!Contains(o.log, L"计划任务 [连接网络]") && o.code != ExitCode::NotLogged) problems.push_back("the run is not logged");
  if (stored) {
    if (o.code != ExitCode::Done && o.code != ExitCode::NotLogged) {
      problems.push_back("stored, but the exit code is " + std::to_string(static_cast<int>(o.code)));
    }
    if (!Contains(o.log, L"02-12-34-56-78-AB") && o.code == ExitCode::Done) problems.push_back("stored, not logged");
  } else {
    if (o.code == ExitCode::Done || o.code == ExitCode::NotLogged) problems.push_back("not stored, but said done");
    if (Contains(o.log, L"伪装 MAC 地址从")) problems.push_back("not stored, but a change is logged");
  }
}

void RemoveAllStory(const Outcome& o, LONG code, std::vector<std::string>& problems) {
  if (!o.stored) {
    if (o.code != ExitCode::Done && o.code != ExitCode::NotLogged && o.code != ExitCode::ScanFailed) {
      problems.push_back("removed, but the exit code is " + std::to_string(static_cast<int>(o.code)));
    }
    if (o.code == ExitCode::Done && !Contains(o.log, L"删除伪装的 MAC 地址")) problems.push_back("removed, not logged");
  } else if (o.code == ExitCode::Done && code != ERROR_FILE_NOT_FOUND) {
    problems.push_back("an override is left, but said done");
  }
}

void UnscheduleStory(const Outcome& o, LONG code, std::vector<std::string>& problems) {
  if (o.code == ExitCode::Done && code != ERROR_FILE_NOT_FOUND && (o.recorded || o.tasks != 0)) {
    problems.push_back("said done, but a schedule is left");
  }
  if (o.code == ExitCode::Done && o.tasks != 0 && !o.recorded) problems.push_back("said done, but a task is left");
}

void RunMatrix(const char* name, const std::vector<std::wstring>& arguments, const std::vector<Layer>& layers,
               const Story& story) {
  const Outcome clean = Run(arguments, Layer::Registry, std::nullopt, 0);
  std::vector<std::string> problems;
  story(clean, 0, problems);
  ASSERT_TRUE(problems.empty()) << problems.front() << "\n" << ToAnsi(clean.printed);
  int cases = 0, disagreements = 0;
  for (const Layer layer : layers) {
    const int calls = Run(arguments, layer, std::nullopt, 0).calls;
    for (int n = 1; n <= calls; ++n) {
      for (const LONG code : kCodes) {
        if (layer == Layer::Tasks && code != kCodes[0]) continue;  // one failure of each call is enough
        ++cases;
        const Outcome o = Run(arguments, layer, n, code);
        problems.clear();
        if (o.keysLeftOpen != 0) problems.push_back(std::to_string(o.keysLeftOpen) + " keys left open");
        if (o.code == ExitCode::Unexpected) problems.push_back("an unforeseen error");
        if (o.code != ExitCode::Done && o.printed.empty()) problems.push_back("failed without a word");
        story(o, layer == Layer::Registry ? code : 0, problems);
        if (problems.empty()) continue;
        if (++disagreements <= 30) {
          std::printf("   %s / %s call %d fails with %ld (exit %d): %s\n", name,
                      layer == Layer::Registry ? "registry" : layer == Layer::Files ? "file" : "task", n, code,
                      static_cast<int>(o.code), ToAnsi(o.printed).c_str());
          for (const std::string& problem : problems) std::printf("      %s\n", problem.c_str());
        }
      }
    }
  }
  std::printf("== Fault matrix, command line %s: %d cases, 0 crashes, 0 hangs, %d disagreements\n", name, cases,
              disagreements);
  std::fflush(stdout);
  EXPECT_GT(cases, 0);
  EXPECT_EQ(0, disagreements) << "see the cases listed above";
}

TEST(FaultMatrix, CommandLineSchedule) {
  if (RunsUnderWow64()) GTEST_SKIP() << "the 32-bit program schedules nothing on 64-bit Windows";
  RunMatrix("/schedule", {L"/schedule", kAdapter, L"/at", L"boot,wake"}, {Layer::Registry, Layer::Files, Layer::Tasks},
            ScheduleStory);
}

TEST(FaultMatrix, CommandLineScheduledRun) {
  RunMatrix("/run", {L"/run", kAdapter, L"/at", L"connect"}, {Layer::Registry, Layer::Files}, RunStory);
}

TEST(FaultMatrix, CommandLineUnscheduleAll) {
  RunMatrix("/unschedule all", {L"/unschedule", L"all"}, {Layer::Registry, Layer::Tasks}, UnscheduleStory);
}

TEST(FaultMatrix, CommandLineRemoveAll) {
  RunMatrix("/remove all", {L"/remove", L"all"}, {Layer::Registry}, RemoveAllStory);
}

}  // namespace
}  // namespace quav
