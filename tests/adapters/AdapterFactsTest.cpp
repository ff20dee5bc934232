#include "adapters/AdapterFacts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "adapters/AdapterKeys.h"
#include "adapters/WlanRandomAddress.h"
#include "support/RegistryFixture.h"

namespace quav {
namespace {

constexpr wchar_t kGuid[] = L"{AAAAAAAA-0000-0000-0000-00000000000F}";

void SetDword(const std::wstring& path, const wchar_t* name, DWORD value) {
  test::SetRaw(HKEY_LOCAL_MACHINE, path, name, REG_DWORD,
               std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

TEST(SystemAdapterFacts, TheActiveAddressIsTheInterfacesWhoseNameTheClassKeyGives) {
  test::AdapterRegistry adapters;
  const std::optional<test::OwnInterface> own = test::FirstOwnInterface();
  ASSERT_TRUE(own);
  adapters.AddClass(L"0001", L"Own", own->name.c_str());
  adapters.AddClass(L"0002", L"Elsewhere", kGuid);
  adapters.AddClass(L"0003", L"No instance", nullptr);
  SystemAdapterFacts facts;
  EXPECT_EQ(own->hardwareAddress, facts.ActiveAddress(L"0001").value_or(L"<none>"));
  EXPECT_FALSE(facts.ActiveAddress(L"0002"));
  EXPECT_FALSE(facts.ActiveAddress(L"0003"));
  EXPECT_FALSE(facts.ActiveAddress(L"0009")) << "no class subkey";
  EXPECT_FALSE(facts.ActiveAddress(L""));
}

// The driver's medium on later Windows, the connection's subtype on XP.
TEST(SystemAdapterFacts, WirelessComesFromTheMediumOrTheConnection) {
  test::AdapterRegistry adapters;
  const struct {
    const wchar_t* subkey;
    DWORD medium;  // 0: no value
    bool expected;
  } media[] = {{L"0010", 0, false}, {L"0011", 1, true}, {L"0012", 9, true}, {L"0013", 14, false}, {L"0014", 8, false}};
  SystemAdapterFacts facts;
  for (const auto& m : media) {
    adapters.AddClass(m.subkey, L"Adapter", nullptr);
    if (m.medium) SetDword(test::AdapterRegistry::ClassKey(m.subkey), L"*PhysicalMediaType", m.medium);
    EXPECT_EQ(m.expected, facts.IsWireless(m.subkey)) << m.subkey;
  }
  adapters.AddClass(L"0020", L"XP wireless", kGuid);
  adapters.AddConnection(kGuid);
  const std::wstring connection = std::wstring(kNetworkConnectionsKey) + L"\\" + kGuid + L"\\Connection";
  SetDword(connection, L"MediaSubType", 1);
  EXPECT_FALSE(facts.IsWireless(L"0020"));
  SetDword(connection, L"MediaSubType", 2);
  EXPECT_TRUE(facts.IsWireless(L"0020"));
  test::SetText(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0010"), L"*PhysicalMediaType", L"9 ");
  EXPECT_FALSE(facts.IsWireless(L"0010")) << "only a whole number counts";
  EXPECT_FALSE(facts.IsWireless(L""));
}

// RandomMacState in one view of the registry; both builds read the 64-bit one.
void SetRandomMacState(REGSAM view, const std::wstring& guid, DWORD state) {
  HKEY key = nullptr;
  const std::wstring path = L"SOFTWARE\\Microsoft\\WlanSvc\\Interfaces\\" + guid;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                                             nullptr, &key, nullptr));
  const BYTE bytes[8] = {static_cast<BYTE>(state)};
  EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueExW(key, L"RandomMacState", 0, REG_BINARY, bytes, sizeof bytes));
  ::RegCloseKey(key);
}

void DeleteWlanInterface(REGSAM view, const std::wstring& guid) {
  const std::wstring path = L"SOFTWARE\\Microsoft\\WlanSvc\\Interfaces\\" + guid;
  ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), view, 0);
}

class FakeWlan final : public WlanConnection {
 public:
  std::optional<std::wstring> profile;
  std::optional<std::wstring> ConnectedProfileXml(const std::wstring&) override { return profile; }
};

TEST(SystemAdapterFacts, WindowsRandomAddressesFromTheRegistrysWideViewAndTheProfile) {
  test::AdapterRegistry adapters;
  adapters.AddClass(L"0001", L"Wi-Fi", kGuid);
  adapters.AddClass(L"0002", L"No instance", nullptr);
  SystemAdapterFacts facts;
  EXPECT_EQ(WindowsRandomAddress::Unknown, facts.RandomAddress(L"0001")) << "nothing stored, no interface";
  SetRandomMacState(KEY_WOW64_64KEY, kGuid, 1);
  SetRandomMacState(KEY_WOW64_32KEY, kGuid, 0);
  // Wine's Native Wi-Fi knows no interfaces: the interface's setting decides.
  EXPECT_EQ(WindowsRandomAddress::On, facts.RandomAddress(L"0001"));
  EXPECT_EQ(WindowsRandomAddress::Unknown, facts.RandomAddress(L"0002"));
  FakeWlan wlan;
  wlan.profile = L"<MacRandomization><enableRandomization>false</enableRandomization></MacRandomization>";
  EXPECT_EQ(WindowsRandomAddress::Off, ReadWindowsRandomAddress(kGuid, wlan)) << "the network's own setting wins";
  SetRandomMacState(KEY_WOW64_64KEY, kGuid, 0);
  EXPECT_EQ(WindowsRandomAddress::Off, facts.RandomAddress(L"0001"));
  DeleteWlanInterface(KEY_WOW64_64KEY, kGuid);
  DeleteWlanInterface(KEY_WOW64_32KEY, kGuid);
}

}  // namespace
}  // namespace quav
