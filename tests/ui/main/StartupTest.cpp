#include <windows.h>
#include <commctrl.h>

#include <imm.h>

#include <gtest/gtest.h>

#include "AppVersion.h"
#include "platform/Handles.h"
#include "platform/RegistryApi.h"
#include "support/FakeServices.h"
#include "support/FaultInjectingRegistry.h"
#include "support/RegistryFixture.h"
#include "platform/Settings.h"
#include "ui/main/StartupRules.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMainControls.h"
#include "ui/side/modMenu.h"

namespace quav {
namespace {

using namespace frmMainControls;

using test::StoredString;

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
    form.Create();
  }
  void TearDown() override { test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV"); }

  test::AdapterRegistry adapters;
  test::FakeHost host;
  test::FakeWindows windows;
  frmMain form{MainWindowServices{host, windows, {}, L""}};
};

TEST_F(Startup, LoadSetsTheTitleNoticeAndVersion) {
  form.Form_Load();
  EXPECT_EQ(WindowTitle(), form.Caption());
  EXPECT_EQ(0, host.ended);
  EXPECT_FALSE(form.OS_Version.empty());
  EXPECT_EQ(std::wstring::npos, form.OS_Version.find_first_not_of(L"0123456789.")) << "major.minor.build";
  EXPECT_NE(std::wstring::npos, form.Text(lblDisclaimer).find(L"使用该程序有风险"));
  EXPECT_EQ(6, form.lvwNIC.ColumnCount());
  EXPECT_EQ(1, form.chkFilterActive.Value());
  for (int id : {cmdUpdate, cmdRemove, cmdClear}) EXPECT_FALSE(form.Enabled(id));
  EXPECT_FALSE(::IsWindowVisible(form.Item(picImage))) << "the stripes' scratch box is hidden";
  ASSERT_TRUE(form.lvwNIC.StripeColor());
  EXPECT_EQ(static_cast<COLORREF>(0xFFF1EC), *form.lvwNIC.StripeColor());
}

TEST_F(Startup, LoadAddsOneInertSystemMenuEntry) {
  HMENU menu = ::GetSystemMenu(form.Hwnd(), FALSE);
  const int before = ::GetMenuItemCount(menu);
  form.Form_Load();
  ASSERT_EQ(before + 2, ::GetMenuItemCount(menu));
  EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR), ::GetMenuState(menu, before, MF_BYPOSITION) & MF_SEPARATOR);
  wchar_t text[64] = {};
  ::GetMenuStringW(menu, kSystemMenuEntryId, text, 64, MF_BYCOMMAND);
  EXPECT_STREQ(L"ORV 2003", text);
  ::SendMessageW(form.Hwnd(), WM_SYSCOMMAND, kSystemMenuEntryId, 0);
  EXPECT_TRUE(::IsWindow(form.Hwnd())) << "picking it changes nothing";
  EXPECT_EQ(WindowTitle(), form.Caption());
}

TEST_F(Startup, MenuBarAsDesigned) {
  HMENU bar = ::GetMenu(form.Hwnd());
  ASSERT_EQ(2, ::GetMenuItemCount(bar));
  wchar_t text[64] = {};
  ::GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(L"文件(&F)", text);
  ::GetMenuStringW(bar, 1, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(L"关于(&A)", text);
  HMENU file = ::GetSubMenu(bar, 0);
  // The designed entries, with the random address and the restart in a group
  // of their own before the exit.
  ASSERT_EQ(8, ::GetMenuItemCount(file));
  const std::pair<UINT, const wchar_t*> entries[] = {{mnuView, L"查看日志(&V)"},
                                                     {mnuRefresh, L"刷新(&R)"},
                                                     {mnuRandom, L"随机 MAC 地址(&M)"},
                                                     {mnuRestart, L"重启适配器(&S)"},
                                                     {mnuExit, L"退出(&E)"}};
  for (const auto& [id, caption] : entries) {
    ::GetMenuStringW(file, id, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(caption, text);
  }
  for (const int separator : {1, 3, 6}) EXPECT_TRUE(::GetMenuState(file, separator, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(UINT(mnuExit), ::GetMenuItemID(file, 7));
}

TEST_F(Startup, SecondCopyIsRefusedBeforeAnythingElse) {
  host.previousInstance = true;
  form.Form_Load();
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(L"该程序已经载入到内存。", host.messages[0].text);
  EXPECT_EQ(L"QUAV", host.messages[0].title);
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), host.messages[0].style);
  EXPECT_EQ(1, host.ended);
  EXPECT_TRUE(form.OS_Version.empty()) << "the load stopped at the gate";
}

TEST_F(Startup, TermsDeclinedEndTheProgramWritingNothing) {
  form.Form_Load();
  windows.onAgreement = [] { return false; };
  form.Form_Activate();
  EXPECT_EQ(1, windows.agreementShown);
  EXPECT_EQ(1, host.ended);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_F(Startup, TermsAcceptedAreStoredAndTheListLoads) {
  form.Form_Load();
  windows.onAgreement = [] { return true; };
  form.Form_Activate();
  EXPECT_EQ(0, host.ended);
  EXPECT_EQ(L"1", StoredString(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue));
  EXPECT_EQ(L"<missing>", StoredString(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue)) << "the probe is gone";
  EXPECT_NE(std::wstring::npos, form.Caption().find(L"  ["));
  form.Form_Activate();
  EXPECT_EQ(1, windows.agreementShown) << "the start-up work runs once";
}

TEST_F(Startup, OnlyAgreementOneSkipsTheDialog) {
  form.Form_Load();
  windows.onAgreement = [] { return false; };
  for (const wchar_t* stored : {L"yes", L"2", L""}) {
    test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, stored);
    frmMain again{MainWindowServices{host, windows, {}, L""}};
    again.Create();
    again.Form_Load();
    const int before = windows.agreementShown;
    again.Form_Activate();
    EXPECT_EQ(before + 1, windows.agreementShown) << "stored: " << std::string(stored, stored + wcslen(stored));
  }
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  const int before = windows.agreementShown;
  form.Form_Activate();
  EXPECT_EQ(before, windows.agreementShown);
}

TEST_F(Startup, HideNotifyIsReadAtTheFirstActivationAndOnlyOneSetsIt) {
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  form.Form_Load();
  form.Form_Activate();
  EXPECT_FALSE(form.HideNotify) << "no value";
  using Row = std::pair<const wchar_t*, bool>;
  for (const auto& [stored, hidden] :
       {Row{L"1", true}, Row{L"0", false}, Row{L"yes", false}, Row{L"11", false}, Row{L" 1", false}, Row{L"", false}}) {
    test::SetText(HKEY_CURRENT_USER, kSettingsKey, kHideNotifyValue, stored);
    frmMain again{MainWindowServices{host, windows, {}, L""}};
    again.Create();
    again.Form_Load();
    EXPECT_FALSE(again.HideNotify) << "read at activation, not before";
    again.Form_Activate();
    EXPECT_EQ(hidden, again.HideNotify) << "stored: " << std::string(stored, stored + wcslen(stored));
  }
}

TEST_F(Startup, WithoutWriteRightsTheRightsMessageEndsTheProgram) {
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  form.Form_Load();
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, kRightsProbeKey);
    form.Form_Activate();
  }
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(L"QUAV 发现没有足够的登录权限。" + std::wstring(48, L' ') + L"QUAV 要求当前用户有" +
                std::wstring(29, L' ') + L"完全控制权限。" + std::wstring(34, L' '),
            host.messages[0].text);
  EXPECT_EQ(WindowTitle(), host.messages[0].title) << "the window's title";
  EXPECT_EQ(1, host.ended);
  EXPECT_EQ(L"<missing>", StoredString(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue));
}

TEST_F(Startup, TheRightsProbeIsDeletedEvenWhenItCannotBeReadBack) {
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  form.Form_Load();
  test::FaultInjectingRegistry faults;
  {
    ScopedRegistryApi scope(faults);
    faults.FailEvery(test::RegCall::QueryValueEx, "Access", ERROR_ACCESS_DENIED);
    form.Form_Activate();
  }
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(RightsMessageText(), host.messages[0].text);
  EXPECT_EQ(1, host.ended);
  EXPECT_EQ(L"<missing>", StoredString(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue)) << "nothing left behind";
  EXPECT_EQ(faults.KeysOpened(), faults.KeysClosed());
}

TEST_F(Startup, AgreementThatCannotBeStoredEndsInTheRightsMessage) {
  test::CreateKeyPath(HKEY_CURRENT_USER, kSettingsKey);
  form.Form_Load();
  windows.onAgreement = [] { return true; };
  {
    test::DeniedKey denied(HKEY_CURRENT_USER, kSettingsKey);
    form.Form_Activate();
  }
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_EQ(0u, host.messages[0].text.find(L"QUAV 发现没有足够的登录权限。"));
  EXPECT_EQ(1, host.ended);
}

// The notice box is measured in its own font (two lines plus 40 twips,
// centred in its 440-twip band); the logo has its picture's size, 170 twips
// from the right edge.
TEST_F(Startup, TheNoticeAndTheLogoAreLaidOutFromWhatTheyShow) {
  form.Form_Load();
  const int pixel = 1440 / form.Dpi();  // one pixel's rounding, in twips
  HWND notice = form.Item(picDisclaimer);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(notice, WM_GETFONT, 0, 0));
  ASSERT_NE(nullptr, font);
  LOGFONTW design{};
  ::GetObjectW(font, sizeof design, &design);
  EXPECT_STREQ(L"Microsoft Sans Serif", design.lfFaceName);
  EXPECT_EQ(-::MulDiv(750, form.Dpi(), 7200), design.lfHeight);
  SIZE sample{};
  {
    WindowDc dc(notice);
    SelectedObject selected(dc.get(), font);
    ::GetTextExtentPoint32W(dc.get(), L"Text Sample", 11, &sample);
  }
  const int height = 2 * form.Twips(sample.cy) + 40;
  const RECT box = form.ControlRectTwips(picDisclaimer);
  EXPECT_NEAR(height, box.bottom - box.top, pixel);
  EXPECT_NEAR(height <= 440 ? 4540 + (440 - height) / 2 : 4540, box.top, pixel);

  BITMAP picture{};
  ASSERT_TRUE(::GetObjectW(form.NormalPicture(), sizeof picture, &picture));
  RECT client{};
  ::GetClientRect(form.Item(picLogo), &client);
  EXPECT_EQ(picture.bmWidth, client.right);
  EXPECT_EQ(picture.bmHeight, client.bottom);
  const RECT logo = form.ControlRectTwips(picLogo);
  EXPECT_NEAR(form.ScaleWidthTwips() - 170, logo.right, pixel);
}

// The entry boxes take keys only through their filter: no input method
// composes text into them.
TEST_F(Startup, TheEntryBoxesHaveNoInputMethod) {
  for (int k = 0; k < 6; ++k) {
    HWND box = form.Item(txtMAC(k));
    const HIMC context = ::ImmGetContext(box);
    EXPECT_EQ(nullptr, context) << "box " << k;
    if (context) ::ImmReleaseContext(box, context);
  }
  HWND list = form.Item(lvwNIC);
  const HIMC listContext = ::ImmGetContext(list);
  EXPECT_NE(nullptr, listContext) << "the other controls keep theirs";
  if (listContext) ::ImmReleaseContext(list, listContext);
}

// The window goes before the members its procedures use: the main window's
// own end of the run still happens when the object is destroyed first.
TEST(MainWindowLifetime, TheWindowIsDestroyedBeforeItsMembers) {
  test::InitControls();
  test::FakeHost host;
  test::FakeWindows windows;
  HWND hwnd = nullptr;
  {
    frmMain form{MainWindowServices{host, windows, {}, L""}};
    form.EndRunWhenUnloaded();
    ASSERT_TRUE(form.Create());
    hwnd = form.Hwnd();
  }
  EXPECT_FALSE(::IsWindow(hwnd));
  MSG quit;
  EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "destroyed as the main window";
}

}  // namespace
}  // namespace quav
