#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "adapters/AdapterKeys.h"
#include "platform/ErrorReporter.h"
#include "adapters/FakeLookup.h"
#include "adapters/WmiAdapterSource.h"
#include "platform/TextRules.h"
#include "support/FakeServices.h"
#include "support/RegistryFixture.h"
#include "support/ScratchFolder.h"
#include "ui/main/frmMainControls.h"

namespace quav {
namespace {

using namespace frmMainControls;

constexpr wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";

// WMI that fails once opened, so that the registry pass lists the adapters;
// at its first opening it lets the test act in the middle of the scan.
class InterruptedWmi final : public WmiAdapterSource {
 public:
  bool Open() override {
    if (++opened == 1 && onFirstOpen) onFirstOpen();
    return true;
  }
  bool Next(std::unique_ptr<WmiInstance>&, bool& failed) override {
    failed = true;
    return false;
  }
  std::function<void()> onFirstOpen;
  int opened = 0;
};

class Reports final : public ErrorReporter {
 public:
  void Report(const std::wstring& text) override { ADD_FAILURE() << std::string(text.begin(), text.end()); }
};

// Another program's message: sent from another thread, waiting in this
// thread's queue when Send returns, answered when the window answers.
class Sender {
 public:
  ~Sender() {
    if (thread_.joinable()) thread_.join();
  }
  void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    thread_ = std::thread([=] {
      DWORD_PTR ignored = 0;
      ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &ignored);
    });
    const DWORD start = ::GetTickCount();
    while (!(HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE)) {
      ASSERT_LT(::GetTickCount() - start, 5000u) << "the message never reached the window's thread";
      ::Sleep(1);
    }
  }

 private:
  std::thread thread_;
};

// The main window listing two adapters from the registry, 0007 selected.
class BusyWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InitControls();
    adapters.AddAdapter(L"0001", L"Other", kGuidB, L"10.0.0.11");
    adapters.AddAdapter(L"0007", L"Adapter", kGuidA, L"10.0.0.17");
    lookup.Answer("10.0.0.17", {0x00, 0x0C, 0x29, 0x3A, 0x4B, 0x5C});
    lookup.Answer("10.0.0.11", {0x00, 0x0C, 0x29, 0x00, 0x00, 0x01});
    form.Create();
    form.Activated = true;
    form.Form_Load();
    form.HideNotify = true;
    form.LoadAdapterList();
    form.SelectFirstAdapter(form.lvwNIC);
    for (long position = 1; position <= form.lvwNIC.Count(); ++position) {
      if (form.lvwNIC.Text(position) == L"0007") form.lvwNIC.SetSelected(position, true);
    }
    ASSERT_EQ(L"0007", form.SelectedAdapterIndex);
    wmi.opened = 0;
  }

  std::vector<std::wstring> Ids() const {
    std::vector<std::wstring> ids;
    for (long position = 1; position <= form.lvwNIC.Count(); ++position) ids.push_back(form.lvwNIC.Text(position));
    return ids;
  }
  // Runs what waited in the queue until done holds, five seconds unless told.
  void RunQueueUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (!done() && ::GetTickCount() - start < timeoutMs) {
      if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        continue;
      }
      if (msg.message == WM_QUIT) quit = true;
      DispatchQueued(msg);
    }
  }

  test::AdapterRegistry adapters;
  test::ScratchFolder folder;
  test::FakeHost host;
  test::FakeWindows windows;
  test::FakeLookup lookup;
  test::FakeDevices devices;
  test::FakeFacts facts;
  InterruptedWmi wmi;
  Reports reports;
  Sender sender;
  bool quit = false;
  frmMain form{MainWindowServices{host, windows, {&wmi, &lookup, &reports}, folder.Path(), {&devices, &facts}}};
};

TEST_F(BusyWindow, ARefreshSentDuringARefreshRunsOnceItHasEnded) {
  const WPARAM refresh = MAKEWPARAM(cmdRefresh, BN_CLICKED);
  wmi.onFirstOpen = [&] {
    sender.Send(form.Hwnd(), WM_COMMAND, refresh, reinterpret_cast<LPARAM>(form.Item(cmdRefresh)));
    ::SendMessageW(form.Hwnd(), WM_COMMAND, refresh, reinterpret_cast<LPARAM>(form.Item(cmdRefresh)));
  };
  form.cmdRefresh_Click();
  EXPECT_EQ(1, wmi.opened) << "no second scan inside the first";
  EXPECT_EQ((std::vector<std::wstring>{L"0001", L"0007"}), Ids());
  EXPECT_EQ(L"0007", form.SelectedAdapterIndex);
  RunQueueUntil([&] { return wmi.opened == 3; }, 500);
  EXPECT_EQ(2, wmi.opened) << "the refresh asked for twice ran once afterwards";
  EXPECT_EQ((std::vector<std::wstring>{L"0001", L"0007"}), Ids());
}

// The program then ends, rather than living on without a window.
TEST_F(BusyWindow, ACloseSentDuringAScanClosesOnceTheScanHasEnded) {
  form.EndRunWhenUnloaded();
  wmi.onFirstOpen = [&] { sender.Send(form.Hwnd(), WM_CLOSE, 0, 0); };
  form.cmdRefresh_Click();
  ASSERT_NE(nullptr, form.Hwnd()) << "not closed inside the scan";
  EXPECT_EQ(2u, Ids().size());
  RunQueueUntil([&] { return quit; });
  EXPECT_EQ(nullptr, form.Hwnd());
  EXPECT_TRUE(quit) << "the program's loop is told to end";
}

// A click queued behind a refresh acts on the adapter the refresh selected
// again, and the list, the labels and the registry agree.
TEST_F(BusyWindow, AClickQueuedDuringARefreshActsOnTheRowSelectedAgain) {
  form.FormatMAC(L"02AABBCCDDEE", true);
  wmi.onFirstOpen = [&] { ::PostMessageW(form.Item(cmdUpdate), BM_CLICK, 0, 0); };
  form.cmdRefresh_Click();
  RunQueueUntil([&] { return adapters.NetworkAddress(L"0007").has_value(); });
  ASSERT_TRUE(adapters.NetworkAddress(L"0007").has_value());
  const long selected = form.lvwNIC.SelectedPosition();
  ASSERT_GT(selected, 0);
  EXPECT_EQ(L"0007", form.lvwNIC.Text(selected));
  EXPECT_EQ(L"是", form.lvwNIC.SubItem(selected, 2));
  EXPECT_EQ(L"02-AA-BB-CC-DD-EE", Trimmed(form.Text(lblSpoofedMAC)));
}

// Clicks made meanwhile aimed at rows the refresh replaced; a list's clicks
// and column clicks are dropped even where they are sent.
TEST_F(BusyWindow, ClicksMadeDuringARefreshAreDropped) {
  form.FormatMAC(L"02AABBCCDDEE", true);
  int orderBefore = -1;
  int orderAfter = -1;
  wmi.onFirstOpen = [&] {
    ::PostMessageW(form.Item(cmdUpdate), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(form.Item(cmdUpdate), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    NMLISTVIEW column{};
    column.hdr = {form.lvwNIC.Hwnd(), static_cast<UINT_PTR>(lvwNIC), static_cast<UINT>(LVN_COLUMNCLICK)};
    orderBefore = form.lvwNIC.SortOrder;
    ::SendMessageW(form.Hwnd(), WM_NOTIFY, lvwNIC, reinterpret_cast<LPARAM>(&column));
    orderAfter = form.lvwNIC.SortOrder;
  };
  form.cmdRefresh_Click();
  EXPECT_EQ(orderBefore, orderAfter) << "the column click sorted inside the refresh";
  const int order = form.lvwNIC.SortOrder;  // as the scan sorted
  RunQueueUntil([&] { return adapters.NetworkAddress(L"0007").has_value() || form.lvwNIC.SortOrder != order; }, 500);
  EXPECT_FALSE(adapters.NetworkAddress(L"0007").has_value()) << "the click on the button stored";
  EXPECT_EQ(order, form.lvwNIC.SortOrder) << "the column click sorted afterwards";
}

// The program still ends when asked to while a refresh ran.
TEST_F(BusyWindow, AQuitPostedDuringARefreshOutlastsIt) {
  wmi.onFirstOpen = [] { ::PostQuitMessage(3); };
  form.cmdRefresh_Click();
  MSG msg{};
  EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(3u, msg.wParam);
}

// What was asked for while a refresh ran aimed at the adapter the user had
// chosen. When that adapter has left the list the refresh selects the first
// row, and nothing queued meanwhile acts on it: not Space on the focused
// button, nor a click or command of another program's.
TEST_F(BusyWindow, NothingQueuedDuringARefreshActsWhenTheChosenAdapterHasGone) {
  form.Show();
  form.FormatMAC(L"02AABBCCDDEE", true);
  form.Focus(cmdUpdate);
  const HWND update = form.Item(cmdUpdate);
  wmi.onFirstOpen = [&] {
    test::DeleteTree(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"));
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    ::PostMessageW(::GetFocus(), WM_KEYUP, VK_SPACE, 0xC0390001);
    ::PostMessageW(update, BM_CLICK, 0, 0);
    ::SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(cmdUpdate, BN_CLICKED), reinterpret_cast<LPARAM>(update));
  };
  form.cmdRefresh_Click();
  EXPECT_EQ(L"0001", form.SelectedAdapterIndex);
  const test::RegistrySnapshot before = test::AdapterRegistry::Snapshot();
  RunQueueUntil([&] { return adapters.NetworkAddress(L"0001").has_value(); }, 500);
  EXPECT_TRUE(test::ChangedEntries(before, test::AdapterRegistry::Snapshot()).empty());
  EXPECT_EQ(::GetFileAttributesW((folder.Path() + L"\\QUAV.log").c_str()), INVALID_FILE_ATTRIBUTES) << "a change was logged";
  EXPECT_TRUE(host.messages.empty());
}

// A close asked for during a restart's wait (the taskbar's Close, say) is not
// dropped with the commands, and the restart's report is seen before it
// closes the window: the report's own message loop does not deliver it.
TEST_F(BusyWindow, ACloseSentDuringARestartWaitsForItsReport) {
  devices.onRestart = [&](const std::wstring&) { ::SendMessageW(form.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); };
  facts.active[L"0007"] = L"00-0C-29-3A-4B-5C";
  bool openUnderItsReport = false;
  host.onMessage = [&] {
    RunQueueUntil([] { return false; }, 200);
    openUnderItsReport = form.Hwnd() != nullptr;
  };
  ::SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(mnuRestart, 0), 0);
  ASSERT_EQ(1u, host.messages.size());
  EXPECT_TRUE(openUnderItsReport);
  RunQueueUntil([&] { return form.Hwnd() == nullptr; });
  EXPECT_EQ(nullptr, form.Hwnd()) << "closed once the report was answered";
}

}  // namespace
}  // namespace quav
