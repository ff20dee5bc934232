// The terms of use on the first start for a Windows user.
#include <windows.h>

#include "e2e/E2EFixture.h"
#include "platform/Settings.h"
#include "ui/side/frmAgreement.h"

namespace quav::e2e {
namespace {

using namespace frmAgreementControls;

class Terms : public E2E {
 protected:
  void SetUp() override {
    E2E::SetUp();
    ForgetSettings();  // a Windows user who never accepted
    app = std::make_unique<QuavApp>(TestName());
    SwitchWmi(false);
    app->Start();
    dialog = app->WaitForWindowOfClass(L"QUAV.frmAgreement", 20s);
    ASSERT_TRUE(dialog) << "no terms dialog";
    app->Settle();
  }
  HWND Item(int id) const { return ::GetDlgItem(dialog, id); }
  HWND dialog = nullptr;
};

TEST_F(Terms, FirstStartShowsTheTermsAndDecliningEndsWithNothingWritten) {
  EXPECT_EQ(L"QUAV 1.2许可协议", WindowText(dialog));
  EXPECT_EQ(L"请阅读下面的许可协议。使用滚动条查看所有协议。", WindowText(Item(lblInstruct1)));
  EXPECT_EQ(0u, WindowText(Item(txtLicense)).find(L"ORV"));
  EXPECT_NE(std::wstring::npos, WindowText(Item(txtLicense)).find(L"最终用户许可协议:"));
  EXPECT_EQ(L"同意(&A)", WindowText(Item(cmdAccept)));
  EXPECT_EQ(L"拒绝(&D)", WindowText(Item(cmdDecline)));
  app->Screenshot(dialog, L"terms-dialog");
  app->PressDialogButton(dialog, cmdDecline);
  EXPECT_TRUE(app->WaitForExit());
  EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "nothing written";
}

TEST_F(Terms, EnterRightAfterOpeningDeclines) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
  EXPECT_EQ(Item(cmdDecline), info.hwndFocus);
  app->PressKey(info.hwndFocus, VK_RETURN);
  EXPECT_TRUE(app->WaitForExit());
  EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_F(Terms, AcceptingIsStoredAndTheNextStartAsksNoMore) {
  app->PressDialogButton(dialog, cmdAccept);
  ASSERT_TRUE(app->WaitForMainWindow());
  EXPECT_TRUE(app->WaitForListLoaded());
  EXPECT_EQ(L"1", Setting(kAgreementValue));
  app->Kill();

  QuavApp& again = Launch();
  // The list is read only after the terms are settled: once it is there, a
  // terms dialog would be on the screen already.
  ASSERT_TRUE(again.WaitForListLoaded());
  EXPECT_FALSE(again.WaitForWindowOfClass(L"QUAV.frmAgreement", 0ms));
  EXPECT_EQ(L"QUAV 1.2  [  无数据  ]", again.Title());
}

}  // namespace
}  // namespace quav::e2e
