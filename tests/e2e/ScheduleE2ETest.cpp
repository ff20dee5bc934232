// Unattended changes as an administrator sets them up from a prompt, under
// Wine's Task Scheduler: the XML for a fleet, the installed copy, the tasks
// by name (Wine keeps nothing else of them), the run a task starts, and
// taking it all back.
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include "adapters/AdapterKeys.h"
#include "change/LogLine.h"
#include "cli/CommandLine.h"
#include "e2e/E2EFixture.h"
#include "platform/AnsiText.h"
#include "platform/FileApi.h"
#include "platform/Settings.h"
#include "platform/SystemFacts.h"
#include "platform/TaskScheduler.h"
#include "schedule/NetworkKeyStore.h"
#include "schedule/ScheduleRecord.h"
#include "support/Files.h"
#include "support/XmlDocument.h"

namespace quav::e2e {
namespace {

DWORD Code(ExitCode code) { return static_cast<DWORD>(code); }

class Schedule : public E2E {
 protected:
  void SetUp() override {
    E2E::SetUp();
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    own = test::FirstOwnInterface();
    ASSERT_TRUE(own);
    // The machine's own interface, so that the adapter is started.
    adapters.AddAdapter(L"0004", L"Intel(R) PRO/1000 MT", own->name, own->address);
    folder = ProgramFilesFolder() + L"\\QUAV";
    Clean();
  }
  void TearDown() override {
    if (app) app->Kill();
    Clean();
    E2E::TearDown();
  }
  void Clean() {
    tasks->DeleteFolder(L"\\QUAV");
    test::DeleteTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORV");
    ::DeleteFileW((folder + L"\\quav.exe").c_str());
    ::DeleteFileW(LogFileIn(folder).c_str());
    ::RemoveDirectoryW(folder.c_str());
  }
  ConsoleRun Run(const std::wstring& arguments) {
    if (!app) {
      app = std::make_unique<QuavApp>(TestName());
      SwitchWmi(false);
    }
    return app->Run(arguments);
  }
  bool TaskExists(const wchar_t* name) {
    bool exists = false;
    EXPECT_EQ(S_OK, tasks->Exists(L"\\QUAV", name, exists));
    return exists;
  }
  static std::wstring Text(const ConsoleRun& run) { return FromAnsi(run.output); }

  std::optional<test::OwnInterface> own;
  std::wstring folder;
  std::unique_ptr<TaskStore> tasks = SystemTaskStore();
};

TEST_F(Schedule, XmlForAFleetNamesSystemItsMomentsAndTheInstalledCopy) {
  const ConsoleRun run = Run(L"/schedule 0004 /at boot,wake /xml");
  ASSERT_EQ(Code(ExitCode::Done), run.exitCode) << run.output;
  test::XmlDocument xml;
  std::wstring reason;
  ASSERT_TRUE(xml.Load(Text(run), reason)) << reason << "\n" << run.output;
  EXPECT_EQ(2, xml.Count(L"/Tasks/t:Task"));
  EXPECT_EQ(2, xml.Count(L"/Tasks/t:Task[t:Principals/t:Principal/t:UserId='S-1-5-18']"));
  EXPECT_EQ(1, xml.Count(L"/Tasks/t:Task[1]/t:Triggers/t:BootTrigger"));
  EXPECT_NE(std::wstring::npos, xml.Text(L"/Tasks/t:Task[2]/t:Triggers/t:EventTrigger/t:Subscription")
                                    .find(L"Microsoft-Windows-Power-Troubleshooter'] and EventID=1]"));
  EXPECT_EQ(L"\"" + folder + L"\\quav.exe\"", xml.Text(L"/Tasks/t:Task[1]//t:Exec/t:Command"));
  EXPECT_EQ(L"/run 0004 /at boot /lang zh", xml.Text(L"/Tasks/t:Task[1]//t:Exec/t:Arguments"));
  EXPECT_EQ(L"/run 0004 /at wake /lang zh", xml.Text(L"/Tasks/t:Task[2]//t:Exec/t:Arguments"));
  // One address per network: at each connection too, by the network-connect event.
  test::XmlDocument perNetwork;
  ASSERT_TRUE(perNetwork.Load(Text(Run(L"/schedule 0004 /per-network /daily /xml")), reason)) << reason;
  EXPECT_EQ(3, perNetwork.Count(L"/Tasks/t:Task"));
  EXPECT_NE(std::wstring::npos, perNetwork.Text(L"/Tasks/t:Task[3]/t:Triggers/t:EventTrigger/t:Subscription")
                                    .find(L"Microsoft-Windows-NetworkProfile'] and EventID=10000]"));
  EXPECT_EQ(L"/run 0004 /at connect /per-network /daily /lang zh",
            perNetwork.Text(L"/Tasks/t:Task[3]//t:Exec/t:Arguments"));
  // Printed, nothing more: no copy, no task, no key.
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.c_str()));
  EXPECT_FALSE(TaskExists(L"Adapter 0004 at boot"));
  EXPECT_FALSE(test::KeyExists(HKEY_LOCAL_MACHINE, kNetworkKeyKey));
}

TEST_F(Schedule, TheTaskRunsTheInstalledCopyAndEverythingIsTakenBack) {
  if (RunsUnderWow64()) GTEST_SKIP() << "the 32-bit program schedules nothing on 64-bit Windows";
  ConsoleRun run = Run(L"/schedule 0004 /at boot,wake");
  ASSERT_EQ(Code(ExitCode::Done), run.exitCode) << run.output;
  EXPECT_TRUE(TaskExists(L"Adapter 0004 at boot"));
  EXPECT_TRUE(TaskExists(L"Adapter 0004 at wake"));
  EXPECT_FALSE(TaskExists(L"Adapter 0004 at logon"));
  const std::wstring installed = folder + L"\\quav.exe";
  EXPECT_EQ(test::FileBytes(BuiltQuavExe()), test::FileBytes(installed)) << "the copy is the program, byte for byte";
  run = Run(L"/schedule");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode);
  EXPECT_EQ(0u, Text(run).find(L"网络适配器 0004：每次开机、从睡眠中唤醒时，")) << run.output;
  run = Run(L"/list /json");
  EXPECT_NE(std::string::npos, run.output.find("\"schedule\":{\"at\":[\"boot\",\"wake\"],\"address\":\"random\"}"))
      << run.output;

  // What the boot task runs: its command and arguments, as the XML has them.
  test::XmlDocument xml;
  std::wstring reason;
  ASSERT_TRUE(xml.Load(Text(Run(L"/schedule 0004 /at boot,wake /xml")), reason)) << reason;
  std::wstring command = xml.Text(L"/Tasks/t:Task[1]//t:Exec/t:Command");
  ASSERT_EQ(L"\"" + installed + L"\"", command);
  const std::wstring arguments = xml.Text(L"/Tasks/t:Task[1]//t:Exec/t:Arguments");
  ForgetSettings();  // the run needs nobody's acceptance
  QuavApp task(TestName() + L".task");
  task.UseProgram(command.substr(1, command.size() - 2));
  run = task.Run(arguments);
  // Wine has no device to restart: the address is stored and the log says
  // the restart was not possible.
  EXPECT_EQ(Code(ExitCode::RestartNotPossible), run.exitCode) << run.output;
  const std::wstring stored = test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0004"),
                                                 std::wstring(kNetworkAddressValue));
  ASSERT_EQ(12u, stored.size()) << stored;
  EXPECT_EQ(2, std::stoi(stored.substr(0, 2), nullptr, 16) & 0x03) << "locally administered, individual";
  const std::wstring log = FromAnsi(test::FileBytes(LogFileIn(folder)));
  EXPECT_EQ(3u, test::LineCount(ToAnsi(log))) << log;
  EXPECT_NE(std::wstring::npos, log.find(L"]         计划任务 [开机]  结果 [更换 MAC 地址]")) << log;
  EXPECT_NE(std::wstring::npos, log.find(L"]   设备   [0004]")) << log;

  SetSetting(kAgreementValue, L"1");
  // One address per network: its key made once, said in /list /json.
  run = Run(L"/schedule 0004 /per-network");
  ASSERT_EQ(Code(ExitCode::Done), run.exitCode) << run.output;
  EXPECT_TRUE(TaskExists(L"Adapter 0004 at connect"));
  EXPECT_TRUE(test::KeyExists(HKEY_LOCAL_MACHINE, kNetworkKeyKey));
  run = Run(L"/list /json");
  EXPECT_NE(std::string::npos, run.output.find("\"address\":\"per-network\",\"network\":")) << run.output;
  run = Run(L"/unschedule all");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << run.output;
  EXPECT_FALSE(TaskExists(L"Adapter 0004 at boot"));
  EXPECT_FALSE(TaskExists(L"Adapter 0004 at wake"));
  run = Run(L"/remove all");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << run.output;
  EXPECT_EQ(L"<missing>", test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0004"),
                                             std::wstring(kNetworkAddressValue)));
  run = Run(L"/uninstall");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << run.output;
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.c_str())) << "nothing left behind";
  EXPECT_FALSE(test::KeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORV"));
}

TEST_F(Schedule, RefusedWhereItCannotBeSafe) {
  if (RunsUnderWow64()) {
    const ConsoleRun run = Run(L"/schedule 0004");
    EXPECT_EQ(Code(ExitCode::SchedulingNotPossible), run.exitCode);
    EXPECT_NE(std::wstring::npos, Text(run).find(L"64 位的 quav.exe")) << run.output;
    return;
  }
  // A folder where everyone (Users included) may write.
  ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1301bf;;;BU)(A;OICI;0x1301bf;;;WD)", SDDL_REVISION_1, &descriptor,
      nullptr));
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  ::GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
  ASSERT_EQ(ERROR_SUCCESS, ::SetNamedSecurityInfoW(folder.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                                   nullptr, dacl, nullptr));
  ::LocalFree(descriptor);
  ConsoleRun run = Run(L"/schedule 0004");
  EXPECT_EQ(Code(ExitCode::NotSafe), run.exitCode) << run.output;
  EXPECT_NE(std::wstring::npos, Text(run).find(folder)) << run.output;
  EXPECT_FALSE(TaskExists(L"Adapter 0004 at boot"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((folder + L"\\quav.exe").c_str()));

  // Windows XP has no Task Scheduler 2.0.
  static constexpr wchar_t kVersionKey[] = L"Software\\Wine\\AppDefaults\\quav.exe";
  test::SetText(HKEY_CURRENT_USER, kVersionKey, L"Version", L"winxp");
  run = Run(L"/schedule 0004");
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kVersionKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    ::RegDeleteValueW(key, L"Version");
    ::RegCloseKey(key);
  }
  EXPECT_EQ(Code(ExitCode::SchedulingNotPossible), run.exitCode) << run.output;
  EXPECT_NE(std::wstring::npos, Text(run).find(L"Windows Vista")) << run.output;
}

}  // namespace
}  // namespace quav::e2e
