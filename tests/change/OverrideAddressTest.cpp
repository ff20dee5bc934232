#include <windows.h>

#include <gtest/gtest.h>

#include "adapters/AdapterKeys.h"
#include "ui/main/FillAdapterList.h"
#include "platform/Handles.h"
#include "platform/RegistryApi.h"
#include "support/FakeServices.h"
#include "support/FaultInjectingRegistry.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "support/ScratchFolder.h"
#include "platform/Settings.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMainControls.h"

namespace quav {
namespace {

using namespace frmMainControls;

// The main window with two listed adapters, 0007 selected, showing its active
// address; the log goes to a scratch folder.
class OverrideAddress : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InitControls();
    test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
    adapters.AddClass(L"0003", L"Other", nullptr);
    adapters.AddClass(L"0007", L"Intel(R) PRO/1000 MT", nullptr);
    form.Create();
    form.Activated = true;
    form.Form_Load();
    for (const wchar_t* id : {L"0007", L"0003"}) {
      const long row = form.lvwNIC.AddItem(id);
      const wchar_t* texts[] = {L"是", L"否", L"Adapter", L"10.0.0.7", L"00-0C-29-3A-4B-5C"};
      for (int column = 1; column <= 5; ++column) form.lvwNIC.SetSubItem(row, column, texts[column - 1]);
    }
    form.SelectFirstAdapter(form.lvwNIC);
    ASSERT_EQ(L"0007", form.SelectedAdapterIndex);
  }
  void TearDown() override { test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV"); }

  void TypeAddress(const std::array<const wchar_t*, 6>& boxes) {
    for (int k = 0; k < 6; ++k) form.SetTxtMAC(k, boxes[static_cast<size_t>(k)]);
  }
  std::wstring Column2(const wchar_t* id) {
    for (long row = 1; row <= form.lvwNIC.Count(); ++row) {
      if (form.lvwNIC.Text(row) == id) return form.lvwNIC.SubItem(row, 2);
    }
    return L"<no row>";
  }
  std::wstring Stored(const wchar_t* id) {
    return test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(id),
                              std::wstring(kNetworkAddressValue));
  }
  std::string Log() { return test::FileBytes(folder.Path() + L"\\QUAV.log"); }
  static std::wstring HideNotifySetting() {
    return test::StoredString(HKEY_CURRENT_USER, kSettingsKey, kHideNotifyValue);
  }

  test::AdapterRegistry adapters;
  test::ScratchFolder folder;
  test::FakeHost host;
  test::FakeWindows windows;
  frmMain form{MainWindowServices{host, windows, {}, folder.Path()}};
};

TEST_F(OverrideAddress, UpdateStoresTheTwelveDigitsAndShowsThem) {
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  windows.onNotification = [] { return NotificationChoice{false, false}; };
  form.cmdUpdate_Click();
  EXPECT_EQ(L"0012345678AB", Stored(L"0007"));
  EXPECT_EQ(L" 00-12-34-56-78-AB", form.Text(lblSpoofedMAC));
  EXPECT_EQ(L"是", Column2(L"0007"));
  EXPECT_EQ(L"0007", form.lvwNIC.Text(1)) << "overrides sort first";
  EXPECT_TRUE(form.Enabled(cmdRemove));
  EXPECT_TRUE(form.Enabled(cmdSpoofMAC));
  const std::string log = Log();
  EXPECT_EQ(1u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.find("00-0C-29-3A-4B-5C")) << "the from address";
  EXPECT_NE(std::string::npos, log.find("00-12-34-56-78-AB"));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(1, windows.notificationShown);
  EXPECT_EQ(L"0", HideNotifySetting());
}

TEST_F(OverrideAddress, TheNoticeChoiceIsStoredAndThenNoNoticeFollows) {
  TypeAddress({L"02", L"00", L"00", L"00", L"00", L"01"});
  windows.onNotification = [] { return NotificationChoice{true, false}; };
  form.cmdUpdate_Click();
  EXPECT_EQ(L"1", HideNotifySetting());
  test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
  form.cmdUpdate_Click();
  EXPECT_EQ(1, windows.notificationShown);
  EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "not written again";
  EXPECT_EQ(2u, test::LineCount(Log()));
}

TEST_F(OverrideAddress, RemoveDeletesTheValueWithoutNotice) {
  adapters.SetNetworkAddress(L"0007", L"0012345678AB");
  form.ShowSelectedAdapter(form.lvwNIC, 1);
  form.cmdRemove_Click();
  EXPECT_EQ(L"<missing>", Stored(L"0007"));
  EXPECT_EQ(L"否", Column2(L"0007"));
  EXPECT_EQ(L"", form.Text(lblSpoofedMAC));
  EXPECT_FALSE(form.Enabled(cmdRemove));
  EXPECT_FALSE(form.Enabled(cmdSpoofMAC));
  EXPECT_TRUE(form.Enabled(cmdUpdate)) << "the boxes still hold the stored address";
  EXPECT_EQ(1u, test::LineCount(Log()));
  EXPECT_EQ(0, windows.notificationShown);

  form.cmdClear_Click();
  form.cmdRemove_Click();
  EXPECT_FALSE(form.Enabled(cmdUpdate));
  EXPECT_EQ(2u, test::LineCount(Log())) << "removing nothing is still a removal";
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(OverrideAddress, ALoneDigitIsCompletedBeforeItIsStored) {
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"A"});
  form.HideNotify = true;
  form.cmdUpdate_Click();
  EXPECT_EQ(L"00123456780A", Stored(L"0007"));
  EXPECT_EQ(L"0A", form.TxtMAC(5));
}

TEST_F(OverrideAddress, RefusedWriteChangesNothingAndSaysWhy) {
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  form.SetCaption(WindowTitle() + ScanMarker(kScanFromWmi));
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"));
    form.cmdUpdate_Click();
  }
  EXPECT_EQ(L"<missing>", Stored(L"0007"));
  EXPECT_EQ(L"否", Column2(L"0007"));
  EXPECT_EQ(L" ", form.Text(lblSpoofedMAC));
  EXPECT_FALSE(form.Enabled(cmdRemove));
  EXPECT_EQ("", Log());
  EXPECT_EQ(0, windows.notificationShown);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"0007"));
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"(错误 5)"));
  EXPECT_EQ(WindowTitle(), host.messages[0].title) << "the program's title, not the list's marker";
}

TEST_F(OverrideAddress, NoNewKeyIsCreatedForAnAdapterThatHasGone) {
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  test::DeleteTree(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"));
  form.cmdUpdate_Click();
  EXPECT_FALSE(test::KeyExists(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007")));
  EXPECT_EQ(L"否", Column2(L"0007"));
  EXPECT_EQ("", Log());
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"注册表项不存在"));
}

TEST_F(OverrideAddress, RefusedRemovalChangesNothing) {
  adapters.SetNetworkAddress(L"0007", L"0012345678AB");
  form.ShowSelectedAdapter(form.lvwNIC, 1);
  form.lvwNIC.SetSubItem(1, 2, L"是");
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"));
    form.cmdRemove_Click();
  }
  EXPECT_EQ(L"0012345678AB", Stored(L"0007"));
  EXPECT_EQ(L"是", Column2(L"0007"));
  EXPECT_EQ(L" 00-12-34-56-78-AB", form.Text(lblSpoofedMAC));
  EXPECT_TRUE(form.Enabled(cmdRemove));
  EXPECT_EQ("", Log());
  ASSERT_EQ(1u, host.messages.size());
}

TEST_F(OverrideAddress, AnUnwritableLogIsReportedAndTheChangeStands) {
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  form.HideNotify = true;
  const std::wstring log = folder.Path() + L"\\QUAV.log";
  {
    UniqueFile locked(::CreateFileW(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(locked);
    form.cmdUpdate_Click();
    EXPECT_EQ(L"0012345678AB", Stored(L"0007"));
    EXPECT_EQ(L"是", Column2(L"0007"));
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_NE(std::wstring::npos, host.messages[0].text.find(log));
    form.cmdRemove_Click();
    EXPECT_EQ(L"<missing>", Stored(L"0007"));
    EXPECT_EQ(2u, host.messages.size());
  }
  EXPECT_EQ("", test::FileBytes(log));
}

TEST_F(OverrideAddress, AnAdapterNamedWithALineBreakLogsOneLinePerChange) {
  const std::wstring forged = L"0009]\r\n2024/5/17 9:06:00 [PC]   设备   [0003";
  adapters.AddClass(forged, L"Forged", nullptr);
  const long row = form.lvwNIC.AddItem(forged);
  form.lvwNIC_ItemClick(row);
  ASSERT_EQ(forged, form.SelectedAdapterIndex);
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  form.HideNotify = true;
  form.cmdUpdate_Click();
  form.cmdRemove_Click();
  EXPECT_EQ(L"<missing>", Stored(forged.c_str()));
  const std::string log = Log();
  EXPECT_EQ(2u, test::LineCount(log));
  EXPECT_EQ(std::string::npos, log.find("\r\n2024")) << log;
}

TEST_F(OverrideAddress, AChangeThatCannotBeReadBackStandsOnTheRegistrysWord) {
  // Reading back fails after a good write and after a good deletion: the
  // registry said it was done, and it was.
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  form.HideNotify = true;
  for (int pass = 0; pass < 2; ++pass) {
    test::FaultInjectingRegistry faults;
    ScopedRegistryApi scope(faults);
    faults.FailEvery(test::RegCall::QueryValueEx, "NetworkAddress", ERROR_ACCESS_DENIED);
    pass == 0 ? form.cmdUpdate_Click() : form.cmdRemove_Click();
    EXPECT_EQ(faults.KeysOpened(), faults.KeysClosed());
  }
  EXPECT_EQ(L"<missing>", Stored(L"0007"));
  EXPECT_EQ(L"否", Column2(L"0007"));
  EXPECT_EQ(L"", form.Text(lblSpoofedMAC));
  const std::string log = Log();
  ASSERT_EQ(2u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.find("00-12-34-56-78-AB"));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(OverrideAddress, AFailedCloseWhenReadingBackDoesNotUndoTheWrite) {
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  form.HideNotify = true;
  test::FaultInjectingRegistry faults;
  {
    ScopedRegistryApi scope(faults);
    faults.FailCall(test::RegCall::CloseKey, 2, 1450);  // the read-back's
    form.cmdUpdate_Click();
  }
  EXPECT_EQ(L"0012345678AB", Stored(L"0007"));
  EXPECT_EQ(L"是", Column2(L"0007"));
  EXPECT_EQ(L" 00-12-34-56-78-AB", form.Text(lblSpoofedMAC));
  EXPECT_EQ(1u, test::LineCount(Log()));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(OverrideAddress, AFailedCloseAfterAGoodWriteStillCountsTheWrite) {
  TypeAddress({L"00", L"12", L"34", L"56", L"78", L"AB"});
  form.HideNotify = true;
  test::FaultInjectingRegistry faults;
  {
    ScopedRegistryApi scope(faults);
    faults.FailCall(test::RegCall::CloseKey, 1, 1450);
    form.cmdUpdate_Click();
  }
  EXPECT_EQ(L"0012345678AB", Stored(L"0007"));
  EXPECT_EQ(L"是", Column2(L"0007"));
  EXPECT_EQ(1u, test::LineCount(Log()));
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace quav
