#include "ui/main/FillAdapterList.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <process.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/ErrorReporter.h"
#include "adapters/FakeLookup.h"
#include "adapters/ScanRowText.h"
#include "adapters/WmiAdapterSource.h"
#include "platform/Handles.h"
#include "support/FakeWmi.h"
#include "support/RegistryFixture.h"
#include "ui/BusyWork.h"
#include "ui/Layout.h"
#include "ui/Twips.h"

namespace quav {
namespace {

constexpr wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";
using Row = std::vector<std::wstring>;

using Value = test::WmiValue;
using Instance = test::WmiInstanceData;
using test::FakeWmi;
using test::WmiAdapter;
using test::WmiBool;
using test::WmiInt;
using test::WmiNull;
using test::WmiText;
using test::WmiTexts;

// An address array whose element 0 is empty: no address to show.
Value NoAddress() { return WmiTexts({L""}); }

class NoReports final : public ErrorReporter {
 public:
  void Report(const std::wstring& text) override { ADD_FAILURE() << std::string(text.begin(), text.end()); }
};

struct WindowTraits {
  using Type = HWND;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DestroyWindow(h); }
};

// COM for the thread, as the program's main sets it up.
struct Apartment {
  Apartment() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~Apartment() { ::CoUninitialize(); }
};

// A WMI source that, once the scan has opened it, has another thread send the
// list a message; its first instance waits for the answer (two seconds at
// most) and fails, so that the scan goes on with the registry.
class AnswerCheck final : public WmiAdapterSource {
 public:
  explicit AnswerCheck(HWND window) : window_(window) {}
  ~AnswerCheck() override { ::WaitForSingleObject(sender_.get(), INFINITE); }
  bool Open() override {
    sender_.reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Send, this, 0, nullptr)));
    // The message is waiting when the scan goes on.
    const DWORD start = ::GetTickCount();
    while (!(HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) && ::GetTickCount() - start < 5000) ::Sleep(1);
    return true;
  }
  bool Next(std::unique_ptr<WmiInstance>&, bool& failed) override {
    answered = ::WaitForSingleObject(answer_.get(), 2000) == WAIT_OBJECT_0;
    failed = true;
    return false;
  }
  bool answered = false;

 private:
  static unsigned __stdcall Send(void* self) {
    auto* check = static_cast<AnswerCheck*>(self);
    DWORD_PTR ignored = 0;
    if (::SendMessageTimeoutW(check->window_, WM_NULL, 0, 0, SMTO_NORMAL, 3000, &ignored)) ::SetEvent(check->answer_.get());
    return 0;
  }
  HWND window_;
  UniqueHandle answer_{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  UniqueHandle sender_;
};

// A hidden window holding a report-style list with six columns and the filter box.
class Scan : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool initialised = [] {
      INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = ::DefWindowProcW;
      windowClass.lpszClassName = L"ScanTestWindow";
      return ::InitCommonControlsEx(&controls) && ::RegisterClassW(&windowClass);
    }();
    ASSERT_TRUE(initialised);
    window_.reset(::CreateWindowExW(0, L"ScanTestWindow", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800, 300, nullptr, nullptr,
                                    nullptr, nullptr));
    list.Attach(::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 780, 200, window_.get(), nullptr,
                                  nullptr, nullptr));
    for (const int width : {36, 45, 55, 161, 97, 104}) list.AddColumn(L"C", width);
    list.SetCellComparer(CompareByMeaning);
    filter.Attach(::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_AUTOCHECKBOX, 0, 210, 200, 20, window_.get(),
                                    nullptr, nullptr, nullptr));
    filter.SetValue(1);
    lookup.Answer("192.168.10.20", {0x00, 0x0C, 0x29, 0x3A, 0x4B, 0x5C});
  }

  // Two adapters in the registry: 0000 with an address ARP answers, 0001 without.
  void SeedRegistry() {
    registry.AddAdapter(L"0000", L"Registry NIC", kGuidA, L"192.168.10.20");
    registry.AddAdapter(L"0001", L"Registry spare", kGuidB, L"0.0.0.0");
  }
  int Fill(WmiAdapterSource* source, const wchar_t* osVersion = L"5.1.2600") {
    MessagePump pump;
    return FillAdapterList(list, filter, osVersion, {source, &lookup, &reports}, pump);
  }
  std::vector<Row> Rows() const {
    std::vector<Row> rows;
    for (long position = 1; position <= list.Count(); ++position) {
      Row row;
      for (int column = 0; column < 6; ++column) row.push_back(list.SubItem(position, column));
      rows.push_back(row);
    }
    return rows;
  }
  std::vector<std::wstring> Ids() const {
    std::vector<std::wstring> ids;
    for (const Row& row : Rows()) ids.push_back(row[0]);
    return ids;
  }

  test::AdapterRegistry registry;
  test::FakeLookup lookup;
  NoReports reports;
  FakeWmi wmi;
  ListView list;
  CheckBox filter;

 private:
  Apartment apartment_;
  UniqueAny<WindowTraits> window_;
};

const Row kRegistryEnabledRow = {L"0000", L"是", L"否", L"Registry NIC", L"192.168.10.20", L"00-0C-29-3A-4B-5C"};

TEST_F(Scan, WmiRowsReplaceTheListWithEveryColumn) {
  SeedRegistry();
  registry.SetNetworkAddress(L"0007", L"00AABBCCDDEE");
  registry.SetNetworkAddress(L"1234", L"");
  list.AddItem(L"stale");
  filter.SetValue(0);
  wmi.instances = {
      WmiAdapter(7, WmiBool(true), L"Intel", WmiTexts({L"192.168.1.5", L"fe80::1"}), WmiText(L"00:50:56:C0:00:08")),
      WmiAdapter(12, WmiBool(false), L"RAS", NoAddress(), WmiNull()),
      WmiAdapter(123, WmiNull(), L"Tunnel", WmiTexts({L"fe80::2"}, VT_VARIANT), WmiText(L"02:00:54:55:4E:01")),
      WmiAdapter(1234, WmiInt(1), L"Empty override", WmiTexts({L"10.1.2.3"}, VT_VARIANT), WmiNull()),
      WmiAdapter(12345, WmiText(L"True"), L"Five digits", WmiTexts({L"10.9.9.9"}), WmiNull()),
  };
  EXPECT_EQ(kScanFromWmi, Fill(&wmi));
  const std::vector<Row> expected = {
      {L"0007", L"是", L"是", L"Intel", L"192.168.1.5", L"00-50-56-C0-00-08"},
      {L"1234", L"是", L"否", L"Empty override", L"10.1.2.3", L""},
      {L"12345", L"是", L"否", L"Five digits", L"10.9.9.9", L""},
      {L"0012", L"否", L"否", L"RAS", L"", L""},
      {L"0123", L"否", L"否", L"Tunnel", L"", L"02-00-54-55-4E-01"},
  };
  EXPECT_EQ(expected, Rows());
}

TEST_F(Scan, FilterOnReadsNothingMoreOfInstancesNotIPEnabled) {
  // Every read but IPEnabled would fail on these.
  wmi.instances = {{{L"IPEnabled", WmiBool(false)}},
                   WmiAdapter(9, WmiBool(true), L"On", WmiTexts({L"10.0.0.9"}), WmiNull()),
                   {{L"IPEnabled", WmiNull()}}};
  EXPECT_EQ(kScanFromWmi, Fill(&wmi));
  EXPECT_EQ((std::vector<Row>{{L"0009", L"是", L"否", L"On", L"10.0.0.9", L""}}), Rows());
}

TEST_F(Scan, AnyWmiFailureDiscardsItsRowsForTheRegistry) {
  SeedRegistry();
  filter.SetValue(0);
  const Instance good = WmiAdapter(7, WmiBool(true), L"Good", WmiTexts({L"10.0.0.7"}), WmiNull());
  struct Case {
    const char* name;
    const wchar_t* property;  // of the second instance
    Value value;              // null: the read fails
  };
  const std::vector<Case> cases = {
      {"Index null", L"Index", WmiNull()},
      {"Description unreadable", L"Description", nullptr},
      {"Description null", L"Description", WmiNull()},
      {"IPEnabled not a Boolean", L"IPEnabled", WmiText(L"maybe")},
      {"IPAddress null", L"IPAddress", WmiNull()},
      {"IPAddress empty array", L"IPAddress", WmiTexts({})},
      {"IPAddress not an array", L"IPAddress", WmiText(L"10.0.0.8")},
      {"MACAddress unreadable", L"MACAddress", nullptr},
  };
  const std::vector<std::wstring> registryIds = {L"0000", L"0001"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWmi source;
    Instance second = WmiAdapter(8, WmiBool(true), L"Second", WmiTexts({L"10.0.0.8"}), WmiNull());
    if (c.value) {
      second[c.property] = c.value;
    } else {
      second.erase(c.property);
    }
    source.instances = {good, second};
    EXPECT_EQ(kScanFromRegistry, Fill(&source));
    EXPECT_EQ(registryIds, Ids());
  }
  FakeWmi closed;
  closed.openFails = true;
  EXPECT_EQ(kScanFromRegistry, Fill(&closed));
  EXPECT_EQ(registryIds, Ids());
  FakeWmi broken;
  broken.instances = {good, good};
  broken.walkFailsAt = 1;
  EXPECT_EQ(kScanFromRegistry, Fill(&broken));
  EXPECT_EQ(registryIds, Ids());
}

TEST_F(Scan, RegistryRowsComeFromTheRecordsThroughTheFilter) {
  SeedRegistry();
  registry.SetNetworkAddress(L"0001", L"00AABBCCDDEE");
  registry.AddClass(L"Properties", nullptr, nullptr);
  wmi.instances = {WmiAdapter(7, WmiBool(false), L"Off", NoAddress(), WmiNull())};
  EXPECT_EQ(kScanFromRegistry, Fill(&wmi)) << "filter on, no WMI instance IP-enabled";
  EXPECT_EQ(std::vector<Row>{kRegistryEnabledRow}, Rows());

  filter.SetValue(0);
  wmi.openFails = true;
  EXPECT_EQ(kScanFromRegistry, Fill(&wmi));
  const std::vector<Row> expected = {
      {L"0001", L"否", L"是", L"Registry spare", L"", L""},
      kRegistryEnabledRow,
      {L"Properties", L"否", L"否", L"", L"", L""},
  };
  EXPECT_EQ(expected, Rows());
}

TEST_F(Scan, NoAdapterAnywhereGivesAnEmptyList) {
  EXPECT_EQ(kScanEmpty, Fill(&wmi));
  wmi.openFails = true;
  filter.SetValue(0);
  EXPECT_EQ(kScanEmpty, Fill(&wmi));
  EXPECT_EQ(0, list.Count());
}

TEST_F(Scan, DefaultSortPutsOverridesFirst) {
  for (const wchar_t* id : {L"0001", L"0004"}) registry.SetNetworkAddress(id, L"00AABBCCDDEE");
  wmi.instances = {
      WmiAdapter(1, WmiBool(false), L"", NoAddress(), WmiNull()),
      WmiAdapter(2, WmiBool(true), L"", NoAddress(), WmiNull()),
      WmiAdapter(3, WmiBool(false), L"", NoAddress(), WmiNull()),
      WmiAdapter(4, WmiBool(true), L"", NoAddress(), WmiNull()),
  };
  filter.SetValue(0);
  EXPECT_EQ(kScanFromWmi, Fill(&wmi));
  EXPECT_EQ((std::vector<std::wstring>{L"0004", L"0001", L"0002", L"0003"}), Ids());

  // The command line's rows come in that order without the list.
  FakeWmi windowless;
  windowless.instances = wmi.instances;
  std::vector<std::wstring> scanned;
  for (const ScannedAdapter& row : ScanAdapters(false, {&windowless, &lookup, &reports}).rows)
    scanned.push_back(row.cells[0]);
  EXPECT_EQ(Ids(), scanned);

  FakeWmi again;
  again.instances = wmi.instances;
  filter.SetValue(1);
  EXPECT_EQ(kScanFromWmi, Fill(&again));
  EXPECT_EQ((std::vector<std::wstring>{L"0004", L"0002"}), Ids());
}

TEST_F(Scan, LastColumnIsRefittedOnlyBeforeWindowsXP) {
  wmi.instances = {WmiAdapter(7, WmiBool(true), L"", NoAddress(), WmiText(L"00:50:56:C0:00:08"))};
  Fill(&wmi, L"5.1.2600");
  EXPECT_EQ(104, list.ColumnWidth(5));

  FakeWmi again;
  again.instances = wmi.instances;
  Fill(&again, L"5.0.2195");
  const int refitted = list.ColumnWidth(5);
  ::SendMessageW(list.Hwnd(), LVM_SETCOLUMNWIDTH, 5, LVSCW_AUTOSIZE_USEHEADER);
  EXPECT_EQ(list.ColumnWidth(5) - TwipsToPixels(30, ScreenDpi()), refitted);
  EXPECT_NE(104, refitted);
}

TEST_F(Scan, ShownListScrollsOverEveryRowAfterTheScan) {
  ::ShowWindow(::GetParent(list.Hwnd()), SW_SHOWNOACTIVATE);
  ::ShowWindow(list.Hwnd(), SW_SHOWNOACTIVATE);
  filter.SetValue(0);
  for (long index = 0; index < 40; ++index) {
    wmi.instances.push_back(WmiAdapter(index, WmiBool(true), L"", NoAddress(), WmiNull()));
  }
  EXPECT_EQ(kScanFromWmi, Fill(&wmi));
  EXPECT_TRUE(::IsWindowVisible(list.Hwnd()));
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_RANGE;
  ASSERT_TRUE(::GetScrollInfo(list.Hwnd(), SB_VERT, &scroll));
  EXPECT_EQ(39, scroll.nMax);
}

TEST_F(Scan, SystemWmiWalksTheAdapterConfigurations) {
  auto system = MakeSystemWmiAdapterSource();
  ASSERT_TRUE(system->Open());
  std::unique_ptr<WmiInstance> instance;
  bool failed = false;
  int instances = 0;
  for (; system->Next(instance, failed); ++instances) {
    UniqueVariant index;
    EXPECT_TRUE(instance->Get(L"Index", index.put()));
  }
  EXPECT_FALSE(failed);
  EXPECT_GT(instances, 0);
}

TEST_F(Scan, TheWindowsAnswerMessagesWhileTheScanRuns) {
  SeedRegistry();
  AnswerCheck check(list.Hwnd());
  EXPECT_EQ(kScanFromRegistry, Fill(&check));
  EXPECT_TRUE(check.answered);
  EXPECT_EQ((std::vector<std::wstring>{L"0000"}), Ids());
}

// A scan that ends early says so: the rows listed may not be all.
TEST_F(Scan, AScanThatFailsSaysSo) {
  SeedRegistry();
  struct ThrowingLookup final : HardwareAddressLookup {
    unsigned long Lookup(uint32_t, uint8_t (&)[6], unsigned long&) override { throw std::runtime_error("lookup"); }
  } throwing;
  // The pass's own report fails as well, which ends the scan.
  struct FailingReports final : ErrorReporter {
    void Report(const std::wstring& text) override {
      texts.push_back(text);
      if (texts.size() == 1) throw std::runtime_error("report");
    }
    std::vector<std::wstring> texts;
  } failing;
  FakeWmi closed;
  closed.openFails = true;
  MessagePump pump;
  FillAdapterList(list, filter, L"5.1.2600", {&closed, &throwing, &failing}, pump);
  ASSERT_EQ(2u, failing.texts.size());
  EXPECT_EQ(kScanFailedText, failing.texts[1]);
}

TEST_F(Scan, SystemWmiAgreesWithTheResult) {
  SeedRegistry();
  filter.SetValue(0);
  const int result = Fill(nullptr);
  auto system = MakeSystemWmiAdapterSource();
  std::unique_ptr<WmiInstance> instance;
  bool failed = false;
  long instances = 0;
  for (bool open = system->Open(); open && system->Next(instance, failed);) ++instances;
  if (result == kScanFromWmi) {
    EXPECT_FALSE(failed);
    EXPECT_EQ(instances, list.Count()) << "one row per instance";
  } else {
    EXPECT_EQ(kScanFromRegistry, result);
    EXPECT_EQ((std::vector<std::wstring>{L"0000", L"0001"}), Ids());
  }
}

}  // namespace
}  // namespace quav
