// Changing and removing an address on the real program, as a user would.
#include <windows.h>

#include <filesystem>

#include "adapters/AdapterKeys.h"
#include "e2e/E2EFixture.h"
#include "ui/side/frmNotification.h"
#include "change/NewAddressRules.h"
#include "support/Files.h"
#include "platform/Settings.h"
#include "ui/WindowTitle.h"

namespace quav::e2e {
namespace {

using namespace frmMainControls;

constexpr wchar_t kGuid[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";

class Change : public E2E {
 protected:
  void SetUp() override {
    E2E::SetUp();
    own = test::FirstOwnInterface();
    ASSERT_TRUE(own);
    adapters.AddConnection(kGuid);
    adapters.AddAdapter(L"0004", L"Intel(R) PRO/1000 MT", kGuid, own->address);
  }
  std::wstring Stored() {
    return test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0004"),
                              std::wstring(kNetworkAddressValue));
  }
  void TypeAddress(QuavApp& quav, const wchar_t* twelve) {
    for (int k = 0; k < 6; ++k) quav.Type(txtMAC(k), std::wstring(twelve + 2 * k, 2));
  }
  // Answers the restart notice; true when one came.
  bool AnswerNotice(QuavApp& quav, bool hide) {
    HWND notice = quav.WaitForWindowOfClass(L"QUAV.frmNotification", 5s);
    if (!notice) return false;
    EXPECT_EQ(L"更新注意", WindowText(notice));
    EXPECT_EQ(L"MAC 地址更新后将在网络适配器禁用/启用或重启计算机后生效。请参照自述文件的 '激活新的 MAC 地址 ' 附加信息部分。",
              WindowText(::GetDlgItem(notice, frmNotificationControls::lblNotify)));
    if (hide) quav.PressDialogButton(notice, frmNotificationControls::chkHide);
    quav.Screenshot(notice, L"restart-notice");
    quav.PressDialogButton(notice, frmNotificationControls::cmdOK);
    return WaitUntil([&] { return !::IsWindow(notice); }, 5s);
  }
  // A notice comes right after the change's log line, in the same handler:
  // once the line is written and the window answers again, a notice would
  // be up, so only then is its absence worth asserting.
  void ExpectNoNoticeOnceLogged(QuavApp& quav, size_t lines) {
    const bool logged = WaitUntil([&] { return test::LineCount(test::FileBytes(quav.LogPath())) == lines; }, 20s);
    ASSERT_TRUE(logged) << "the log has " << test::LineCount(test::FileBytes(quav.LogPath())) << " lines, not "
                        << lines;
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(quav.Main(), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored))
        << "the window did not answer";
    EXPECT_FALSE(quav.WaitForWindowOfClass(L"QUAV.frmNotification", 1s));
  }
  std::optional<test::OwnInterface> own;
};

TEST_F(Change, UpdateNoticeAndRemoval) {
  QuavApp& quav = Launch();
  ASSERT_EQ(1u, quav.Rows().size());
  TypeAddress(quav, L"0012345678ab");
  ASSERT_TRUE(quav.Enabled(cmdUpdate));
  quav.Click(cmdUpdate);
  ASSERT_TRUE(AnswerNotice(quav, false));
  EXPECT_EQ(L"0012345678AB", Stored());
  EXPECT_EQ(L"是", quav.Rows()[0][2]);
  EXPECT_EQ(L" 00-12-34-56-78-AB", quav.Text(lblSpoofedMAC));
  EXPECT_TRUE(quav.Enabled(cmdRemove));
  EXPECT_EQ(L"0", Setting(kHideNotifyValue));
  std::string log = test::FileBytes(quav.LogPath());
  EXPECT_EQ(1u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.find("00-12-34-56-78-AB"));
  quav.Screenshot(quav.Main(), L"main-window-after-update");

  // The box left clear: the notice comes again; ticked, never more.
  TypeAddress(quav, L"02aabbccddee");
  quav.Click(cmdUpdate);
  ASSERT_TRUE(AnswerNotice(quav, true));
  EXPECT_EQ(L"02AABBCCDDEE", Stored());
  EXPECT_EQ(L"1", Setting(kHideNotifyValue));
  quav.Click(cmdUpdate);
  ExpectNoNoticeOnceLogged(quav, 3);

  quav.Click(cmdRemove);
  ExpectNoNoticeOnceLogged(quav, 4);  // none after a removal
  EXPECT_EQ(L"<missing>", Stored());
  EXPECT_EQ(L"否", quav.Rows()[0][2]);
  EXPECT_EQ(L"", quav.Text(lblSpoofedMAC));
  EXPECT_FALSE(quav.Enabled(cmdRemove));
  log = test::FileBytes(quav.LogPath());
  EXPECT_EQ(4u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.rfind("\xC9\xBE\xB3\xFD")) << "删除 in code page 936";
}

TEST_F(Change, NextStartRemembersTheHiddenNotice) {
  SetSetting(kHideNotifyValue, L"1");
  QuavApp& quav = Launch();
  TypeAddress(quav, L"0012345678AB");
  quav.Click(cmdUpdate);
  ExpectNoNoticeOnceLogged(quav, 1);
  EXPECT_EQ(L"0012345678AB", Stored());
  EXPECT_EQ(L"1", Setting(kHideNotifyValue)) << "unchanged";
}

TEST_F(Change, RefusedWriteIsReportedAndNothingChanges) {
  QuavApp& quav = Launch();
  TypeAddress(quav, L"0012345678AB");
  test::DeniedKey denied(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0004"));
  quav.Click(cmdUpdate);
  std::optional<Dialog> message = quav.WaitForDialog(WindowTitle());
  ASSERT_TRUE(message);
  EXPECT_NE(std::wstring::npos, message->text.find(L"0004"));
  quav.Screenshot(message->hwnd, L"refused-write");
  quav.PressDialogButton(message->hwnd, IDOK);
  EXPECT_EQ(L"否", quav.Rows()[0][2]);
  EXPECT_EQ(L" ", quav.Text(lblSpoofedMAC));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(quav.LogPath())));
}

// The editor is the system's Notepad, never a Notepad.exe beside the program
// or in the folder it was started from (a download folder): those would run
// with the program's rights. Wine's ShellExecute finds a bare name in the
// system folder before these, so here the planted copies would stay unused
// even by name; ChangeLogTest holds the full path itself.
TEST_F(Change, ViewLogCreatesAnEmptyLogAndOpensTheSystemsNotepad) {
  app = std::make_unique<QuavApp>(TestName());
  const std::wstring current = app->Folder() + L"\\Downloads";
  ASSERT_TRUE(::CreateDirectoryW(current.c_str(), nullptr));
  const std::wstring planted[] = {app->Folder() + L"\\Notepad.exe", current + L"\\Notepad.exe"};
  for (const std::wstring& path : planted) ASSERT_TRUE(::CopyFileW(ProgramProbeExe().c_str(), path.c_str(), FALSE));
  app->SetCurrentFolder(current);
  // Without notepad.exe=n Wine would put its builtin in place of a planted
  // Notepad.exe; the b keeps the system's own starting (with n alone it
  // fails to load, c0000135).
  SwitchWmi(false);
  app->SetEnvironment(L"WINEDLLOVERRIDES", L"mscoree,mshtml=;notepad.exe=n,b");
  app->Start();
  ASSERT_TRUE(app->WaitForMainWindow());
  ASSERT_TRUE(app->WaitForListLoaded());
  app->Settle();

  ASSERT_FALSE(std::filesystem::exists(std::filesystem::path(app->LogPath())));
  app->Command(mnuView);
  ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(std::filesystem::path(app->LogPath())); }));
  EXPECT_EQ("\r\n", test::FileBytes(app->LogPath()));
  HWND editor = nullptr;
  EXPECT_TRUE(WaitUntil([&] { return (editor = ::FindWindowW(L"Notepad", nullptr)) != nullptr; }, 20s));
  for (const std::wstring& path : planted) {
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path + L".ran"))) << "the planted program ran";
  }
  if (editor) {
    EXPECT_NE(std::wstring::npos, WindowText(editor).find(L"QUAV.log"));
    ::PostMessageW(editor, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([] { return ::FindWindowW(L"Notepad", nullptr) == nullptr; }));
  }
}

// The random address, the warning before a group address, and a restart that
// Wine cannot do (it has no network device), from the menu and the notice.
TEST_F(Change, RandomAddressWarningAndARestartThatIsNotPossible) {
  QuavApp& quav = Launch();
  const std::wstring title = WindowTitle();
  quav.Command(mnuRandom);
  std::wstring joined;
  for (int k = 0; k < 6; ++k) joined += quav.Text(txtMAC(k));
  const std::optional<MacBytes> random = ParseMacArgument(joined);
  ASSERT_TRUE(random) << joined;
  EXPECT_TRUE(IsLocallyAdministered(*random) && !IsGroupAddress(*random));
  EXPECT_TRUE(quav.Enabled(cmdUpdate));
  EXPECT_EQ(L"<missing>", Stored()) << "filling the boxes stores nothing";

  TypeAddress(quav, L"01005E000001");
  quav.Click(cmdUpdate);
  std::optional<Dialog> warning = quav.WaitForDialog(title);
  ASSERT_TRUE(warning);
  EXPECT_NE(std::wstring::npos, warning->text.find(L"组播"));
  quav.Screenshot(warning->hwnd, L"group-address-warning");
  quav.PressDialogButton(warning->hwnd, IDNO);
  EXPECT_EQ(L"<missing>", Stored());
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(quav.LogPath())));

  TypeAddress(quav, L"02AABBCCDDEE");
  quav.Click(cmdUpdate);
  HWND notice = quav.WaitForWindowOfClass(L"QUAV.frmNotification", 5s);
  ASSERT_TRUE(notice);
  quav.Screenshot(notice, L"restart-notice-with-restart");
  quav.PressDialogButton(notice, frmNotificationControls::cmdRestart);
  std::optional<Dialog> message = quav.WaitForDialog(title, 20s);
  ASSERT_TRUE(message);
  EXPECT_EQ(0u, message->text.find(L"无法重启网络适配器 0004")) << message->text;
  quav.Screenshot(message->hwnd, L"restart-not-possible");
  quav.PressDialogButton(message->hwnd, IDOK);
  EXPECT_EQ(L"02AABBCCDDEE", Stored()) << "the change stands";

  quav.Command(mnuRestart);
  message = quav.WaitForDialog(title, 20s);
  ASSERT_TRUE(message);
  EXPECT_EQ(0u, message->text.find(L"无法重启网络适配器 0004")) << message->text;
  quav.PressDialogButton(message->hwnd, IDOK);
  EXPECT_TRUE(quav.Running());
  EXPECT_EQ(1u, test::LineCount(test::FileBytes(quav.LogPath()))) << "only the change: no restart happened";
}

}  // namespace
}  // namespace quav::e2e
