#include "cli/ConsoleCommands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/FakeServices.h"
#include "support/RegistryFixture.h"
#include "ui/main/StartupRules.h"

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

// Wine without a display can make no window at all: the listing needs none.
TEST(ConsoleCommands, ListMakesNoWindow) {
  test::AdapterRegistry adapters;
  adapters.AddAdapter(L"0007", L"Intel(R) PRO/1000 MT", L"{AAAAAAAA-0000-0000-0000-000000000001}", L"10.0.0.7");
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  test::FakeDevices devices;
  test::FakeFacts facts;
  ConsoleOutput out;
  ExitCode code = ExitCode::Usage;
  {
    const CreationCount count;
    ASSERT_TRUE(count.Counting());
    code = RunCommandLine({L"/list"}, {devices, facts}, out);
  }
  test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
  EXPECT_EQ(ExitCode::Done, code);
  EXPECT_EQ(0, windowsCreated);
}

}  // namespace
}  // namespace quav
