#include "cli/ConsoleCommands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "change/ChangeLog.h"
#include "support/FakeServices.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "platform/Settings.h"

namespace quav {
namespace {

int windowsCreated = 0;

LRESULT CALLBACK CountCreations(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) ++windowsCreated;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Counts the windows this thread creates for the scope.
class CreationCount {
 public:
  CreationCount() : hook_(::SetWindowsHookExW(WH_CBT, CountCreations, nullptr, ::GetCurrentThreadId())) {
    windowsCreated = 0;
  }
  ~CreationCount() { ::UnhookWindowsHookEx(hook_); }
  CreationCount(const CreationCount&) = delete;
  CreationCount& operator=(const CreationCount&) = delete;
  bool Counting() const { return hook_ != nullptr; }

 private:
  HHOOK hook_;
};

// The command line in process, on adapter 0007 of the registry pass, with the
// terms accepted and the devices and interface table stood in for. Its log
// goes beside the test program, and is removed before and after.
class ConsoleCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    adapters.AddAdapter(L"0007", L"Intel(R) PRO/1000 MT", L"{AAAAAAAA-0000-0000-0000-000000000001}", L"10.0.0.7");
    test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
    ::DeleteFileW(LogFileBesideProgram().c_str());
  }
  void TearDown() override {
    test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
    ::DeleteFileW(LogFileBesideProgram().c_str());
  }
  ExitCode Run(const std::vector<std::wstring>& arguments) { return RunCommandLine(arguments, {devices, facts}, out); }

  test::AdapterRegistry adapters;
  test::FakeDevices devices;
  test::FakeFacts facts;
  ConsoleOutput out;
};

// Wine without a display can make no window at all: the listing needs none.
TEST_F(ConsoleCommands, ListMakesNoWindow) {
  ExitCode code = ExitCode::Usage;
  {
    const CreationCount count;
    ASSERT_TRUE(count.Counting());
    code = Run({L"/list"});
  }
  EXPECT_EQ(ExitCode::Done, code);
  EXPECT_EQ(0, windowsCreated);
}

TEST_F(ConsoleCommands, ARestartThatLeavesTheAdapterDisabledHasItsCodeAndIsLogged) {
  devices.result = {RestartStatus::LeftDisabled, 31};
  EXPECT_EQ(ExitCode::AdapterLeftDisabled, Run({L"/restart", L"0007"}));
  EXPECT_EQ(std::vector<std::wstring>{L"0007"}, devices.restarted);
  const std::string log = test::FileBytes(LogFileBesideProgram());
  EXPECT_EQ(1u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.find(" 31)]")) << log;
}

}  // namespace
}  // namespace quav
