// The real program over registry data no installer would write: overrides of
// every type and shape, descriptions beyond the ANSI code page, a thousand
// adapters, names of 255 characters, and adapter keys missing or out of
// place. It lists what it can, shows the rest as its rules say, and changes
// nothing but the one value it was asked to.
#include <windows.h>

#include <cwchar>
#include <map>
#include <set>

#include "adapters/AdapterKeys.h"
#include "e2e/E2EFixture.h"
#include "platform/Settings.h"

namespace quav::e2e {
namespace {

using namespace frmMainControls;

constexpr wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr wchar_t kGuidC[] = L"{CCCCCCCC-0000-0000-0000-000000000003}";
constexpr wchar_t kRegistryMarker[] = L"QUAV 1.2  [WBEM   关]";
constexpr wchar_t kEmptyMarker[] = L"QUAV 1.2  [  无数据  ]";

std::string Narrow(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  if (!out.empty()) out.pop_back();
  return out;
}

// Stored data as bytes.
std::string Utf16(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}
std::string Little(uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }
std::string Big(uint32_t value) {
  const char bytes[4] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
                         static_cast<char>(value)};
  return std::string(bytes, 4);
}

void SetNetworkAddressBytes(const std::wstring& adapter, DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(adapter).c_str(), 0,
                                           KEY_SET_VALUE, &key));
  const LONG result = ::RegSetValueExW(key, std::wstring(kNetworkAddressValue).c_str(), 0, type,
                                       reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
  ::RegCloseKey(key);
  ASSERT_EQ(ERROR_SUCCESS, result);
}

std::wstring StoredText(const std::wstring& adapter) {
  return test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(adapter),
                            std::wstring(kNetworkAddressValue));
}

std::vector<std::wstring> LogLines(const std::wstring& path) {
  std::vector<std::wstring> lines;
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  if (!file) return lines;
  std::string bytes(static_cast<size_t>(::GetFileSize(file.get(), nullptr)), '\0');
  DWORD read = 0;
  ::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    std::wstring line(end - start, L'\0');
    line.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, bytes.data() + start,
                                                          static_cast<int>(end - start), line.data(),
                                                          static_cast<int>(line.size()))));
    lines.push_back(line);
  }
  return lines;
}

std::map<std::wstring, std::vector<std::wstring>> RowsById(const QuavApp& quav) {
  std::map<std::wstring, std::vector<std::wstring>> rows;
  for (const auto& row : quav.Rows()) rows[row.at(0)] = row;
  return rows;
}

long PositionOf(const QuavApp& quav, const std::wstring& id) {
  const auto rows = quav.Rows();
  for (size_t k = 0; k < rows.size(); ++k) {
    if (rows[k].at(0) == id) return static_cast<long>(k + 1);
  }
  return 0;
}

// Selects a row from the keyboard, as a user walking the list does.
void SelectRow(const QuavApp& quav, long position) {
  HWND list = quav.Control(lvwNIC);
  quav.PressKey(list, VK_HOME);
  for (long k = 1; k < position; ++k) quav.PressKey(list, VK_DOWN);
}

void TypeAddress(const QuavApp& quav, const std::wstring& joined) {
  quav.Click(cmdClear);
  for (int k = 0; k < 6; ++k) quav.Type(txtMAC(k), joined.substr(static_cast<size_t>(2 * k), 2));
}

bool WaitForTitle(const QuavApp& quav, const std::wstring& title, std::chrono::milliseconds timeout = 60s) {
  return WaitUntil([&] { return quav.Title() == title; }, timeout);
}

class HostileRegistry : public E2E {
 protected:
  void SetUp() override {
    E2E::SetUp();
    SetSetting(kHideNotifyValue, L"1");
  }
};

// An override as a row, the label and the removal button show it.
struct Override {
  const wchar_t* adapter;
  const char* what;
  DWORD type;
  std::string bytes;
  const wchar_t* column;  // "伪装"
  const wchar_t* label;   // lblSpoofedMAC
  bool removable;
};

TEST_F(HostileRegistry, OverridesOfAnyShapeAndOddKeysAreShownByTheRulesAndKeptByteForByte) {
  const auto own = test::FirstOwnInterface();
  ASSERT_TRUE(own) << "this machine has no IPv4 interface";
  // An active adapter with an override and a description beyond code page 936.
  adapters.AddAdapter(L"0000", L"Ethernet \U0001F600 Адаптер", kGuidA, own->address);
  adapters.SetNetworkAddress(L"0000", L"0012345678AB");
  // A connection without its interface key.
  adapters.AddClass(L"0001", L"No interface", kGuidB);
  adapters.AddConnection(kGuidB);
  adapters.SetNetworkAddress(L"0001", L"02AABBCCDDEE");
  // An interface key without values, and subkeys of subkeys below the class
  // subkey (one holding a NetworkAddress of its own).
  adapters.AddClass(L"0002", L"Nested", kGuidC);
  adapters.AddConnection(kGuidC);
  test::CreateKeyPath(HKEY_LOCAL_MACHINE, test::AdapterRegistry::InterfaceKey(kGuidC));
  test::SetText(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0002") + L"\\Ndi\\Params\\NetworkAddress",
                std::wstring(kNetworkAddressValue), L"0000DEADBEEF");
  // A class subkey without any value, and connections nothing refers to.
  adapters.AddClass(L"Properties", nullptr, nullptr);
  adapters.AddConnection(L"Descriptions");
  adapters.AddConnection(L"{DDDDDDDD-0000-0000-0000-000000000004}");

  std::wstring long600;
  while (long600.size() < 600) long600 += L"0123456789AB";
  const std::vector<Override> overrides = {
      {L"0010", "binary", REG_BINARY, "0012345678AB", L"是", L" 00-12-34-56-78-AB", true},
      {L"0011", "dword", REG_DWORD, Little(5), L"是", L" 05-00-00-00-00-00", true},
      {L"0012", "multi-string", REG_MULTI_SZ, Utf16(std::wstring(L"0012345678AB\0" L"02AABBCCDDEE\0\0", 27)), L"是",
       L" 00-12-34-56-78-AB", true},
      {L"0013", "big-endian dword", REG_DWORD_BIG_ENDIAN, Big(5), L"否", L" ", false},
      {L"0014", "empty", REG_SZ, Utf16(std::wstring(1, L'\0')), L"否", L" ", false},
      {L"0015", "600 bytes", REG_SZ, Utf16(long600 + L'\0'), L"是", L" 01-23-45-67-89-AB", true},
      {L"0016", "lower case", REG_SZ, Utf16(std::wstring(L"0012345678ab", 13)), L"是", L" 00-12-34-56-78-AB", true},
      {L"0017", "dashes", REG_SZ, Utf16(std::wstring(L"00-12-34-56-78-AB", 18)), L"是", L" 00-12-34-56-78-AB", true},
      {L"0018", "colons", REG_SZ, Utf16(std::wstring(L"00:12:34:56:78:AB", 18)), L"是", L" ", true},
      {L"0019", "not hexadecimal", REG_SZ, Utf16(std::wstring(L"GHIJKLMNOPQR", 13)), L"是", L" ", true},
      {L"0020", "full-width digits", REG_SZ, Utf16(std::wstring(L"００１２３４５６７８ＡＢ", 13)), L"是", L" ", true},
  };
  for (const Override& o : overrides) {
    adapters.AddClass(o.adapter, L"Hostile", nullptr);
    SetNetworkAddressBytes(o.adapter, o.type, o.bytes);
  }
  const test::RegistrySnapshot seeded = test::AdapterRegistry::Snapshot();

  QuavApp& quav = Launch();
  EXPECT_EQ(kRegistryMarker, quav.Title());
  auto rows = quav.Rows();
  ASSERT_EQ(1u, rows.size()) << "the filter shows the active adapter alone";
  // What code page 936 cannot carry shows as "?"; the rest survives.
  EXPECT_EQ((std::vector<std::wstring>{L"0000", L"是", L"是", L"Ethernet ?? Адаптер", own->address,
                                       own->hardwareAddress}),
            rows[0]);

  quav.Click(chkFilterActive);
  ASSERT_TRUE(WaitForTitle(quav, kRegistryMarker));
  std::map<std::wstring, Override> expected = {
      {L"0000", {L"0000", "active", REG_SZ, "", L"是", L" 00-12-34-56-78-AB", true}},
      {L"0001", {L"0001", "no interface key", REG_SZ, "", L"是", L" 02-AA-BB-CC-DD-EE", true}},
      {L"0002", {L"0002", "nested keys", REG_SZ, "", L"否", L" ", false}},
      {L"Properties", {L"Properties", "no values", REG_SZ, "", L"否", L" ", false}},
  };
  for (const Override& o : overrides) expected[o.adapter] = o;
  rows = quav.Rows();
  ASSERT_EQ(expected.size(), rows.size());
  for (size_t k = 0; k < rows.size(); ++k) {
    const auto& row = rows[k];
    ASSERT_TRUE(expected.count(row[0])) << Narrow(row[0]);
    const Override& o = expected[row[0]];
    SCOPED_TRACE(std::string(o.what) + " override on " + Narrow(row[0]));
    if (row[0] != L"0000") {
      EXPECT_EQ(L"否", row[1]);
      EXPECT_EQ(L"", row[4]);
      EXPECT_EQ(L"", row[5]);
    }
    EXPECT_EQ(o.column, row[2]);
    quav.PressKey(quav.Control(lvwNIC), k == 0 ? VK_HOME : VK_DOWN);
    ASSERT_EQ(static_cast<long>(k + 1), quav.SelectedRow());
    EXPECT_EQ(o.label, quav.Text(lblSpoofedMAC));
    EXPECT_EQ(o.removable, quav.Enabled(cmdRemove));
  }

  // A change on one adapter and a removal on another touch those two values only.
  SelectRow(quav, PositionOf(quav, L"0000"));
  TypeAddress(quav, L"0A1B2C3D4E5F");
  quav.Click(cmdUpdate);
  SelectRow(quav, PositionOf(quav, L"0001"));
  quav.Click(cmdRemove);
  EXPECT_TRUE(quav.Dialogs().empty()) << Narrow(quav.Dialogs().empty() ? L"" : quav.Dialogs()[0].text);
  EXPECT_EQ(L"0A1B2C3D4E5F", StoredText(L"0000"));
  EXPECT_EQ(L"<missing>", StoredText(L"0001"));
  const std::vector<std::wstring> changed = test::ChangedEntries(seeded, test::AdapterRegistry::Snapshot());
  const std::vector<std::wstring> meant = {
      test::SnapshotEntry(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0000"), L"NetworkAddress"),
      test::SnapshotEntry(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0001"), L"NetworkAddress")};
  EXPECT_EQ(meant, changed);
  const auto lines = LogLines(quav.LogPath());
  ASSERT_EQ(2u, lines.size());
  EXPECT_NE(std::wstring::npos, lines[0].find(L"[0000]")) << Narrow(lines[0]);
  EXPECT_NE(std::wstring::npos, lines[0].find(L"[0A-1B-2C-3D-4E-5F]"));
  EXPECT_NE(std::wstring::npos, lines[1].find(L"[0001]"));

  // Reloaded, the list shows the same, and still nothing else has changed.
  quav.Click(cmdRefresh);
  ASSERT_TRUE(WaitForTitle(quav, kRegistryMarker));
  const auto reloaded = RowsById(quav);
  ASSERT_EQ(expected.size(), reloaded.size());
  for (const Override& o : overrides) EXPECT_EQ(o.column, reloaded.at(o.adapter)[2]) << o.what;
  EXPECT_EQ(L"否", reloaded.at(L"0001")[2]);
  EXPECT_EQ(meant, test::ChangedEntries(seeded, test::AdapterRegistry::Snapshot()));
  EXPECT_TRUE(quav.Running());
}

TEST_F(HostileRegistry, AThousandAdaptersAndNamesOf255CharactersAreListedAndChangedInPlace) {
  for (int n = 0; n < 1000; ++n) {
    wchar_t id[8];
    wchar_t guid[40];
    std::swprintf(id, 8, L"%04d", n);
    std::swprintf(guid, 40, L"{%08X-0000-0000-0000-000000000000}", n);
    adapters.AddClass(id, L"Adapter", guid);
    adapters.AddConnection(guid);
  }
  const std::wstring wide(255, L'网');
  const std::wstring ascii = std::wstring(251, L'A') + L"0255";
  adapters.AddClass(wide, L"Wide name", nullptr);
  adapters.SetNetworkAddress(wide, L"020000000001");
  adapters.AddClass(ascii, L"Long name", nullptr);
  adapters.SetNetworkAddress(ascii, L"020000000002");
  const test::RegistrySnapshot seeded = test::AdapterRegistry::Snapshot();

  QuavApp& quav = Launch();
  EXPECT_EQ(kEmptyMarker, quav.Title()) << "none of them is active";
  quav.Click(chkFilterActive);
  ASSERT_TRUE(WaitForTitle(quav, kRegistryMarker));
  ASSERT_TRUE(WaitUntil([&] { return quav.RowCount() == 1002; }, 60s)) << quav.RowCount();
  const auto rows = quav.Rows();
  std::set<std::wstring> ids;
  for (const auto& row : rows) ids.insert(row[0]);
  EXPECT_EQ(1002u, ids.size());
  EXPECT_TRUE(ids.count(wide));
  EXPECT_TRUE(ids.count(ascii));
  // The two overrides, read under their long names, sort first.
  const auto first = RowsById(quav);
  EXPECT_EQ(L"是", first.at(wide)[2]);
  EXPECT_EQ(L"Wide name", first.at(wide)[3]);
  EXPECT_EQ(L"是", first.at(ascii)[2]);
  EXPECT_EQ(L"Long name", first.at(ascii)[3]);
  EXPECT_EQ((std::set<std::wstring>{wide, ascii}), (std::set<std::wstring>{rows[0][0], rows[1][0]}));

  SelectRow(quav, PositionOf(quav, wide));
  EXPECT_EQ(L" 02-00-00-00-00-01", quav.Text(lblSpoofedMAC));
  TypeAddress(quav, L"020000000003");
  quav.Click(cmdUpdate);
  EXPECT_EQ(L"020000000003", StoredText(wide));
  EXPECT_EQ(L"020000000002", StoredText(ascii));
  EXPECT_EQ((std::vector<std::wstring>{
                test::SnapshotEntry(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(wide), L"NetworkAddress")}),
            test::ChangedEntries(seeded, test::AdapterRegistry::Snapshot()));
  const auto lines = LogLines(quav.LogPath());
  ASSERT_EQ(1u, lines.size());
  EXPECT_NE(std::wstring::npos, lines[0].find(L"[" + wide + L"]"));
  EXPECT_TRUE(quav.Dialogs().empty());
}

TEST_F(HostileRegistry, WithoutTheConnectionsOrTheClassKeyTheListIsEmptyAndNothingIsCreated) {
  const std::wstring classKey(kNetworkClassKey.substr(0, kNetworkClassKey.size() - 1));
  for (const std::wstring& missing : {std::wstring(kNetworkConnectionsKey), classKey}) {
    SCOPED_TRACE(Narrow(missing));
    adapters.AddAdapter(L"0000", L"Adapter", kGuidA, L"0.0.0.0");
    adapters.SetNetworkAddress(L"0000", L"0012345678AB");
    test::DeleteTree(HKEY_LOCAL_MACHINE, missing);
    const test::RegistrySnapshot seeded = test::AdapterRegistry::Snapshot();

    QuavApp& quav = Launch();
    EXPECT_EQ(kEmptyMarker, quav.Title());
    quav.Click(chkFilterActive);
    ASSERT_TRUE(WaitForTitle(quav, kEmptyMarker));
    EXPECT_EQ(0, quav.RowCount());
    EXPECT_TRUE(quav.Enabled(cmdRefresh));
    EXPECT_FALSE(quav.Enabled(cmdUpdate));
    EXPECT_FALSE(quav.Enabled(cmdRemove));
    EXPECT_TRUE(quav.Dialogs().empty());
    EXPECT_TRUE(test::ChangedEntries(seeded, test::AdapterRegistry::Snapshot()).empty());
    EXPECT_FALSE(test::KeyExists(HKEY_LOCAL_MACHINE, missing));
    quav.Click(cmdExit);
    EXPECT_TRUE(quav.WaitForExit());
    test::CreateKeyPath(HKEY_LOCAL_MACHINE, missing);
  }
}

}  // namespace
}  // namespace quav::e2e
