// The program on an English Windows: every text it shows, logs and prints.
#include <windows.h>

#include <utility>

#include "adapters/AdapterKeys.h"
#include "e2e/E2EFixture.h"
#include "platform/AnsiText.h"
#include "support/Files.h"
#include "ui/side/frmAbout.h"
#include "ui/side/frmAgreement.h"
#include "ui/side/frmNotification.h"

namespace quav::e2e {
namespace {

using namespace frmMainControls;

constexpr wchar_t kGuid[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";

bool HasCjk(std::wstring_view text) {
  for (const wchar_t c : text) {
    if ((c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF)) return true;
  }
  return false;
}

BOOL CALLBACK AppendText(HWND child, LPARAM all) {
  *reinterpret_cast<std::wstring*>(all) += L"\n" + WindowText(child);
  return TRUE;
}

// The texts of a window and of every control in it.
std::wstring TextsOf(HWND window) {
  std::wstring texts = WindowText(window);
  ::EnumChildWindows(window, AppendText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

class English : public E2E {
 protected:
  void SetUp() override {
    // Run in an English locale (english.e2e_tests): the program takes the
    // interface language of the Windows it starts on.
    ASSERT_NE(LANG_CHINESE, PRIMARYLANGID(::GetUserDefaultUILanguage()));
    E2E::SetUp();
    ForgetSettings();  // a new user: the terms come first
    const std::optional<test::OwnInterface> own = test::FirstOwnInterface();
    ASSERT_TRUE(own);
    adapters.AddConnection(kGuid);
    adapters.AddAdapter(L"0004", L"Intel(R) PRO/1000 MT", kGuid, own->address);
    app = std::make_unique<QuavApp>(TestName());
    SwitchWmi(false);
  }
};

TEST_F(English, EverythingANewUserReadsIsEnglish) {
  app->Start();
  HWND terms = app->WaitForWindowOfClass(L"QUAV.frmAgreement", 20s);
  ASSERT_TRUE(terms) << "no terms dialog";
  app->Settle();
  EXPECT_FALSE(HasCjk(TextsOf(terms)));
  EXPECT_EQ(L"&Accept", WindowText(::GetDlgItem(terms, frmAgreementControls::cmdAccept)));
  app->Screenshot(terms, L"english-terms");
  app->PressDialogButton(terms, frmAgreementControls::cmdAccept);
  ASSERT_TRUE(app->WaitForMainWindow());
  ASSERT_TRUE(app->WaitForListLoaded());
  app->Settle();
  ASSERT_EQ(1u, app->Rows().size());
  EXPECT_EQ(L"No", app->Rows()[0][2]);
  EXPECT_FALSE(HasCjk(TextsOf(app->Main())));

  for (int k = 0; k < 6; ++k) app->Type(txtMAC(k), std::wstring(L"0012345678ab" + 2 * k, 2));
  // The picture buttons say what they do.
  for (const auto& [button, said] : {std::pair{cmdClear, L"Clear the new spoofed MAC address"},
                                     std::pair{cmdActiveMAC, L"Copy to the new spoofed MAC address"}}) {
    MoveMouseTo(CentreOf(app->Control(button)));
    const HWND tip = app->WaitForWindowOfClass(L"tooltips_class32");
    ASSERT_TRUE(tip) << "no tip over " << button;
    EXPECT_TRUE(WaitUntil([&] { return WindowText(tip) == said; })) << WindowText(tip);
    if (button == cmdClear) app->Screenshot(app->Main(), L"english-main-window-tip");
    MoveMouseTo(POINT{0, 0});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(tip); }));
  }
  app->Click(cmdUpdate);
  HWND notice = app->WaitForWindowOfClass(L"QUAV.frmNotification", 10s);
  ASSERT_TRUE(notice) << "no restart notice";
  EXPECT_FALSE(HasCjk(TextsOf(notice)));
  app->Screenshot(notice, L"english-notice");
  app->PressDialogButton(notice, frmNotificationControls::cmdOK);
  ASSERT_TRUE(WaitUntil([&] { return app->Rows()[0][2] == L"Yes"; }));
  app->Screenshot(app->Main(), L"english-main-window");
  app->Command(mnuAbout);
  HWND about = app->WaitForWindowOfClass(L"QUAV.frmAbout");
  ASSERT_TRUE(about);
  EXPECT_FALSE(HasCjk(TextsOf(about)));
  app->Screenshot(about, L"english-about");
  app->PressDialogButton(about, frmAboutControls::cmdOK);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
  app->Click(cmdRemove);
  ASSERT_TRUE(WaitUntil([&] { return test::LineCount(test::FileBytes(app->LogPath())) == 2; }, 20s));

  const std::wstring log = FromAnsi(test::FileBytes(app->LogPath()));
  EXPECT_FALSE(HasCjk(log)) << std::string(log.begin(), log.end());
  EXPECT_NE(std::wstring::npos, log.find(L"]   Adapter   [0004]         Spoofed MAC address from       ["));
  EXPECT_NE(std::wstring::npos, log.find(L"]  to [00-12-34-56-78-AB]   User  ["));
  EXPECT_NE(std::wstring::npos, log.find(L"Spoofed MAC address removed"));
  app->Kill();

  // A run in Chinese logs in the log's one language too: on this code page
  // the Chinese words would become "?".
  const ConsoleRun set = app->Run(L"/lang zh /set 0004 02-00-00-00-00-01");
  EXPECT_EQ(0u, set.exitCode) << set.output;
  const std::string lines = test::FileBytes(app->LogPath());
  ASSERT_EQ(3u, test::LineCount(lines));
  const std::string last = lines.substr(lines.rfind("\r\n", lines.size() - 3) + 2);
  EXPECT_NE(std::string::npos, last.find("]   Adapter   [0004]")) << last;
  EXPECT_EQ(std::string::npos, last.find('?')) << last;

  const ConsoleRun help = app->Run(L"/?");
  EXPECT_NE(std::string::npos, help.output.find("Usage:")) << help.output;
  EXPECT_FALSE(HasCjk(FromAnsi(help.output))) << help.output;
  // The switch chooses the language for one run (its Chinese, through this
  // code page, is not readable here).
  const ConsoleRun chinese = app->Run(L"/lang zh /?");
  EXPECT_EQ(std::string::npos, chinese.output.find("Usage:")) << chinese.output;
  EXPECT_NE(std::string::npos, chinese.output.find("quav.exe /list")) << chinese.output;
}

}  // namespace
}  // namespace quav::e2e
