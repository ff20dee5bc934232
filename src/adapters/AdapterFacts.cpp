#include "adapters/AdapterFacts.h"

// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on


#include "adapters/AdapterKeys.h"
#include "adapters/AddressRules.h"
#include "adapters/ConnectionName.h"
#include "adapters/InterfaceTable.h"
#include "adapters/PermanentAddress.h"
#include "adapters/SystemNetworkIdentity.h"
#include "adapters/WlanRandomAddress.h"
#include "platform/AnsiText.h"
#include "platform/modRegistry.h"

namespace quav {
namespace {

// NDIS physical media of wireless LAN adapters: 802.11 through a legacy
// driver, and native 802.11.
constexpr long kMediumWirelessLan = 1;
constexpr long kMediumNative80211 = 9;
// The interface type Windows Vista and later give 802.11 interfaces.
constexpr UINT kInterfaceTypeIeee80211 = 71;
// The connection's media subtype Windows XP records for a wireless connection.
constexpr long kMediaSubtypeWireless = 2;

// A REG_DWORD the registry layer reads as decimal text; none when absent.
bool ReadNumber(const std::wstring& keyPath, const wchar_t* valueName, long& number) {
  std::wstring text;
  if (!TryGetRegValue(HKEY_LOCAL_MACHINE, keyPath, valueName, text) || text.empty()) return false;
  wchar_t* end = nullptr;
  number = std::wcstol(text.c_str(), &end, 10);
  return end && *end == L'\0';
}

struct InterfaceEntry {
  std::wstring address;
  UINT type = 0;
  bool found = false;
};

// The interface table's entry whose name is the adapter's instance GUID.
InterfaceEntry FindInterface(const std::wstring& instanceId) {
  InterfaceEntry entry;
  if (instanceId.empty()) return entry;
  const InterfaceTable table;
  const std::string name = ToAnsi(instanceId);
  for (const IP_ADAPTER_INFO* adapter = table.First(); adapter; adapter = adapter->Next) {
    if (::lstrcmpiA(adapter->AdapterName, name.c_str()) != 0) continue;
    entry.found = true;
    entry.type = adapter->Type;
    if (adapter->AddressLength > 0) {
      entry.address = HardwareAddressText(adapter->Address, adapter->AddressLength < 6 ? adapter->AddressLength : 6);
    }
    break;
  }
  return entry;
}

}  // namespace

std::optional<std::wstring> SystemAdapterFacts::ActiveAddress(const std::wstring& adapterIndex) {
  const InterfaceEntry entry = FindInterface(AdapterInstanceId(adapterIndex));
  if (!entry.found || entry.address.empty()) return std::nullopt;
  return entry.address;
}

std::optional<std::wstring> SystemAdapterFacts::PermanentAddress(const std::wstring& adapterIndex) {
  SystemNdisDevices devices;
  return quav::PermanentAddress(AdapterInstanceId(adapterIndex), devices);
}

bool SystemAdapterFacts::IsWireless(const std::wstring& adapterIndex) {
  if (adapterIndex.empty()) return false;
  long medium = 0;
  if (ReadNumber(std::wstring(kNetworkClassKey) + adapterIndex, L"*PhysicalMediaType", medium) &&
      (medium == kMediumWirelessLan || medium == kMediumNative80211)) {
    return true;
  }
  const std::wstring instanceId = AdapterInstanceId(adapterIndex);
  if (instanceId.empty()) return false;
  long subtype = 0;
  if (ReadNumber(std::wstring(kNetworkConnectionsKey) + L"\\" + instanceId + L"\\Connection", L"MediaSubType",
                 subtype) &&
      subtype == kMediaSubtypeWireless) {
    return true;
  }
  return FindInterface(instanceId).type == kInterfaceTypeIeee80211;
}

WindowsRandomAddress SystemAdapterFacts::RandomAddress(const std::wstring& adapterIndex) {
  if (adapterIndex.empty()) return WindowsRandomAddress::Unknown;
  SystemWlanConnection wlan;
  return ReadWindowsRandomAddress(AdapterInstanceId(adapterIndex), wlan);
}

NetworkIdentity SystemAdapterFacts::Network(const std::wstring& adapterIndex) {
  if (adapterIndex.empty()) return {};
  SystemWlanConnection wlan;
  return IdentifyNetwork(AdapterInstanceId(adapterIndex), IsWireless(adapterIndex), wlan);
}

}  // namespace quav
