// Scheduling on this machine: the task XML as Windows' own parser reads it,
// the installed copy and its folder's security, the tasks and records, and
// the scheduled run, with the Task Scheduler and the adapters' devices faked
// and once against Wine's own Task Scheduler.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include "adapters/AdapterKeys.h"
#include "change/ChangeLog.h"
#include "change/NewAddressRules.h"
#include "platform/AnsiText.h"
#include "platform/FileApi.h"
#include "platform/SystemFacts.h"
#include "platform/modRegistry.h"
#include "schedule/ScheduleOperation.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/ScheduledRun.h"
#include "schedule/TaskXml.h"
#include "support/FakeServices.h"
#include "support/FakeTasks.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "support/ScratchFolder.h"
#include "support/XmlDocument.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {
namespace {

constexpr wchar_t kProgram[] = L"C:\\Program Files\\QUAV\\quav.exe";

test::XmlDocument Parsed(const std::wstring& text) {
  test::XmlDocument document;
  std::wstring reason;
  EXPECT_TRUE(document.Load(text, reason)) << reason;
  return document;
}

TEST(TaskXml, EachMomentsTaskReadsAsTheTaskSchedulerReadsIt) {
  const struct {
    Moment moment;
    const wchar_t* trigger;
    const wchar_t* log;        // an event trigger's log and provider
    const wchar_t* provider;
    const wchar_t* eventId;
  } moments[] = {
      {Moment::Boot, L"BootTrigger", nullptr, nullptr, nullptr},
      {Moment::Logon, L"LogonTrigger", nullptr, nullptr, nullptr},
      {Moment::Wake, L"EventTrigger", L"System", L"Microsoft-Windows-Power-Troubleshooter", L"1"},
      {Moment::Connect, L"EventTrigger", L"Microsoft-Windows-NetworkProfile/Operational",
       L"Microsoft-Windows-NetworkProfile", L"10000"},
  };
  for (const auto& m : moments) {
    const test::XmlDocument task =
        Parsed(TaskDocument(TaskElement(m.moment, kProgram, L"/run 0004 /at x", L"网络 & <适配器> \"0004\"")));
    SCOPED_TRACE(m.trigger);
    EXPECT_EQ(1, task.Count(L"/t:Task/t:Triggers/*"));
    EXPECT_EQ(1, task.Count(L"/t:Task/t:Triggers/t:" + std::wstring(m.trigger) + L"[t:Enabled='true']"));
    EXPECT_EQ(L"S-1-5-18", task.Text(L"/t:Task/t:Principals/t:Principal/t:UserId"));
    EXPECT_EQ(L"HighestAvailable", task.Text(L"/t:Task/t:Principals/t:Principal/t:RunLevel"));
    EXPECT_EQ(task.Text(L"/t:Task/t:Principals/t:Principal/@id"), task.Text(L"/t:Task/t:Actions/@Context"));
    EXPECT_EQ(L"false", task.Text(L"/t:Task/t:Settings/t:DisallowStartIfOnBatteries"));
    EXPECT_EQ(L"false", task.Text(L"/t:Task/t:Settings/t:StopIfGoingOnBatteries"));
    EXPECT_EQ(L"true", task.Text(L"/t:Task/t:Settings/t:StartWhenAvailable"));
    EXPECT_EQ(L"IgnoreNew", task.Text(L"/t:Task/t:Settings/t:MultipleInstancesPolicy"));
    EXPECT_EQ(L"PT5M", task.Text(L"/t:Task/t:Settings/t:ExecutionTimeLimit"));
    EXPECT_EQ(L"\"C:\\Program Files\\QUAV\\quav.exe\"", task.Text(L"/t:Task/t:Actions/t:Exec/t:Command"));
    EXPECT_EQ(L"/run 0004 /at x", task.Text(L"/t:Task/t:Actions/t:Exec/t:Arguments"));
    EXPECT_EQ(L"网络 & <适配器> \"0004\"", task.Text(L"/t:Task/t:RegistrationInfo/t:Description"));
    if (m.moment == Moment::Boot) {
      EXPECT_EQ(L"PT30S", task.Text(L"//t:BootTrigger/t:Delay"));
    }
    if (m.moment == Moment::Logon) {
      EXPECT_EQ(0, task.Count(L"//t:LogonTrigger/t:UserId")) << "any user's logon";
    }
    if (!m.log) continue;
    // The subscription is a query of its own, read by the event log.
    const test::XmlDocument query = Parsed(task.Text(L"//t:EventTrigger/t:Subscription"));
    EXPECT_EQ(m.log, query.Text(L"/QueryList/Query/Select/@Path"));
    EXPECT_EQ(L"*[System[Provider[@Name='" + std::wstring(m.provider) + L"'] and EventID=" + m.eventId + L"]]",
              query.Text(L"/QueryList/Query/Select"));
  }
}

// The folder and copy of the test's own: a file of some bytes stands for the program.
struct ScratchPlace {
  test::ScratchFolder root;
  InstallPlace place{root.Path() + L"\\QUAV", root.Path() + L"\\source.exe"};
  ScratchPlace() {
    UniqueFile file(::CreateFileW(place.program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.get(), "MZ quav", 7, &written, nullptr);
  }
  ~ScratchPlace() {
    ::DeleteFileW(InstalledProgram(place).c_str());
    ::DeleteFileW(LogFileIn(place.folder).c_str());
    ::RemoveDirectoryW(place.folder.c_str());
    ::DeleteFileW(place.program.c_str());
  }
};

void SetFolderDacl(const std::wstring& folder, const wchar_t* sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr));
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  ::GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
  EXPECT_EQ(ERROR_SUCCESS, ::SetNamedSecurityInfoW(const_cast<wchar_t*>(folder.c_str()), SE_FILE_OBJECT,
                                                   DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl, nullptr));
  ::LocalFree(descriptor);
}

TEST(InstalledCopy, IsTheSameBytesInAFolderOnlyAdministratorsChange) {
  ScratchPlace scratch;
  ASSERT_EQ(InstallStatus::Installed, InstallCopy(scratch.place).status) << InstallCopy(scratch.place).sentence;
  EXPECT_EQ("MZ quav", test::FileBytes(InstalledProgram(scratch.place)));
  // Installed again over itself: nothing to copy, the same answer.
  EXPECT_EQ(InstallStatus::Installed, InstallCopy(scratch.place).status);
  // Users (under Wine: everyone, Unix's others) may write there: refused, naming them.
  SetFolderDacl(scratch.place.folder, L"D:(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1301bf;;;BU)(A;OICI;0x1301bf;;;WD)");
  const InstallOutcome loose = InstallCopy(scratch.place);
  EXPECT_EQ(InstallStatus::Unsafe, loose.status);
  EXPECT_NE(std::wstring::npos, loose.sentence.find(scratch.place.folder)) << loose.sentence;
  EXPECT_TRUE(loose.sentence.find(L"S-1-5-32-545") != std::wstring::npos ||
              loose.sentence.find(L"S-1-1-0") != std::wstring::npos)
      << loose.sentence;
  SetFolderDacl(scratch.place.folder, L"D:(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)");
  EXPECT_EQ(InstallStatus::Installed, InstallCopy(scratch.place).status);
}

class Scheduling : public ::testing::Test {
 protected:
  void SetUp() override {
    if (RunsUnderWow64()) GTEST_SKIP() << "the 32-bit program schedules nothing on 64-bit Windows";
    test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
  }
  void TearDown() override { test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey); }

  ScratchPlace scratch;
  test::FakeTasks tasks;
  ScheduleServices services{tasks, scratch.place};
};

TEST_F(Scheduling, RegistersOneTaskPerMomentAndTakesThemAllBack) {
  tasks.tasks[L"\\QUAV\\Adapter 0007 at logon"] = L"<old/>";
  const Schedule schedule{L"0007", {Moment::Boot, Moment::Connect}, {AddressSource::Maker, L"00-1B-21"}};
  const ScheduleOutcome done = ScheduleAdapter(schedule, services);
  ASSERT_EQ(ScheduleStatus::Done, done.status) << done.sentence;
  EXPECT_NE(std::wstring::npos, done.sentence.find(InstalledProgram(scratch.place))) << done.sentence;
  ASSERT_EQ(2u, tasks.tasks.size()) << "the logon task of the schedule before is gone";
  const test::XmlDocument boot = Parsed(tasks.tasks[L"\\QUAV\\Adapter 0007 at boot"]);
  EXPECT_EQ(L"\"" + InstalledProgram(scratch.place) + L"\"", boot.Text(L"//t:Exec/t:Command"));
  EXPECT_EQ(L"/run 0007 /at boot /maker 00-1B-21 /lang zh", boot.Text(L"//t:Exec/t:Arguments"));
  EXPECT_EQ(1, Parsed(tasks.tasks[L"\\QUAV\\Adapter 0007 at connect"]).Count(L"//t:EventTrigger"));

  ScheduleListing listing = ListSchedules(tasks);
  ASSERT_EQ(1u, listing.entries.size());
  EXPECT_EQ(schedule.moments, listing.entries[0].schedule.moments);
  EXPECT_EQ(schedule.address, listing.entries[0].schedule.address);
  EXPECT_TRUE(listing.entries[0].missingTasks.empty());
  tasks.tasks.erase(L"\\QUAV\\Adapter 0007 at boot");
  listing = ListSchedules(tasks);
  EXPECT_EQ(std::vector<std::wstring>{L"\\QUAV\\Adapter 0007 at boot"}, listing.entries[0].missingTasks);

  // A task the Task Scheduler refuses leaves no schedule at all.
  tasks.failCall = tasks.calls + 2;
  const ScheduleOutcome refused = ScheduleAdapter(schedule, services);
  EXPECT_EQ(ScheduleStatus::TaskRefused, refused.status);
  EXPECT_NE(std::wstring::npos, refused.sentence.find(L"\\QUAV\\Adapter 0007 at logon")) << refused.sentence;
  EXPECT_TRUE(tasks.tasks.empty());
  EXPECT_TRUE(ListSchedules(tasks).entries.empty());

  tasks.failCall.reset();
  ASSERT_EQ(ScheduleStatus::Done, ScheduleAdapter(schedule, services).status);
  ASSERT_EQ(ScheduleStatus::Done, ScheduleAdapter({L"0004", {Moment::Wake}, {}}, services).status);
  EXPECT_EQ(ScheduleStatus::Done, Unschedule(L"0004", tasks).status);
  EXPECT_EQ(2u, tasks.tasks.size());
  EXPECT_EQ(ScheduleStatus::Done, Uninstall(services).status);
  EXPECT_TRUE(tasks.tasks.empty());
  EXPECT_FALSE(test::KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORV"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(scratch.place.folder.c_str())) << "nothing left behind";
}

// Wine's Task Scheduler keeps a task's name (not its triggers, principal or
// action): registration and removal by name through the real interfaces.
TEST(TaskStore, RegistersAndDeletesTasksOfTheSystemsTaskScheduler) {
  ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  const std::unique_ptr<TaskStore> store = SystemTaskStore();
  const std::wstring folder = L"\\QUAV test";
  const long registered =
      store->Register(folder, L"Adapter 0004 at boot",
                      TaskDocument(TaskElement(Moment::Boot, kProgram, L"/run 0004 /at boot /lang zh", L"test")));
  ASSERT_EQ(S_OK, registered) << "start it with: wine net start schedule; " << std::hex << registered;
  bool exists = false;
  EXPECT_EQ(S_OK, store->Exists(folder, L"Adapter 0004 at boot", exists));
  EXPECT_TRUE(exists);
  EXPECT_EQ(S_OK, store->Exists(folder, L"Adapter 0004 at wake", exists));
  EXPECT_FALSE(exists);
  EXPECT_EQ(S_OK, store->Delete(folder, L"Adapter 0004 at boot"));
  EXPECT_EQ(S_OK, store->Delete(folder, L"Adapter 0004 at boot")) << "deleting what is not there is done";
  EXPECT_EQ(S_OK, store->Exists(folder, L"Adapter 0004 at boot", exists));
  EXPECT_FALSE(exists);
  EXPECT_EQ(S_OK, store->DeleteFolder(folder));
  EXPECT_EQ(S_OK, store->DeleteFolder(folder));
}

// Adapter 0007 presents 00-0C-29-3A-4B-5C until its restart, which the fake
// devices answer by presenting what is stored.
class ScheduledRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
    adapters.AddAdapter(L"0007", L"Adapter", L"{AAAAAAAA-0000-0000-0000-000000000001}", L"10.0.0.17");
    facts.active[L"0007"] = L"00-0C-29-3A-4B-5C";
    random.drawn = {0x02, 0x12, 0x34, 0x56, 0x78, 0xAB};
    devices.onRestart = [&](const std::wstring& id) { facts.active[id] = L"02-12-34-56-78-AB"; };
    ::DeleteFileW(log.c_str());
  }
  void TearDown() override {
    ::DeleteFileW(log.c_str());
    test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
  }
  RunOutcome Run(Moment moment, uint64_t now, const wchar_t* adapter = L"0007") {
    return RunScheduled({adapter, moment, {}}, {devices, facts, random}, log, now);
  }
  std::wstring Stored() {
    return test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"),
                              std::wstring(kNetworkAddressValue));
  }
  size_t LogLines() { return test::LineCount(test::FileBytes(log)); }

  test::ScratchFolder folder;
  std::wstring log = LogFileIn(folder.Path());
  test::AdapterRegistry adapters;
  test::FakeDevices devices;
  test::FakeFacts facts;
  test::FakeRandom random;
};

TEST_F(ScheduledRunTest, ChangesOnceAndTakesItsOwnReconnectionForWhatItIs) {
  const RunOutcome wake = Run(Moment::Wake, 5000);
  EXPECT_EQ(RunStatus::Changed, wake.status) << wake.sentence;
  EXPECT_EQ(L"0212345678AB", Stored());
  EXPECT_EQ(1u, devices.restarted.size());
  // The run's line with its moment, the change and the restart's check.
  const std::string lines = test::FileBytes(log);
  EXPECT_EQ(3u, test::LineCount(lines)) << lines;
  EXPECT_NE(std::string::npos, lines.find(ToAnsi(L"]         计划任务 [从睡眠中唤醒]  结果 [更换 MAC 地址]")))
      << lines;

  // The restart connects the adapter again: that run changes nothing.
  const RunOutcome connect = Run(Moment::Connect, 5030);
  EXPECT_EQ(RunStatus::SkippedOwn, connect.status) << connect.sentence;
  EXPECT_EQ(1u, devices.restarted.size());
  EXPECT_EQ(4u, LogLines());
  // A connection well after it is another connection.
  random.drawn = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
  EXPECT_EQ(RunStatus::Changed, Run(Moment::Connect, 5030 + kOwnChangeSeconds + 1).status);
  EXPECT_EQ(L"020000000001", Stored());
}

TEST_F(ScheduledRunTest, AnAdapterGoneDisabledOrNotRestartedIsSaidInTheLog) {
  EXPECT_EQ(RunStatus::NoAdapter, Run(Moment::Boot, 5000, L"0009").status);
  facts.active.erase(L"0007");
  EXPECT_EQ(RunStatus::Disabled, Run(Moment::Boot, 5000).status);
  EXPECT_EQ(L"<missing>", Stored());
  EXPECT_EQ(2u, LogLines());
  EXPECT_TRUE(devices.restarted.empty());

  facts.active[L"0007"] = L"00-0C-29-3A-4B-5C";
  devices.result = {RestartStatus::AccessDenied, ERROR_ACCESS_DENIED};
  const RunOutcome denied = Run(Moment::Boot, 5000);
  EXPECT_EQ(RunStatus::NotRestarted, denied.status);
  EXPECT_EQ(L"0212345678AB", Stored());
  // Its line, the change, and why the restart did not happen.
  EXPECT_EQ(5u, LogLines()) << test::FileBytes(log);
}

TEST_F(ScheduledRunTest, ARecordOthersCanChangeIsNotTrusted) {
  ASSERT_EQ(ERROR_SUCCESS, WriteOwnChange(L"0007", {L"02-12-34-56-78-AB", 4990}));
  {
    test::DeniedKey loose(HKEY_LOCAL_MACHINE, ScheduleRecordKey(L"0007"), L"D:(A;;KA;;;BA)(A;;KA;;;WD)");
    const RunOutcome run = Run(Moment::Connect, 5000);
    EXPECT_EQ(RunStatus::UnsafeRecord, run.status);
    EXPECT_NE(std::wstring::npos, run.sentence.find(L"S-1-1-0")) << run.sentence;
  }
  EXPECT_EQ(L"<missing>", Stored());
  EXPECT_EQ(1u, LogLines());
}

// A run for the network's address, through a network the test names: the
// same network gives the same address and one restart, and the restart's own
// reconnection finds it there; another network gives another; no network,
// nothing.
TEST_F(ScheduledRunTest, EachNetworkItsOwnAddressAndARunThatFindsItThereDoesNothing) {
  devices.onRestart = [&](const std::wstring& id) { facts.active[id] = MacDisplay(*AddressBytes(Stored())); };
  const auto run = [&](Moment moment) {
    return RunScheduled({L"0007", moment, {AddressSource::PerNetwork, L""}}, {devices, facts, random}, log, 5000);
  };
  const std::array<uint8_t, 6> gateway{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
  facts.networks[L"0007"] = GatewayIdentity(gateway);
  EXPECT_EQ(RunStatus::Changed, run(Moment::Boot).status);
  const std::wstring home = Stored();
  EXPECT_TRUE(IsLocallyAdministered(*AddressBytes(home)) && !IsGroupAddress(*AddressBytes(home))) << home;
  const size_t lines = LogLines();
  EXPECT_NE(std::string::npos, test::FileBytes(log).find("00-11-22-33-44-55")) << "the network in the log";
  // Its own reconnection, and any later run on that network: nothing, not even a line.
  EXPECT_EQ(RunStatus::AlreadyThere, run(Moment::Connect).status);
  EXPECT_EQ(RunStatus::AlreadyThere, run(Moment::Wake).status);
  EXPECT_EQ(1u, devices.restarted.size());
  EXPECT_EQ(lines, LogLines());

  facts.networks[L"0007"] = NetworkListIdentity({1, 2, 3}, L"Office");
  EXPECT_EQ(RunStatus::Changed, run(Moment::Connect).status);
  EXPECT_NE(home, Stored());
  facts.networks[L"0007"] = GatewayIdentity(gateway);
  EXPECT_EQ(RunStatus::Changed, run(Moment::Connect).status);
  EXPECT_EQ(home, Stored()) << "back home, the home address";
  EXPECT_EQ(3u, devices.restarted.size());

  for (const NetworkIdentityStatus none : {NetworkIdentityStatus::NotConnected, NetworkIdentityStatus::Unknown,
                                           NetworkIdentityStatus::LocationDenied}) {
    facts.networks[L"0007"] = {none, NetworkSource::WiFi, L"", "", L""};
    const size_t before = LogLines();
    EXPECT_EQ(RunStatus::NoNetwork, run(Moment::Connect).status);
    EXPECT_EQ(before + 1, LogLines()) << "why, in the log";
  }
  EXPECT_EQ(home, Stored());
  EXPECT_EQ(3u, devices.restarted.size());
}

// The window's system menu: the dialog gets the selected adapter and its
// schedule, and what it answers is scheduled or removed; every adapter is put
// back once the user agrees.
TEST_F(Scheduling, TheWindowSchedulesTheSelectedAdapterAndPutsEveryAdapterBack) {
  test::InitControls();
  test::AdapterRegistry adapters;
  adapters.AddAdapter(L"0007", L"Adapter", L"{AAAAAAAA-0000-0000-0000-000000000001}", L"10.0.0.17");
  adapters.SetNetworkAddress(L"0007", L"020000000007");
  test::FakeHost host;
  test::FakeWindows windows;
  test::FakeFacts facts;
  frmMain form{MainWindowServices{host, windows, {}, scratch.root.Path(), {nullptr, &facts}, {&tasks, scratch.place}}};
  ASSERT_TRUE(form.Create());
  form.Activated = true;
  form.Form_Load();
  const long row = form.lvwNIC.AddItem(L"0007");
  form.lvwNIC.SetSubItem(row, 3, L"Adapter");
  form.SelectFirstAdapter(form.lvwNIC);

  windows.scheduleAnswer = {frmSchedule::Choice::Schedule, {Moment::Boot, Moment::Connect}, AddressSource::Random, L""};
  ::SendMessageW(form.Hwnd(), WM_SYSCOMMAND, frmMainControls::mnuSchedule, 0);
  ASSERT_EQ(1u, windows.scheduleShown.size());
  EXPECT_EQ(L"0007", windows.scheduleShown[0].adapter);
  EXPECT_EQ(L"Adapter", windows.scheduleShown[0].description);
  EXPECT_FALSE(windows.scheduleShown[0].current);
  EXPECT_EQ(2u, tasks.tasks.size());
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"网络适配器 0007 将在每次开机、连接网络时")) << host.messages[0].text;

  windows.scheduleAnswer.choice = frmSchedule::Choice::Remove;
  form.mnuSchedule_Click();
  ASSERT_TRUE(windows.scheduleShown[1].current) << "the dialog shows the schedule there is";
  EXPECT_TRUE(tasks.tasks.empty());

  host.yesNoAnswer = IDNO;
  ::SendMessageW(form.Hwnd(), WM_SYSCOMMAND, frmMainControls::mnuRemoveAll, 0);
  EXPECT_EQ(L"020000000007", test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"),
                                                std::wstring(kNetworkAddressValue)));
  host.yesNoAnswer = IDYES;
  form.mnuRemoveAll_Click();
  EXPECT_EQ(L"<missing>", test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"),
                                             std::wstring(kNetworkAddressValue)));
  EXPECT_NE(std::wstring::npos, host.messages.back().text.find(L"0007")) << host.messages.back().text;
}

}  // namespace
}  // namespace quav
