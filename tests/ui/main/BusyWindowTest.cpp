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
  // Runs what waited in the queue, until done holds (five seconds at most).
  void RunQueueUntil(const std::function<bool()>& done) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (!done() && ::GetTickCount() - start < 5000) {
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
  InterruptedWmi wmi;
  Reports reports;
  Sender sender;
  bool quit = false;
  frmMain form{MainWindowServices{host, windows, {&wmi, &lookup, &reports}, folder.Path()}};
};

TEST_F(BusyWindow, ARefreshSentDuringARefreshRunsOnceItHasEnded) {
  wmi.onFirstOpen = [&] {
    sender.Send(form.Hwnd(), WM_COMMAND, MAKEWPARAM(cmdRefresh, BN_CLICKED),
                reinterpret_cast<LPARAM>(form.Item(cmdRefresh)));
  };
  form.cmdRefresh_Click();
  EXPECT_EQ(1, wmi.opened) << "no second scan inside the first";
  EXPECT_EQ((std::vector<std::wstring>{L"0001", L"0007"}), Ids());
  EXPECT_EQ(L"0007", form.SelectedAdapterIndex);
  RunQueueUntil([&] { return wmi.opened == 2; });
  EXPECT_EQ(2, wmi.opened) << "the refresh asked for ran afterwards";
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

}  // namespace
}  // namespace quav
