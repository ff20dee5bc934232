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
void SetRandomMacState(REGSAM view, const std::wstring& guid, DWORD state, DWORD type = REG_BINARY) {
  HKEY key = nullptr;
  const std::wstring path = L"SOFTWARE\\Microsoft\\WlanSvc\\Interfaces\\" + guid;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                                             nullptr, &key, nullptr));
  const BYTE bytes[8] = {static_cast<BYTE>(state)};
  EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueExW(key, L"RandomMacState", 0, type, bytes, type == REG_DWORD ? 4 : 8));
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
  wlan.profile =
      L"<WLANProfile><MacRandomization xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v3\">"
      L"<enableRandomization>false</enableRandomization></MacRandomization></WLANProfile>";
  EXPECT_EQ(WindowsRandomAddress::Off, ReadWindowsRandomAddress(kGuid, wlan)) << "the network's own setting wins";
  SetRandomMacState(KEY_WOW64_64KEY, kGuid, 0);
  EXPECT_EQ(WindowsRandomAddress::Off, facts.RandomAddress(L"0001"));
  // Any other number, or another type, says nothing.
  SetRandomMacState(KEY_WOW64_64KEY, kGuid, 2);
  EXPECT_EQ(WindowsRandomAddress::Unknown, facts.RandomAddress(L"0001"));
  SetRandomMacState(KEY_WOW64_64KEY, kGuid, 1, REG_DWORD);
  EXPECT_EQ(WindowsRandomAddress::Unknown, facts.RandomAddress(L"0001"));
  DeleteWlanInterface(KEY_WOW64_64KEY, kGuid);
  DeleteWlanInterface(KEY_WOW64_32KEY, kGuid);
}

// The profile is read as XML: only its own v3 MacRandomization element says,
// and only with an enableRandomization of true, 1, false or 0.
TEST(SystemAdapterFacts, OnlyTheProfilesOwnRandomizationElementSays) {
  DeleteWlanInterface(KEY_WOW64_64KEY, kGuid);
  const std::wstring profile =
      L"<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\"><name>Home</name>";
  const std::wstring v3 = L" xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v3\"";
  const std::wstring element = L"<MacRandomization" + v3 + L">";
  const std::wstring enabled = L"<enableRandomization>true</enableRandomization>";
  const std::wstring end = L"</MacRandomization></WLANProfile>";
  const struct {
    std::wstring xml;
    WindowsRandomAddress expected;
  } rows[] = {
      {L"<?xml version=\"1.0\"?>\r\n" + profile + element + L"\r\n  " + enabled +
           L"<randomizeEveryday>true</randomizeEveryday><randomizationSeed>7</randomizationSeed>" + end,
       WindowsRandomAddress::Daily},
      {profile + element + L"<enableRandomization> 1 </enableRandomization>" + end, WindowsRandomAddress::On},
      {profile + element + L"<enableRandomization>false</enableRandomization>" + end, WindowsRandomAddress::Off},
      {profile + element + L"<!-- " + enabled + L" --><enableRandomization>0</enableRandomization>" + end,
       WindowsRandomAddress::Off},
      {profile + L"<MacRandomization" + v3 + L"/><x" + v3 + L">" + enabled + L"</x></WLANProfile>",
       WindowsRandomAddress::Unknown},
      {profile + L"<MacRandomizationPolicy" + v3 + L">" + enabled + L"</MacRandomizationPolicy></WLANProfile>",
       WindowsRandomAddress::Unknown},
      {profile + element + enabled + L"</WLANProfile>", WindowsRandomAddress::Unknown},
      {profile + element + L"<enableRandomization></enableRandomization>" + end, WindowsRandomAddress::Unknown},
      {profile + element + L"<enableRandomization>yes</enableRandomization>" + end, WindowsRandomAddress::Unknown},
      {profile + element + L"<randomizeEveryday>true</randomizeEveryday>" + end, WindowsRandomAddress::Unknown},
      {profile + L"<MacRandomization>" + enabled + end, WindowsRandomAddress::Unknown},
      {L"<!DOCTYPE WLANProfile>" + profile + element + enabled + end, WindowsRandomAddress::Unknown},
      {element + enabled + L"</MacRandomization>", WindowsRandomAddress::Unknown},
  };
  FakeWlan wlan;
  for (const auto& row : rows) {
    wlan.profile = row.xml;
    EXPECT_EQ(row.expected, ReadWindowsRandomAddress(kGuid, wlan)) << row.xml;
  }
}

}  // namespace
}  // namespace quav
