// The adapter scan at 16 to 1,024 seeded adapters, against its floor: a plain
// advapi32 loop that reads the same values, then a bare list view that plain
// code fills with the same rows, sorts and paints. Each size runs its
// variants in turns, one round after another, and reports medians. Hardware
// addresses come from a stand-in that answers at once, so ARP does not
// dominate. Then the main window's refresh at 8 and 256 adapters, WMI
// included, against floor b's WMI query followed by the scan's floor.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <oleauto.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "adapters/AdapterKeys.h"
#include "adapters/AddressMaker.h"
#include "platform/ErrorReporter.h"
#include "adapters/GetMACFromIP.h"
#include "adapters/MakerTable.h"
#include "adapters/WmiAdapterSource.h"
#include "adapters/clsAdapters.h"
#include "ui/BusyWork.h"
#include "ui/main/FillAdapterList.h"
#include "bench/Report.h"
#include "bench/WmiWalk.h"
#include "platform/Handles.h"
#include "platform/modRegistry.h"
#include "support/FaultInjectingRegistry.h"
#include "platform/Settings.h"
#include "support/FakeServices.h"
#include "support/RegistryFixture.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav::bench {
namespace {

constexpr char kClassKeyA[] = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
constexpr char kConnectionsKeyA[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
constexpr char kInterfacesKeyA[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";

std::wstring Guid(int i) {
  wchar_t text[40];
  std::swprintf(text, 40, L"{B3C4D5E6-%04X-4A00-8000-00000000%04X}", i, i);
  return text;
}

std::wstring Address(int i) {
  wchar_t text[20];
  std::swprintf(text, 20, L"10.%d.%d.20", i / 250, i % 250 + 1);
  return text;
}

// n adapters 0000, 0001, ...: most with a DHCP lease; every 8th with only a
// static address, every 16th without a connection (not IP-enabled), every 4th
// with an override.
void Seed(test::AdapterRegistry& registry, int n) {
  registry.AddConnection(L"Descriptions");
  for (int i = 0; i < n; ++i) {
    wchar_t subkey[8];
    std::swprintf(subkey, 8, L"%04d", i);
    const std::wstring description = L"Bench Ethernet Adapter #" + std::to_wstring(i);
    if (i % 16 == 15) {
      registry.AddClass(subkey, description.c_str(), Guid(i).c_str());
    } else if (i % 8 == 7) {
      registry.AddAdapter(subkey, description, Guid(i), L"0.0.0.0");
      registry.SetStaticAddresses(Guid(i), {Address(i)});
    } else {
      registry.AddAdapter(subkey, description, Guid(i), Address(i));
    }
    if (i % 4 == 0) registry.SetNetworkAddress(subkey, L"02004C4F4F50");
  }
}

// Every address has a hardware address, made from its own bytes.
class AnsweringLookup final : public HardwareAddressLookup {
 public:
  unsigned long Lookup(uint32_t destination, uint8_t (&bytes)[6], unsigned long& length) override {
    bytes[0] = 0x02;
    bytes[1] = 0x00;
    std::memcpy(bytes + 2, &destination, 4);
    length = 6;
    return 0;
  }
};

class ClosedWmi final : public WmiAdapterSource {
 public:
  bool Open() override { return false; }
  bool Next(std::unique_ptr<WmiInstance>&, bool& failed) override {
    failed = true;
    return false;
  }
};

// n instances shaped like Wine's and Windows' answers, built once.
class FakeWmi final : public WmiAdapterSource {
 public:
  explicit FakeWmi(int n) : properties_(static_cast<size_t>(n)) {
    for (int i = 0; i < n; ++i) {
      Properties& p = properties_[static_cast<size_t>(i)];
      p.index.get()->vt = VT_I4;
      p.index.get()->lVal = i;
      p.enabled.get()->vt = VT_BOOL;
      p.enabled.get()->boolVal = VARIANT_TRUE;
      p.description.get()->vt = VT_BSTR;
      p.description.get()->bstrVal = ::SysAllocString((L"Bench Ethernet Adapter #" + std::to_wstring(i)).c_str());
      p.addresses.get()->vt = VT_ARRAY | VT_BSTR;
      p.addresses.get()->parray = ::SafeArrayCreateVector(VT_BSTR, 0, 1);
      LONG first = 0;
      UniqueBstr address(::SysAllocString(Address(i).c_str()));
      ::SafeArrayPutElement(p.addresses.get()->parray, &first, address.get());
      wchar_t mac[20];
      std::swprintf(mac, 20, L"02:00:0A:%02X:%02X:14", i / 250, i % 250 + 1);
      p.mac.get()->vt = VT_BSTR;
      p.mac.get()->bstrVal = ::SysAllocString(mac);
    }
  }

  bool Open() override {
    next_ = 0;
    return true;
  }
  bool Next(std::unique_ptr<WmiInstance>& instance, bool& failed) override {
    failed = false;
    if (next_ == properties_.size()) return false;
    instance = std::make_unique<Instance>(properties_[next_++]);
    return true;
  }

 private:
  struct Properties {
    UniqueVariant index, enabled, description, addresses, mac;
  };
  class Instance final : public WmiInstance {
   public:
    explicit Instance(Properties& p) : p_(p) {}
    bool Get(const wchar_t* property, VARIANT* value) override {
      ::VariantClear(value);
      const std::wstring_view name(property);
      UniqueVariant* source = name == L"Index"         ? &p_.index
                              : name == L"IPEnabled"   ? &p_.enabled
                              : name == L"Description" ? &p_.description
                              : name == L"IPAddress"   ? &p_.addresses
                              : name == L"MACAddress"  ? &p_.mac
                                                       : nullptr;
      return source && SUCCEEDED(::VariantCopy(value, source->get()));
    }

   private:
    Properties& p_;
  };
  std::vector<Properties> properties_;
  size_t next_ = 0;
};

class CollectedReports final : public ErrorReporter {
 public:
  void Report(const std::wstring&) override { ++count; }
  int count = 0;
};

std::string QueryText(HKEY key, const char* name) {
  char data[512];
  DWORD size = sizeof data;
  if (::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS) return {};
  while (size > 0 && data[size - 1] == '\0') --size;
  return std::string(data, size);
}

std::vector<std::string> SubkeyNames(HKEY key) {
  std::vector<std::string> names;
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

struct RawRow {
  std::string subkey, description, instanceId, dhcpAddress, staticAddress, override, connectionName;
  bool connected = false;
};

// The registry pass's floor: the values the scan lists, read the plain way,
// each key opened once and each value queried once.
std::vector<RawRow> RawReads() {
  std::vector<RawRow> rows;
  HKEY classKey = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClassKeyA, 0, KEY_READ, &classKey) != ERROR_SUCCESS) return rows;
  for (std::string& name : SubkeyNames(classKey)) {
    RawRow row;
    row.subkey = std::move(name);
    HKEY key = nullptr;
    if (::RegOpenKeyExA(classKey, row.subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
      row.description = QueryText(key, "DriverDesc");
      row.instanceId = QueryText(key, "NetCfgInstanceID");
      row.override = QueryText(key, "NetworkAddress");
      ::RegCloseKey(key);
    }
    rows.push_back(std::move(row));
  }
  ::RegCloseKey(classKey);

  std::unordered_set<std::string> connections;
  HKEY connectionsKey = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kConnectionsKeyA, 0, KEY_READ, &connectionsKey) == ERROR_SUCCESS) {
    for (std::string& name : SubkeyNames(connectionsKey)) connections.insert(std::move(name));
    // Each row's connection name.
    for (RawRow& row : rows) {
      HKEY key = nullptr;
      if (row.instanceId.empty() ||
          ::RegOpenKeyExA(connectionsKey, (row.instanceId + "\\Connection").c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        continue;
      row.connectionName = QueryText(key, "Name");
      ::RegCloseKey(key);
    }
    ::RegCloseKey(connectionsKey);
  }
  HKEY interfaces = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInterfacesKeyA, 0, KEY_READ, &interfaces) != ERROR_SUCCESS) return rows;
  for (RawRow& row : rows) {
    if (connections.count(row.instanceId) == 0) continue;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(interfaces, row.instanceId.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    row.dhcpAddress = QueryText(key, "DhcpIPAddress");
    row.staticAddress = QueryText(key, "IPAddress");
    row.connected = true;
    ::RegCloseKey(key);
  }
  ::RegCloseKey(interfaces);
  return rows;
}

// The same values, with the call pattern every read of the registry layer
// has: open the key with full access, query the type, read, close.
std::string ReadOneByOne(const std::string& path, const char* name) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return {};
  DWORD type = 0, size = 0;
  std::string text;
  if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    char data[512] = {};
    size = sizeof data;
    if (::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS) {
      while (size > 0 && data[size - 1] == '\0') --size;
      text.assign(data, size);
    }
  }
  ::RegCloseKey(key);
  return text;
}

std::vector<std::string> EnumOneByOne(const char* path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return {};
  DWORD count = 0;
  ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr);
  std::vector<std::string> names;
  for (DWORD index = 0; index < count; ++index) {
    char name[256];
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
      names.emplace_back(name, length);
    }
  }
  ::RegCloseKey(key);
  return names;
}

size_t RawReadsOneByOne() {
  const std::string classRoot = std::string(kClassKeyA) + "\\";
  const std::string interfaceRoot = std::string(kInterfacesKeyA) + "\\";
  std::vector<RawRow> rows;
  for (std::string& name : EnumOneByOne(kClassKeyA)) {
    RawRow row;
    row.subkey = std::move(name);
    row.description = ReadOneByOne(classRoot + row.subkey, "DriverDesc");
    row.instanceId = ReadOneByOne(classRoot + row.subkey, "NetCfgInstanceID");
    rows.push_back(std::move(row));
  }
  std::unordered_set<std::string> connections;
  for (std::string& name : EnumOneByOne(kConnectionsKeyA)) connections.insert(std::move(name));
  size_t matched = 0;
  for (RawRow& row : rows) {
    if (connections.count(row.instanceId) != 0) {
      const std::string path = interfaceRoot + row.instanceId;
      row.dhcpAddress = ReadOneByOne(path, "DhcpIPAddress");
      row.staticAddress = ReadOneByOne(path, "IPAddress");
      ++matched;
    }
    row.override = ReadOneByOne(classRoot + row.subkey, "NetworkAddress");
    if (!row.instanceId.empty()) {
      row.connectionName =
          ReadOneByOne(std::string(kConnectionsKeyA) + "\\" + row.instanceId + "\\Connection", "Name");
    }
  }
  return rows.size() + matched;
}

struct WindowTraits {
  using Type = HWND;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DestroyWindow(h); }
};

// Both lists are the main window's: its styles, columns (in pixels at 96
// dots an inch) and stripe colour, and its size.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                             LVS_SHOWSELALWAYS;
constexpr DWORD kListExStyle = WS_EX_CLIENTEDGE;
constexpr int kColumnWidths[] = {36, 45, 55, 161, 97, 104};
constexpr int kListWidth = 520, kListHeight = 136;
constexpr COLORREF kStripe = 0xFFF1EC;

HWND CreateTopWindow(const wchar_t* className, WNDPROC procedure, int left, int top) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.lpszClassName = className;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  ::RegisterClassW(&windowClass);
  return ::CreateWindowExW(0, className, L"", WS_OVERLAPPEDWINDOW, left, top, 538, 342, nullptr, nullptr, nullptr,
                           nullptr);
}

// A window shown on the display, as the program's is, with the program's
// list and the filter box, cleared: every adapter is listed and both sort
// passes run. Its rows are striped through the program's custom draw.
class ListWindow {
 public:
  ListWindow() {
    window_.reset(CreateTopWindow(L"QuavBenchScan", Procedure, 0, 0));
    list.Attach(::CreateWindowExW(kListExStyle, WC_LISTVIEWW, L"", kListStyle, 8, 8, kListWidth, kListHeight,
                                  window_.get(), nullptr, nullptr, nullptr));
    for (const int width : kColumnWidths) list.AddColumn(L"C", width);
    list.SetReportPresentation();
    list.SetStripeColor(kStripe);
    ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&list));
    filter.Attach(::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_AUTOCHECKBOX, 8, 150, 200, 20, window_.get(),
                                    nullptr, nullptr, nullptr));
    filter.SetValue(0);
    ::ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_.get());
  }

  ListView list;
  CheckBox filter;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* list = reinterpret_cast<ListView*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NOTIFY && list && reinterpret_cast<NMHDR*>(lParam)->code == NM_CUSTOMDRAW) {
      return list->CustomDraw(reinterpret_cast<NMHDR*>(lParam));
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }

  UniqueAny<WindowTraits> window_;
};

// The floor's list: a bare list view like the program's, in a window of its
// own beside the others, filled with the same texts, sorted in the same
// order, striped and painted by plain calls, with nothing of the program.
class BareList {
 public:
  BareList(int left, int top) {
    window_.reset(CreateTopWindow(L"QuavBenchBareList", Procedure, left, top));
    list_ = ::CreateWindowExW(kListExStyle, WC_LISTVIEWW, L"", kListStyle, 8, 8, kListWidth, kListHeight,
                              window_.get(), nullptr, nullptr, nullptr);
    for (int column = 0; column < kScanColumns; ++column) {
      wchar_t header[] = L"C";
      LVCOLUMNW design{};
      design.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      design.fmt = LVCFMT_LEFT;
      design.cx = kColumnWidths[column];
      design.pszText = header;
      ListView_InsertColumn(list_, column, &design);
    }
    ListView_SetExtendedListViewStyleEx(list_, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    ::ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_.get());
  }

  HWND Hwnd() const { return list_; }

  // Rows as the scan lists them (filter off): ID, 活动, 伪装, the name, the
  // address and a hardware address; overrides first, then the active ones.
  void Fill(const std::vector<RawRow>& rows) {
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (size_t i = 0; i < rows.size(); ++i) {
      const RawRow& row = rows[i];
      const std::string& address =
          !row.dhcpAddress.empty() && row.dhcpAddress != "0.0.0.0" ? row.dhcpAddress : row.staticAddress;
      const bool active = row.connected;
      wchar_t cells[kScanColumns][128];
      std::swprintf(cells[0], 128, L"%hs", row.subkey.c_str());
      std::wcscpy(cells[1], active ? L"是" : L"否");
      std::wcscpy(cells[2], row.override.empty() ? L"否" : L"是");
      std::swprintf(cells[3], 128, L"%hs", row.description.c_str());
      std::swprintf(cells[4], 128, L"%hs", active ? address.c_str() : "");
      std::swprintf(cells[5], 128, active ? L"02-00-0A-%02X-%02X-14" : L"", static_cast<unsigned>(i / 250),
                    static_cast<unsigned>(i % 250 + 1));
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = static_cast<int>(i);
      item.pszText = cells[0];
      item.lParam = static_cast<LPARAM>(i);
      const int index = ListView_InsertItem(list_, &item);
      for (int column = 1; column < kScanColumns; ++column) ListView_SetItemText(list_, index, column, cells[column]);
    }
    ListView_SortItems(list_, Compare, reinterpret_cast<LPARAM>(&rows));
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }

 private:
  static int CALLBACK Compare(LPARAM a, LPARAM b, LPARAM context) {
    const auto& rows = *reinterpret_cast<const std::vector<RawRow>*>(context);
    const RawRow& rowA = rows[static_cast<size_t>(a)];
    const RawRow& rowB = rows[static_cast<size_t>(b)];
    if (rowA.override.empty() != rowB.override.empty()) return rowA.override.empty() ? 1 : -1;
    if (rowA.connected != rowB.connected) return rowA.connected ? -1 : 1;
    return static_cast<int>(a - b);
  }

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == NM_CUSTOMDRAW) {
      auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
      if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
      if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        draw->clrTextBk = draw->nmcd.dwItemSpec % 2 == 0 ? kStripe : ::GetSysColor(COLOR_WINDOW);
        return CDRF_NEWFONT;
      }
      return CDRF_DODEFAULT;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }

  UniqueAny<WindowTraits> window_;
  HWND list_ = nullptr;
};

// What one size is timed with, the stand-ins the scans share.
struct Bench {
  ListWindow window;
  BareList bare{560, 0};
  AnsweringLookup lookup;
  CollectedReports reports;
  ClosedWmi closed;
  const std::wstring os = L"5.1.2600";
};

using Timings = std::map<std::string, std::vector<double>>;

// Seeds n adapters and times every variant in turns, one round after
// another; false when a scan does not list every adapter.
bool Measure(Bench& bench, int n, int rounds, Timings& timings) {
  test::AdapterRegistry registry;
  Seed(registry, n);
  FakeWmi fake(n);
  int result = -1;
  size_t sink = 0;
  const auto fill = [&](WmiAdapterSource* wmi) {
    MessagePump pump;
    result = FillAdapterList(bench.window.list, bench.window.filter, bench.os, {wmi, &bench.lookup, &bench.reports},
                             pump);
  };
  const std::vector<RawRow> read = RawReads();
  const std::vector<std::pair<std::string, std::function<void()>>> variants = {
      {"raw", [&] { sink += RawReads().size(); }},
      {"floor", [&] { bench.bare.Fill(RawReads()); }},
      {"bare list", [&] { bench.bare.Fill(read); }},
      {"one by one", [&] { sink += RawReadsOneByOne(); }},
      {"registry pass",
       [&] {
         clsAdapters adapters(&bench.lookup, &bench.reports);
         adapters.GetDeviceEntries();
         sink += static_cast<size_t>(adapters.Count());
       }},
      {"repaint",
       [&] {
         bench.window.list.Repaint();
         DoEvents();
       }},
      {"scan", [&] { fill(&bench.closed); }},
      {"fake wmi", [&] { fill(&fake); }},
      {"system wmi", [&] { fill(nullptr); }},
  };

  // Once each untimed: every scan must list every adapter.
  for (const auto& [name, run] : variants) {
    run();
    if (name == "scan" || name == "fake wmi" || name == "system wmi") {
      const int expected = name == "fake wmi" ? kScanFromWmi : kScanFromRegistry;
      if (result != expected || bench.window.list.Count() != n) {
        std::fprintf(stderr, "%s at %d: result %d, %ld rows\n", name.c_str(), n, result, bench.window.list.Count());
        return false;
      }
    }
  }
  if (ListView_GetItemCount(bench.bare.Hwnd()) != n) {
    std::fprintf(stderr, "floor at %d: %d rows\n", n, ListView_GetItemCount(bench.bare.Hwnd()));
    return false;
  }
  if (bench.reports.count != 0 || sink == 0) {
    std::fprintf(stderr, "the registry pass reported %d errors\n", bench.reports.count);
    return false;
  }
  for (int round = 0; round < rounds; ++round) {
    for (size_t turn = 0; turn < variants.size(); ++turn) {
      const auto& [name, run] = variants[(static_cast<size_t>(round) + turn) % variants.size()];
      const double start = NowMs();
      run();
      timings[name].push_back(NowMs() - start);
    }
  }
  return true;
}

// The keys one scan opens and closes, through the registry layer's seam.
void CountKeys(Bench& bench, int n) {
  test::AdapterRegistry registry;
  Seed(registry, n);
  test::FaultInjectingRegistry counting;
  {
    ScopedRegistryApi scope(counting);
    MessagePump pump;
    FillAdapterList(bench.window.list, bench.window.filter, bench.os, {&bench.closed, &bench.lookup, &bench.reports},
                    pump);
  }
  Row keys("resources", "registry keys opened per scan", std::to_string(n), static_cast<double>(counting.KeysOpened()),
           "keys");
  keys.floor = "keys closed";
  keys.floorValue = static_cast<double>(counting.KeysClosed());
  keys.target = "opened=closed";
  keys.result = counting.KeysOpened() == counting.KeysClosed() ? "met" : "MISSED";
  Print(keys);
  using test::RegCall;
  std::printf(
      "# %d adapters, registry calls per scan: %d RegOpenKeyExA, %d RegQueryValueExA, %d RegEnumKeyExA, "
      "%d RegQueryInfoKeyA, %d RegCloseKey (%.1f calls per adapter)\n",
      n, counting.Count(RegCall::OpenKeyEx), counting.Count(RegCall::QueryValueEx), counting.Count(RegCall::EnumKeyEx),
      counting.Count(RegCall::QueryInfoKey), counting.Count(RegCall::CloseKey),
      static_cast<double>(counting.Calls().size()) / n);
}

// What the system's WMI source answers on this machine: the scan takes its
// rows only when every instance has an address array.
void DescribeSystemWmi() {
  const std::unique_ptr<WmiAdapterSource> source = MakeSystemWmiAdapterSource();
  if (!source->Open()) {
    std::printf("# system WMI: the service cannot be opened; the scan lists the registry's adapters\n");
    return;
  }
  int instances = 0, withoutArray = 0;
  std::unique_ptr<WmiInstance> instance;
  bool failed = false;
  while (source->Next(instance, failed)) {
    ++instances;
    UniqueVariant addresses;
    if (!instance->Get(L"IPAddress", addresses.put()) || !(addresses.get()->vt & VT_ARRAY)) ++withoutArray;
  }
  std::printf(
      "# system WMI: %d instances, %d of them without an address array%s\n", instances, withoutArray,
      withoutArray > 0 || failed ? ", so the WMI pass is abandoned and the scan lists the registry's adapters" : "");
}

// The rows of one size; previous holds the size before it and its scan time,
// for the growth per adapter.
void Report(int n, const Timings& timings, std::pair<int, double>& previous) {
  const std::string size = std::to_string(n);
  const auto median = [&](const char* name) { return Summarise(timings.at(name)).median; };
  const auto line = [&](const char* measure, const char* name) {
    const Stats stats = Summarise(timings.at(name));
    return Row("scan", measure, size, stats.median, "ms", SpreadOf(stats));
  };
  const auto against = [&](Row row, const char* name, const char* floorName, const char* floor) {
    row.floor = floorName;
    row.floorValue = median(floor);
    row.ratio = PairedRatio(timings.at(name), timings.at(floor));
    return row;
  };

  Print(line("raw advapi32 reads", "raw"));
  Print(line("floor: raw reads then a bare list filled and sorted and painted", "floor"));
  Row scan = against(line("scan: FillAdapterList", "scan"), "scan", "floor", "floor");
  scan.target = "<=1.2";
  Print(scan);
  Row growth("scan", "scan: per adapter", size, 1000.0 * scan.value / n, "us");
  const auto [previousSize, previousMs] = previous;
  if (previousSize > 0) {
    growth.floor = "per adapter at " + std::to_string(previousSize);
    growth.floorValue = 1000.0 * previousMs / previousSize;
    growth.target = "<=1.3";
  }
  Print(growth);
  // The registry's part alone, against the reads alone.
  Row reads = against(line("registry pass: GetDeviceEntries alone", "registry pass"), "registry pass", "raw reads", "raw");
  reads.target = "<=1.5";
  Print(reads);
  Print(against(line("  of which the bare list", "bare list"), "bare list", "floor", "floor"));
  Print(against(line("  of which GetDeviceEntries", "registry pass"), "registry pass", "scan", "scan"));
  Print(against(line("  of which list repaint and pending messages", "repaint"), "repaint", "scan", "scan"));
  Row rest("scan", "  of which list rows and sorts (rest)", size,
           scan.value - median("registry pass") - median("repaint"), "ms");
  rest.floor = "scan";
  rest.floorValue = scan.value;
  Print(rest);
  Print(
      against(line("raw reads one open per value (layer's pattern)", "one by one"), "one by one", "raw reads", "raw"));
  Print(against(line("WMI pass: fake source of N instances", "fake wmi"), "fake wmi", "floor", "floor"));
  Print(against(line("WMI pass: system source (abandons) + registry", "system wmi"), "system wmi", "registry pass",
                "scan"));
  if (previousSize > 0) {
    std::printf("# scan from %d to %d adapters: %.0f us for each adapter added\n", previousSize, n,
                1000.0 * (scan.value - previousMs) / (n - previousSize));
  }
  previous = {n, scan.value};
}


// Answers a sent message now and then, as the user's input and the system's
// would arrive, and keeps the longest any took to be answered: the longest
// the window went without handling messages.
class Responsiveness {
 public:
  explicit Responsiveness(HWND window) : window_(window) {
    thread_.reset(::CreateThread(nullptr, 0, Watch, this, 0, nullptr));
  }
  ~Responsiveness() {
    ::InterlockedExchange(&stop_, 1);
    ::WaitForSingleObject(thread_.get(), INFINITE);
  }
  // The longest wait since the last call.
  double TakeLongestMs() { return static_cast<double>(::InterlockedExchange(&longestUs_, 0)) / 1000.0; }

 private:
  static DWORD WINAPI Watch(void* self) {
    auto* watcher = static_cast<Responsiveness*>(self);
    while (!::InterlockedCompareExchange(&watcher->stop_, 0, 0)) {
      const double start = NowMs();
      DWORD_PTR ignored = 0;
      ::SendMessageTimeoutW(watcher->window_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
      const LONG us = static_cast<LONG>((NowMs() - start) * 1000.0);
      LONG longest = watcher->longestUs_;
      while (us > longest) {
        const LONG seen = ::InterlockedCompareExchange(&watcher->longestUs_, us, longest);
        if (seen == longest) break;
        longest = seen;
      }
      ::Sleep(1);
    }
    return 0;
  }

  HWND window_;
  volatile LONG stop_ = 0;
  volatile LONG longestUs_ = 0;
  UniqueHandle thread_;
};

struct RefreshTimings {
  std::vector<double> refreshMs, stallMs, scanMs, floorMs;
};

// Where the floor's window goes: beside the main window, not over it.
POINT BesideWindow(HWND window) {
  RECT shown{};
  ::GetWindowRect(window, &shown);
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  return {shown.right + 546 <= screenWidth ? shown.right + 8 : std::max(0L, shown.left - 546), shown.top};
}

// The main window loaded as at start-up, with n adapters and the system's WMI
// source, its 刷新 button clicked round after round: from the click to the list
// repainted, and the longest stall meanwhile. In the same rounds, the scan the
// click runs, alone, and the floor: floor b's WMI query, then the scan's
// floor (the raw reads and the bare list). False when the list is empty.
bool MeasureRefresh(int n, int rounds, RefreshTimings& timings) {
  test::AdapterRegistry registry;
  Seed(registry, n);
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  AnsweringLookup lookup;
  CollectedReports reports;
  test::FakeHost host;
  test::FakeWindows windows;
  frmMain form{MainWindowServices{host, windows, {nullptr, &lookup, &reports}, L""}};
  form.Create();
  form.Form_Load();
  form.Show();
  form.Form_Activate();
  DoEvents();
  // Every adapter listed, as a click on the filter box would do.
  form.chkFilterActive.SetValue(0);
  form.RefreshAdapterList(true);
  if (form.lvwNIC.Count() != n) {
    std::fprintf(stderr, "refresh at %d: %ld rows listed\n", n, form.lvwNIC.Count());
    return false;
  }
  const POINT beside = BesideWindow(form.Hwnd());
  BareList bare(beside.x, beside.y);
  HWND list = form.lvwNIC.Hwnd();
  HWND button = form.Item(frmMainControls::cmdRefresh);
  Responsiveness watcher(form.Hwnd());
  for (int round = 0; round < rounds; ++round) {
    DoEvents();
    watcher.TakeLongestMs();
    const double start = NowMs();
    ::SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(frmMainControls::cmdRefresh, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    do {
      DoEvents();
    } while (::GetUpdateRect(list, nullptr, FALSE));
    timings.refreshMs.push_back(NowMs() - start);
    timings.stallMs.push_back(watcher.TakeLongestMs());
    // The scan the click runs, alone and answering as the click's does; its
    // waits are not the refresh's.
    MessagePump pump;
    const double scanStart = NowMs();
    ScanAdapters(false, {nullptr, &lookup, &reports}, [&pump] { pump.Answer(); });
    timings.scanMs.push_back(NowMs() - scanStart);
    DoEvents();
    const double floorStart = NowMs();
    const int walked = QueryThroughLocator();
    bare.Fill(RawReads());
    timings.floorMs.push_back(NowMs() - floorStart);
    if (walked < 0 || ListView_GetItemCount(bare.Hwnd()) != n) {
      std::fprintf(stderr, "refresh floor at %d: WMI walked %d, %d rows\n", n, walked,
                   ListView_GetItemCount(bare.Hwnd()));
      return false;
    }
    DoEvents();
    watcher.TakeLongestMs();
  }
  return true;
}

void ReportRefresh(int n, const RefreshTimings& timings) {
  const std::string size = std::to_string(n);
  const Stats refresh = Summarise(timings.refreshMs);
  const Stats floor = Summarise(timings.floorMs);
  Print(Row("refresh", "floor: WMI query (floor b's) then the scan's floor", size, floor.median, "ms",
            SpreadOf(floor)));
  Row row("refresh", "refresh button: click to list repainted", size, refresh.median, "ms", SpreadOf(refresh));
  row.floor = "floor";
  row.floorValue = floor.median;
  row.ratio = PairedRatio(timings.refreshMs, timings.floorMs);
  row.target = "<=1.2";
  Print(row);
  // Against the scan the click runs: what the refresh adds to it (the list
  // emptied and filled, the sort passes, the redraw, the scanning mark).
  const Stats scan = Summarise(timings.scanMs);
  Row beyond("refresh", "refresh button: against its scan alone", size, refresh.median, "ms", SpreadOf(refresh));
  beyond.floor = "scan alone";
  beyond.floorValue = scan.median;
  beyond.ratio = PairedRatio(timings.refreshMs, timings.scanMs);
  Print(beyond);
  // Each round's longest wait; the median of them, as the worst one mostly
  // shows the machine's other work.
  const Stats stall = Summarise(timings.stallMs);
  Row longest("refresh", "refresh button: longest time unanswered", size, stall.median, "ms", SpreadOf(stall));
  longest.target = "<100";
  Print(longest);
  std::printf("# refresh at %d adapters: longest time unanswered in any round %.0f ms\n", n,
              *std::max_element(timings.stallMs.begin(), timings.stallMs.end()));
}

// What the maker table costs the working set: the peak before the process's
// first maker lookup (a row's tip, /list) and after it, against the table
// inflated. Run first, before anything else has raised the peak.
void ReportMakerTable() {
  const auto memory = [] {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters;
  };
  // The deflated bytes are the program's own image, paged in from the file
  // once read (or when the loader reads the image whole, as Wine may): read
  // them first, so that the row counts what the lookup itself adds.
  unsigned sum = 0;
  for (unsigned i = 0; i < kMakerTableDeflatedSize; i += 512) sum += kMakerTableDeflated[i];
  const PROCESS_MEMORY_COUNTERS before = memory();
  const double start = NowMs();
  const bool named = !AddressMaker(L"00-0C-29-3A-4B-5C").empty();
  const double firstMs = NowMs() - start;
  const PROCESS_MEMORY_COUNTERS after = memory();
  const auto kb = [](SIZE_T bytes) { return static_cast<double>(bytes) / 1024.0; };
  Row added("resources", "maker table: peak working set added by the first lookup", "",
            kb(after.PeakWorkingSetSize) - kb(before.PeakWorkingSetSize), "KB");
  // In whole pages, as the working set counts it; zlib's inflater keeps its
  // state (about 7 KB) while it runs.
  constexpr SIZE_T kPage = 4096;
  added.floor = "inflated table";
  added.floorValue = kb((kMakerTableSize + kPage - 1) / kPage * kPage);
  added.target = "<=floor+8KB";
  added.result = !named ? "MISSED (no maker named)" : added.value <= added.floorValue + 8 ? "met" : "MISSED";
  Print(added);
  const double again = NowMs();
  AddressMaker(L"00-1B-21-3A-4B-5C");
  std::printf("# maker table: first lookup %.1f ms (inflating %.0f KB from %.0f KB%s), the next %.3f ms; working set "
              "%+.0f KB\n",
              firstMs, kb(kMakerTableSize), kb(kMakerTableDeflatedSize), sum ? "" : ", all zeros", NowMs() - again,
              kb(after.WorkingSetSize) - kb(before.WorkingSetSize));
}

}  // namespace
}  // namespace quav::bench

// Arguments: the numbers of adapters (16 64 256 1024 by default). Every size
// is measured in three passes, so that a burst of other work on the machine
// falls on a part of each size's samples only.
int main(int argc, char** argv) {
  using namespace quav;
  using namespace quav::bench;
  std::vector<int> sizes = {16, 64, 256, 1024};
  if (argc > 1) {
    sizes.clear();
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  }
  ReportMakerTable();
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  {
    Bench bench;
    std::map<int, Timings> timings;
    constexpr int kPasses = 3;
    for (int pass = 0; pass < kPasses; ++pass) {
      for (const int n : sizes) {
        const int rounds = n <= 64 ? 9 : n <= 256 ? 5 : 3;
        if (!Measure(bench, n, rounds, timings[n])) return 1;
      }
    }
    std::pair<int, double> previous;
    for (const int n : sizes) Report(n, timings[n], previous);
    for (const int n : sizes) CountKeys(bench, n);
  }
  for (const int n : {8, 256}) {
    RefreshTimings timings;
    if (!MeasureRefresh(n, n <= 8 ? 15 : 7, timings)) return 1;
    ReportRefresh(n, timings);
  }
  DescribeSystemWmi();
  ::CoUninitialize();
  return 0;
}
