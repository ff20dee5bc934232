// Starting and ending the real program: its gates and what it leaves behind.
#include <windows.h>
#include <sddl.h>

#include "e2e/E2EFixture.h"
#include "platform/Settings.h"
#include "ui/main/StartupRules.h"
#include "ui/main/SystemProgramHost.h"
#include "ui/WindowTitle.h"

namespace quav::e2e {
namespace {

using namespace frmMainControls;

// Makes Wine report another Windows version to quav.exe alone.
class ReportedWindows {
 public:
  explicit ReportedWindows(const wchar_t* version) { test::SetText(HKEY_CURRENT_USER, kKey, L"Version", version); }
  ~ReportedWindows() { test::DeleteTree(HKEY_CURRENT_USER, kKey); }
  ReportedWindows(const ReportedWindows&) = delete;
  ReportedWindows& operator=(const ReportedWindows&) = delete;

 private:
  static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\quav.exe";
};

class Start : public E2E {
 protected:
  // Dismisses a copy's refusal and watches it to its end: a main window
  // showing at any moment, before or after the answer, fails.
  void ExpectRefusedWithoutMainWindow(QuavApp& quav, HWND message) {
    EXPECT_FALSE(quav.WaitForMainWindow(0ms)) << "a main window beside the refusal";
    quav.PressDialogButton(message, IDOK);
    bool shown = false;
    const bool ended = WaitUntil(
        [&] {
          if (quav.WaitForMainWindow(0ms)) shown = true;
          return !quav.Running();
        },
        10s);
    EXPECT_TRUE(ended) << "the refused copy did not end";
    EXPECT_FALSE(shown) << "a main window for the refused copy";
  }
};

TEST_F(Start, SecondCopyIsRefused) {
  QuavApp& first = Launch();
  QuavApp second(TestName() + L"-second");
  second.Start();
  std::optional<Dialog> message = second.WaitForDialog(L"QUAV", 20s);
  ASSERT_TRUE(message);
  EXPECT_EQ(L"该程序已经载入到内存。", message->text);
  ExpectRefusedWithoutMainWindow(second, message->hwnd);
  EXPECT_TRUE(first.Running());
}

// Another program took the instance name first and denies everyone access:
// the name is taken all the same.
TEST_F(Start, InstanceNameHeldWithoutAccessCountsAsASecondCopy) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(D;;GA;;;WD)", SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  UniqueHandle held(::CreateMutexW(&attributes, FALSE, kInstanceMutexName));
  ::LocalFree(descriptor);
  ASSERT_TRUE(held);
  // Under Wine an open for SYNCHRONIZE alone still succeeds; the full access
  // a creator asks for is denied, as on Windows.
  UniqueHandle opened(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName));
  ASSERT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ::GetLastError());
  ASSERT_FALSE(opened) << "the name must deny access";

  app = std::make_unique<QuavApp>(TestName());
  app->Start();
  std::optional<Dialog> message = app->WaitForDialog(L"QUAV", 20s);
  ASSERT_TRUE(message);
  EXPECT_EQ(L"该程序已经载入到内存。", message->text);
  ExpectRefusedWithoutMainWindow(*app, message->hwnd);
}

TEST_F(Start, WindowsNT4IsRefusedAndXPAnd2000Pass) {
  {
    ReportedWindows nt4(L"nt40");
    app = std::make_unique<QuavApp>(TestName());
    app->Start();
    std::optional<Dialog> message = app->WaitForDialog(L"QUAV", 20s);
    ASSERT_TRUE(message);
    EXPECT_EQ(L"该程序要求运行于 Windows 2000 或 Windows XP。", message->text);
    app->PressDialogButton(message->hwnd, IDOK);
    EXPECT_TRUE(app->WaitForExit());
  }
  for (const wchar_t* version : {L"winxp", L"win2k"}) {
    ReportedWindows old(version);
    QuavApp& quav = Launch();
    EXPECT_EQ(WindowTitle() + L"  [  无数据  ]", quav.Title()) << "started and loaded";
    quav.Kill();
  }
}

TEST_F(Start, SuccessfulStartLeavesNoProbeBehind) {
  QuavApp& quav = Launch();
  EXPECT_TRUE(quav.Running());
  EXPECT_FALSE(test::ReadRaw(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue));
  EXPECT_EQ(L"1", Setting(kAgreementValue));
}

TEST_F(Start, WithoutWriteRightsBelowTheMachineKeyTheProgramEnds) {
  test::DeniedKey denied(HKEY_LOCAL_MACHINE, kRightsProbeKey);
  app = std::make_unique<QuavApp>(TestName());
  app->Start();
  std::optional<Dialog> message = app->WaitForDialog(WindowTitle(), 20s);
  ASSERT_TRUE(message);
  EXPECT_EQ(RightsMessageText(), message->text);
  app->PressDialogButton(message->hwnd, IDOK);
  EXPECT_TRUE(app->WaitForExit());
}

}  // namespace
}  // namespace quav::e2e
