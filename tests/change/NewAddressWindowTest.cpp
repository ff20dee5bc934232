#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "adapters/AdapterKeys.h"
#include "change/NewAddressRules.h"
#include "change/RandomAddress.h"
#include "ui/side/frmNotification.h"
#include "platform/Handles.h"
#include "platform/RegistryApi.h"
#include "platform/ScopeExit.h"
#include "platform/TextRules.h"
#include "support/FakeServices.h"
#include "support/FaultInjectingRegistry.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "support/ScratchFolder.h"
#include "ui/WindowErrors.h"
#include "ui/main/frmMainControls.h"

namespace quav {
namespace {

using namespace frmMainControls;

// Takes the window's error reports for the test's duration.
class WindowReports final : public ErrorReporter {
 public:
  WindowReports() { SetWindowErrorReporter(this); }
  ~WindowReports() override { SetWindowErrorReporter(nullptr); }
  WindowReports(const WindowReports&) = delete;
  WindowReports& operator=(const WindowReports&) = delete;
  void Report(const std::wstring& text) override { reports.push_back(text); }
  std::vector<std::wstring> reports;
};

// The main window with adapter 0007 selected, its devices and interface table
// stood in for.
class NewAddressWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InitControls();
    adapters.AddClass(L"0007", L"Wireless Adapter", nullptr);
    form.Create();
    form.Activated = true;
    form.Form_Load();
    form.HideNotify = true;
    const long row = form.lvwNIC.AddItem(L"0007");
    const wchar_t* texts[] = {L"是", L"否", L"Adapter", L"10.0.0.7", L"00-0C-29-3A-4B-5C"};
    for (int column = 1; column <= 5; ++column) form.lvwNIC.SetSubItem(row, column, texts[column - 1]);
    form.SelectFirstAdapter(form.lvwNIC);
  }

  void TypeAddress(const std::wstring& digits) { form.FormatMAC(digits, true); }
  std::wstring Stored() {
    return test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"),
                              std::wstring(kNetworkAddressValue));
  }
  std::string Log() { return test::FileBytes(folder.Path() + L"\\QUAV.log"); }

  test::AdapterRegistry adapters;
  test::ScratchFolder folder;
  test::FakeHost host;
  test::FakeWindows windows;
  test::FakeDevices devices;
  test::FakeFacts facts;
  frmMain form{MainWindowServices{host, windows, {}, folder.Path(), {&devices, &facts}}};
};

TEST_F(NewAddressWindow, ADoubtfulAddressIsStoredOnlyOnYes) {
  for (const wchar_t* digits : {L"010203040506", L"000000000000", L"FFFFFFFFFFFF"}) {
    host.messages.clear();
    host.yesNoAnswer = IDNO;
    TypeAddress(digits);
    form.cmdUpdate_Click();
    ASSERT_EQ(1u, host.messages.size()) << digits;
    EXPECT_EQ(UINT(MB_YESNO), host.messages[0].style & MB_TYPEMASK);
    EXPECT_EQ(UINT(MB_DEFBUTTON2), host.messages[0].style & MB_DEFMASK) << "No is the default";
    EXPECT_EQ(L"<missing>", Stored()) << digits;
    EXPECT_EQ(L"", Trimmed(form.Text(lblSpoofedMAC)));
    EXPECT_EQ(L"否", form.lvwNIC.SubItem(1, 2));
  }
  EXPECT_EQ(0u, test::LineCount(Log()));

  host.yesNoAnswer = IDYES;
  form.cmdUpdate_Click();
  EXPECT_EQ(L"FFFFFFFFFFFF", Stored());
  EXPECT_EQ(1u, test::LineCount(Log()));
}

TEST_F(NewAddressWindow, AWirelessAdapterWarnsOfAMakersAddressOnly) {
  facts.wireless[L"0007"] = true;
  TypeAddress(L"001122334455");
  form.cmdUpdate_Click();
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"无线"));
  EXPECT_EQ(L"<missing>", Stored());

  host.messages.clear();
  TypeAddress(L"021122334455");
  form.cmdUpdate_Click();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(L"021122334455", Stored());

  facts.wireless.clear();
  TypeAddress(L"001122334455");
  form.cmdUpdate_Click();
  EXPECT_TRUE(host.messages.empty()) << "a wired adapter takes a maker's address";
  EXPECT_EQ(L"001122334455", Stored());
}

TEST_F(NewAddressWindow, RandomAddressFillsTheBoxesAndStoresNothing) {
  std::set<std::wstring> seen;
  for (int k = 0; k < 20; ++k) {
    form.mnuRandom_Click();
    const std::wstring joined = form.JoinedBoxes();
    const auto address = ParseMacArgument(joined);
    ASSERT_TRUE(address) << joined;
    EXPECT_FALSE(IsGroupAddress(*address));
    EXPECT_TRUE(IsLocallyAdministered(*address));
    seen.insert(joined);
  }
  EXPECT_GT(seen.size(), 15u);
  EXPECT_TRUE(form.Enabled(cmdUpdate));
  EXPECT_EQ(L"<missing>", Stored());
  EXPECT_TRUE(host.messages.empty());
}

// Picked from the system menu: the chosen maker's prefix, the rest random,
// nothing stored; a maker with no usable prefix is said so.
TEST_F(NewAddressWindow, MakersRandomAddressFillsTheBoxesAndStoresNothing) {
  windows.chosenMaker = Maker{L"Xensource, Inc.", {0x00163E}};
  ::SendMessageW(form.Hwnd(), WM_SYSCOMMAND, mnuMakerRandom, 0);
  EXPECT_EQ(1, windows.makersShown);
  const std::wstring first = form.JoinedBoxes();
  EXPECT_EQ(0u, first.find(L"00163E")) << first;
  form.mnuMakerRandom_Click();
  EXPECT_NE(first, form.JoinedBoxes()) << "the rest is drawn each time";
  EXPECT_EQ(L"<missing>", Stored());
  EXPECT_TRUE(host.messages.empty());

  windows.chosenMaker = Maker{L"DATA RECALL LTD.", {0x0270B3}};
  form.mnuMakerRandom_Click();
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"DATA RECALL LTD.")) << host.messages[0].text;
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"02-70-B3")) << "its one prefix named";
  windows.chosenMaker.reset();
  form.mnuMakerRandom_Click();
  EXPECT_EQ(1u, host.messages.size()) << "closed without a maker: nothing to say";
}

TEST_F(NewAddressWindow, AMillionRandomAddressesAreLocalAndIndividual) {
  int bad = 0;
  std::set<uint8_t> firstBytes;
  for (int k = 0; k < 1000000; ++k) {
    const std::optional<MacBytes> address = RandomAddress();
    ASSERT_TRUE(address);
    if (IsGroupAddress(*address) || !IsLocallyAdministered(*address)) ++bad;
    firstBytes.insert((*address)[0]);
  }
  EXPECT_EQ(0, bad);
  EXPECT_EQ(64u, firstBytes.size()) << "every first byte with the two low bits 10 turns up";
}

TEST_F(NewAddressWindow, RestartFromTheNoticeChecksTheNewAddressAndLogsIt) {
  form.HideNotify = false;
  windows.onNotification = [] { return NotificationChoice{false, true}; };
  devices.onRestart = [this](const std::wstring& id) { facts.active[id] = L"02-11-22-33-44-55"; };
  TypeAddress(L"021122334455");
  form.cmdUpdate_Click();
  EXPECT_EQ(std::vector<std::wstring>{L"0007"}, devices.restarted);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"现在使用新的 MAC 地址 02-11-22-33-44-55"));
  EXPECT_EQ(UINT(MB_ICONINFORMATION), host.messages[0].style & MB_ICONMASK);
  EXPECT_EQ(L"02-11-22-33-44-55", form.lvwNIC.SubItem(1, 5));
  EXPECT_EQ(L" 02-11-22-33-44-55", form.Text(lblActiveMAC));
  const std::string log = Log();
  EXPECT_EQ(2u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.find("[02-11-22-33-44-55]  ")) << log;
}

TEST_F(NewAddressWindow, ADriverThatIgnoresTheAddressIsCalledOut) {
  adapters.SetNetworkAddress(L"0007", L"021122334455");
  facts.active[L"0007"] = L"00-0C-29-3A-4B-5C";
  form.mnuRestart_Click();
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"忽略"));
  EXPECT_EQ(UINT(MB_ICONEXCLAMATION), host.messages[0].style & MB_ICONMASK);
  EXPECT_NE(std::string::npos, Log().find("00-0C-29-3A-4B-5C"));
}

TEST_F(NewAddressWindow, ARestartThatIsNotPossibleSaysWhyAndLogsNothing) {
  for (const RestartResult result : {RestartResult{RestartStatus::NoDevice, 1168},
                                     RestartResult{RestartStatus::AccessDenied, 5},
                                     RestartResult{RestartStatus::Failed, 31}}) {
    host.messages.clear();
    devices.result = result;
    form.mnuRestart_Click();
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(0u, host.messages[0].text.find(L"无法重启网络适配器 0007")) << host.messages[0].text;
  }
  EXPECT_EQ(0, facts.activeReads) << "nothing to check";
  EXPECT_EQ(0u, test::LineCount(Log()));
  EXPECT_EQ(L"00-0C-29-3A-4B-5C", form.lvwNIC.SubItem(1, 5));
}

TEST_F(NewAddressWindow, AnAdapterLeftDisabledIsSaidPlainlyAndLogged) {
  devices.result = {RestartStatus::LeftDisabled, 31};
  form.mnuRestart_Click();
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"现在仍处于禁用状态")) << host.messages[0].text;
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"网络连接"));
  EXPECT_EQ(UINT(MB_ICONEXCLAMATION), host.messages[0].style & MB_ICONMASK);
  EXPECT_EQ(0, facts.activeReads) << "a disabled adapter presents no address";
  const std::string log = Log();
  EXPECT_EQ(1u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.find(" 31)]")) << log;
}

// The adapter comes back on the second look: meanwhile the window paints, but
// a click on its buttons does nothing.
TEST_F(NewAddressWindow, WhileTheRestartWaitsTheWindowPaintsButTakesNoInput) {
  form.Show();
  TypeAddress(L"02AABBCCDDEE");
  bool enabledWhileWaiting = true;
  bool painted = false;
  bool sessionMayEnd = true;
  facts.onActiveRead = [&](const std::wstring& id) {
    if (facts.activeReads == 1) {
      enabledWhileWaiting = ::IsWindowEnabled(form.Hwnd()) != FALSE;
      sessionMayEnd = ::SendMessageW(form.Hwnd(), WM_QUERYENDSESSION, 0, 0) != FALSE;
      ::UpdateWindow(form.Hwnd());
      ::InvalidateRect(form.Hwnd(), nullptr, TRUE);
      ::PostMessageW(form.Item(cmdUpdate), BM_CLICK, 0, 0);
    } else if (facts.activeReads == 2) {
      RECT update{};
      painted = !::GetUpdateRect(form.Hwnd(), &update, FALSE);
      facts.active[id] = L"00-0C-29-3A-4B-5C";
    }
  };
  form.mnuRestart_Click();
  EXPECT_EQ(2, facts.activeReads);
  EXPECT_FALSE(enabledWhileWaiting);
  EXPECT_FALSE(sessionMayEnd) << "the session waits for the log line";
  EXPECT_NE(FALSE, ::SendMessageW(form.Hwnd(), WM_QUERYENDSESSION, 0, 0));
  EXPECT_TRUE(painted) << "the invalidated window was painted during the wait";
  EXPECT_EQ(L"<missing>", Stored()) << "the click stored nothing";
  ASSERT_EQ(1u, host.messages.size()) << "only the restart's message";
  EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"已重启"));
  EXPECT_TRUE(::IsWindowEnabled(form.Hwnd()));
}

TEST_F(NewAddressWindow, TheNoticesRestartButtonTakesTheBoxAndAsksForTheRestart) {
  form.HideNotify = false;
  frmNotification notice;
  ASSERT_TRUE(notice.Create(form.Hwnd()));
  EXPECT_EQ(L"立即重启适配器", notice.Text(frmNotificationControls::cmdRestart));
  ::SendMessageW(notice.Item(frmNotificationControls::chkHide), BM_SETCHECK, BST_CHECKED, 0);
  ::SendMessageW(notice.Hwnd(), WM_COMMAND, MAKEWPARAM(frmNotificationControls::cmdRestart, BN_CLICKED),
                 reinterpret_cast<LPARAM>(notice.Item(frmNotificationControls::cmdRestart)));
  EXPECT_EQ(nullptr, notice.Hwnd());
  EXPECT_TRUE(notice.RestartNow);
  EXPECT_TRUE(notice.HideNotify);
}

// What a handler throws is reported once through the window's reporter; the
// hourglass it stood goes with it and the window keeps answering.
TEST_F(NewAddressWindow, AThrowingHandlerIsReportedOnceAndTheWindowGoesOn) {
  WindowReports errors;
  devices.onRestart = [](const std::wstring&) { throw std::runtime_error("device gone"); };
  ::SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(mnuRestart, 0), 0);
  ASSERT_EQ(1u, errors.reports.size());
  EXPECT_NE(std::wstring::npos, errors.reports[0].find(L"device gone (5)")) << errors.reports[0];
  ::SendMessageW(form.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(::LoadCursorW(nullptr, IDC_WAIT), ::GetCursor()) << "the hourglass stayed";

  // A registry call that throws while a row click is shown.
  NMITEMACTIVATE click{};
  click.hdr = {form.lvwNIC.Hwnd(), static_cast<UINT_PTR>(lvwNIC), static_cast<UINT>(NM_CLICK)};
  click.iItem = 0;
  test::FaultInjectingRegistry faults;
  {
    ScopedRegistryApi scope(faults);
    faults.ThrowOnCall(test::RegCall::OpenKeyEx, 1);
    ::SendMessageW(form.Hwnd(), WM_NOTIFY, lvwNIC, reinterpret_cast<LPARAM>(&click));
  }
  ASSERT_EQ(2u, errors.reports.size());
  EXPECT_NE(std::wstring::npos, errors.reports[1].find(L"Out of memory (7)")) << errors.reports[1];

  adapters.SetNetworkAddress(L"0007", L"021122334455");
  ::SendMessageW(form.Hwnd(), WM_NOTIFY, lvwNIC, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(L" 02-11-22-33-44-55", form.Text(lblSpoofedMAC));
  devices.onRestart = nullptr;
  facts.active[L"0007"] = L"02-11-22-33-44-55";  // back at once: no waiting for it
  ::SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(mnuRestart, 0), 0);
  EXPECT_EQ(2u, devices.restarted.size());
  EXPECT_EQ(2u, errors.reports.size());
}

// A row's tip is read when it is about to show; what that throws is reported
// at the list's boundary too, and a sort forgets the row the pointer was on.
TEST_F(NewAddressWindow, ARowTipIsReadWhenItShowsAndItsFailureIsReported) {
  WindowReports errors;
  const HWND list = form.lvwNIC.Hwnd();
  RECT row{};
  ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
  ::SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2));
  const HWND tip = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
  ASSERT_TRUE(tip && ::GetWindow(tip, GW_OWNER) == form.Hwnd());
  const auto askText = [&] {
    NMTTDISPINFOW info{};
    info.hdr = {tip, 0, static_cast<UINT>(TTN_GETDISPINFOW)};
    ::SendMessageW(list, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return std::wstring(info.lpszText ? info.lpszText : L"");
  };
  test::FaultInjectingRegistry faults;
  {
    ScopedRegistryApi scope(faults);
    faults.ThrowOnCall(test::RegCall::OpenKeyEx, 1);
    EXPECT_EQ(L"", askText());
  }
  ASSERT_EQ(1u, errors.reports.size());
  EXPECT_NE(std::wstring::npos, askText().find(L"活动地址：00-0C-29-3A-4B-5C"));
  form.lvwNIC_ColumnClick(1);
  EXPECT_EQ(L"", askText()) << "the row was forgotten with the sort";
}

// The first row's tip text, as the tip asks for it once the pointer rests on
// the row; the pointer leaves first, so that the row counts as new.
std::wstring FirstRowTip(HWND list) {
  ::SendMessageW(list, WM_MOUSELEAVE, 0, 0);
  RECT row{};
  ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
  ::SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(row.left + 1, row.top + 1));
  NMTTDISPINFOW info{};
  info.hdr = {::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr), 0, static_cast<UINT>(TTN_GETDISPINFOW)};
  ::SendMessageW(list, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return std::wstring(info.lpszText ? info.lpszText : L"");
}

// A driver that never answers holds neither the window nor the row's tip: it
// is asked once, off the window's thread, until the list is filled again.
TEST_F(NewAddressWindow, ADriverThatNeverAnswersHoldsNeitherTheWindowNorTheTip) {
  UniqueHandle answer(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  const ScopeExit release([&] { ::SetEvent(answer.get()); });
  facts.permanent[L"0007"] = L"00-0C-29-3A-4B-5C";
  facts.onPermanentRead = [&answer](const std::wstring&) { ::WaitForSingleObject(answer.get(), 5000); };
  const auto hoverText = [this] { return FirstRowTip(form.lvwNIC.Hwnd()); };
  const auto answered = [&](int reads) {
    std::wstring text;
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < 5000; ::Sleep(10)) {
      text = hoverText();
      if (facts.permanentReads == reads && text.find(L"正在读取") == std::wstring::npos) break;
    }
    return text;
  };
  const DWORD start = ::GetTickCount();
  EXPECT_NE(std::wstring::npos, hoverText().find(L"出厂地址：正在读取（等待驱动程序回答）"));
  EXPECT_NE(std::wstring::npos, hoverText().find(L"出厂地址：正在读取"));
  EXPECT_LT(::GetTickCount() - start, 1000u) << "the window waited for the driver";
  ::SetEvent(answer.get());
  EXPECT_NE(std::wstring::npos, answered(1).find(L"出厂地址：00-0C-29-3A-4B-5C"));
  EXPECT_EQ(1, facts.permanentReads.load()) << "one question per adapter";

  form.lvwNIC.Clear();
  form.lvwNIC.AddItem(L"0007");
  EXPECT_NE(std::wstring::npos, answered(2).find(L"出厂地址：00-0C-29-3A-4B-5C"));
  EXPECT_EQ(2, facts.permanentReads.load()) << "the list filled again asks again";
}

// Windows' own random addresses, on or changing daily, are said in the row's
// tip, warned of before storing, and named as the likely reason when the
// adapter keeps another address.
TEST_F(NewAddressWindow, WindowsRandomAddressesOnOrDailyAreSaidWarnedOfAndBlamed) {
  facts.wireless[L"0007"] = true;
  for (const auto& [state, said] : {std::pair{WindowsRandomAddress::On, L"：开"},
                                    std::pair{WindowsRandomAddress::Daily, L"：每天更改"}}) {
    facts.random[L"0007"] = state;
    host.messages.clear();
    TypeAddress(L"021122334455");
    form.cmdUpdate_Click();
    ASSERT_EQ(1u, host.messages.size()) << said;
    EXPECT_NE(std::wstring::npos, host.messages[0].text.find(L"“随机硬件地址”已打开")) << said;
    EXPECT_EQ(L"<missing>", Stored());

    EXPECT_NE(std::wstring::npos,
              FirstRowTip(form.lvwNIC.Hwnd()).find(std::wstring(L"Windows 随机硬件地址") + said));
  }
  adapters.SetNetworkAddress(L"0007", L"021122334455");
  facts.active[L"0007"] = L"00-0C-29-3A-4B-5C";
  for (const WindowsRandomAddress state : {WindowsRandomAddress::On, WindowsRandomAddress::Daily,
                                           WindowsRandomAddress::Off}) {
    facts.random[L"0007"] = state;
    host.messages.clear();
    form.mnuRestart_Click();
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(state != WindowsRandomAddress::Off,
              host.messages[0].text.find(L"可能的原因：Windows 的“随机硬件地址”已打开") != std::wstring::npos)
        << host.messages[0].text;
  }
}

// A pair is completed when the focus moves on within the window, not when
// another program takes the activation; coming back selects nothing.
TEST_F(NewAddressWindow, SwitchingAwayAndBackLeavesAHalfTypedPairToFinish) {
  form.Show();
  ::SetActiveWindow(form.Hwnd());
  HWND box = form.Item(txtMAC(0));
  ::SetFocus(box);
  ::SendMessageW(box, WM_CHAR, L'1', 0);
  HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 60, 60, nullptr, nullptr,
                                 nullptr, nullptr);
  ASSERT_TRUE(other);
  ::SetActiveWindow(other);
  EXPECT_EQ(L"1", form.TxtMAC(0));
  ::SetActiveWindow(form.Hwnd());
  ::DestroyWindow(other);
  ASSERT_EQ(box, ::GetFocus());
  ::SendMessageW(box, WM_CHAR, L'2', 0);
  EXPECT_EQ(L"12", form.TxtMAC(0));
  ::SetFocus(form.Item(txtMAC(1)));
  EXPECT_EQ(L"12", form.TxtMAC(0));
  ::SendMessageW(form.Item(txtMAC(1)), WM_CHAR, L'3', 0);
  ::SetFocus(form.Item(txtMAC(2)));
  EXPECT_EQ(L"03", form.TxtMAC(1)) << "a lone digit is completed within the window";
}

// After a selection made with the keyboard, a click on that row still shows it.
TEST_F(NewAddressWindow, AClickOnTheSelectedRowShowsItAgain) {
  adapters.SetNetworkAddress(L"0007", L"021122334455");
  ListView_SetItemState(form.lvwNIC.Hwnd(), -1, 0, LVIS_SELECTED);
  form.lvwNIC.SetSelected(1, true);  // as the arrow keys select it
  form.cmdClear_Click();
  ASSERT_EQ(L"", form.JoinedBoxes());
  NMITEMACTIVATE click{};
  click.hdr = {form.lvwNIC.Hwnd(), static_cast<UINT_PTR>(lvwNIC), static_cast<UINT>(NM_CLICK)};
  click.iItem = 0;
  ::SendMessageW(form.Hwnd(), WM_NOTIFY, lvwNIC, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(L"021122334455", form.JoinedBoxes());
}

// With nothing listed the random address and the restart are locked with the
// boxes, in the menu and in their handlers.
TEST_F(NewAddressWindow, AnEmptyListLocksTheRandomAddressAndTheRestart) {
  form.lvwNIC.Clear();
  form.SelectFirstAdapter(form.lvwNIC);
  HMENU menu = ::GetMenu(form.Hwnd());
  for (const UINT item : {UINT(mnuRandom), UINT(mnuRestart)}) {
    EXPECT_TRUE(::GetMenuState(menu, item, MF_BYCOMMAND) & MF_GRAYED) << item;
  }
  form.mnuRandom_Click();
  EXPECT_EQ(L"", form.JoinedBoxes());
  EXPECT_FALSE(form.Enabled(cmdClear));
  form.mnuRestart_Click();
  EXPECT_TRUE(devices.restarted.empty()) << "0007 is no longer listed";
}

// Gives its draws in turn, then fails.
class DrawsInTurn final : public RandomSource {
 public:
  explicit DrawsInTurn(std::vector<MacBytes> draws) : draws_(std::move(draws)) {}
  bool Fill(MacBytes& bytes) override {
    if (next_ == draws_.size()) return false;
    bytes = draws_[next_++];
    return true;
  }

 private:
  std::vector<MacBytes> draws_;
  size_t next_ = 0;
};

TEST(RandomAddressOf, TheFirstBytesChooseAnIndividualPrefixTheRestAreKept) {
  // 0x02C08C and 0x0180C2 would make a local and a group address.
  const std::vector<uint32_t> prefixes{0x001B21, 0x02C08C, 0x0180C2, 0x00E04C, 0xACED5C};
  struct Case {
    std::vector<MacBytes> draws;
    std::optional<MacBytes> address;
  } cases[] = {
      {{{0, 0, 0, 0x33, 0x44, 0x55}}, MacBytes{0x00, 0x1B, 0x21, 0x33, 0x44, 0x55}},
      {{{0, 0, 3, 0xFE, 0xFF, 0x01}}, MacBytes{0x00, 0x1B, 0x21, 0xFE, 0xFF, 0x01}},
      {{{0, 0, 2, 1, 2, 3}}, MacBytes{0xAC, 0xED, 0x5C, 1, 2, 3}},
      // 2^24 is one more than a multiple of three: its last value is drawn again.
      {{{0xFF, 0xFF, 0xFF, 9, 9, 9}, {0xFF, 0xFF, 0xFD, 1, 2, 3}}, MacBytes{0x00, 0xE0, 0x4C, 1, 2, 3}},
      {{{0xFF, 0xFF, 0xFF, 9, 9, 9}}, std::nullopt},
      {{}, std::nullopt},
  };
  for (Case& c : cases) {
    DrawsInTurn source(c.draws);
    EXPECT_EQ(c.address, RandomAddressOf(prefixes, source)) << c.draws.size();
  }
  DrawsInTurn source({{0, 0, 0, 1, 2, 3}});
  EXPECT_EQ(std::nullopt, RandomAddressOf({0x02C08C, 0x0180C2}, source)) << "no prefix left to draw";
}

}  // namespace
}  // namespace quav
