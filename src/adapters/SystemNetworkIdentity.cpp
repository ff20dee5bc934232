#include "adapters/SystemNetworkIdentity.h"

// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <netlistmgr.h>
// clang-format on

#include "adapters/AddressRules.h"
#include "adapters/GetMACFromIP.h"
#include "adapters/InterfaceTable.h"
#include "platform/AnsiText.h"
#include "platform/Handles.h"

namespace quav {
namespace {

// COM for this thread, where it is not yet there in another mode.
class ComScope {
 public:
  ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }

 private:
  HRESULT result_;
};

std::array<uint8_t, 16> GuidBytes(const GUID& guid) {
  std::array<uint8_t, 16> bytes{};
  for (int k = 0; k < 4; ++k) bytes[k] = static_cast<uint8_t>(guid.Data1 >> (24 - 8 * k));
  bytes[4] = static_cast<uint8_t>(guid.Data2 >> 8);
  bytes[5] = static_cast<uint8_t>(guid.Data2);
  bytes[6] = static_cast<uint8_t>(guid.Data3 >> 8);
  bytes[7] = static_cast<uint8_t>(guid.Data3);
  for (int k = 0; k < 8; ++k) bytes[8 + k] = guid.Data4[k];
  return bytes;
}

// The Network List Manager's network of the adapter's connection; none
// where Windows has no such manager or lists no connection of the adapter.
std::optional<NetworkIdentity> FromNetworkList(const GUID& adapter) {
  const ComScope com;
  ComPtr<INetworkListManager> manager;
  if (FAILED(::CoCreateInstance(CLSID_NetworkListManager, nullptr, CLSCTX_ALL, IID_INetworkListManager,
                                manager.put_void()))) {
    return std::nullopt;
  }
  ComPtr<IEnumNetworkConnections> connections;
  if (FAILED(manager->GetNetworkConnections(connections.put())) || !connections) return std::nullopt;
  for (;;) {
    ComPtr<INetworkConnection> connection;
    ULONG fetched = 0;
    if (connections->Next(1, connection.put(), &fetched) != S_OK || fetched != 1) return std::nullopt;
    GUID id{};
    if (FAILED(connection->GetAdapterId(&id)) || !::IsEqualGUID(id, adapter)) continue;
    VARIANT_BOOL connected = VARIANT_FALSE;
    if (SUCCEEDED(connection->get_IsConnected(&connected)) && connected == VARIANT_FALSE) {
      return NetworkIdentity{NetworkIdentityStatus::NotConnected, NetworkSource::NetworkList, L"", "", L""};
    }
    ComPtr<INetwork> network;
    GUID networkId{};
    if (FAILED(connection->GetNetwork(network.put())) || !network || FAILED(network->GetNetworkId(&networkId))) {
      return std::nullopt;
    }
    UniqueBstr name;
    network->GetName(name.put());
    return NetworkListIdentity(GuidBytes(networkId), name ? std::wstring(name.get()) : std::wstring());
  }
}

// The hardware address of the interface's first IPv4 default gateway, from
// the ARP cache or a request; none without a gateway or an answer.
std::optional<NetworkIdentity> FromGateway(const std::wstring& instanceId) {
  const InterfaceTable table;
  const std::string name = ToAnsi(instanceId);
  for (const IP_ADAPTER_INFO* adapter = table.First(); adapter; adapter = adapter->Next) {
    if (::lstrcmpiA(adapter->AdapterName, name.c_str()) != 0) continue;
    for (const IP_ADDR_STRING* gateway = &adapter->GatewayList; gateway; gateway = gateway->Next) {
      const std::wstring address = FromAnsi(gateway->IpAddress.String);
      if (!PassesAddressTest(address)) continue;
      SystemHardwareAddressLookup lookup;
      std::wstring hardware;
      if (!GetMACFromIP(address, hardware, lookup)) continue;
      if (const std::optional<MacBytes> bytes = AddressBytes(hardware)) return GatewayIdentity(*bytes);
    }
  }
  return std::nullopt;
}

}  // namespace

NetworkIdentity IdentifyNetwork(const std::wstring& instanceId, bool wireless, WlanConnection& wlan) {
  const std::optional<GUID> adapter = InterfaceGuid(instanceId);
  if (!adapter) return {};
  if (wireless) {
    const WlanConnection::Current current = wlan.CurrentConnection(instanceId);
    if (current.status == ERROR_ACCESS_DENIED) {
      return {NetworkIdentityStatus::LocationDenied, NetworkSource::WiFi, L"", "", L""};
    }
    if (current.status == ERROR_SUCCESS) {
      if (!current.connected) return {NetworkIdentityStatus::NotConnected, NetworkSource::WiFi, L"", "", L""};
      return WiFiIdentity(current.ssid, current.authentication, current.profile);
    }
  }
  if (std::optional<NetworkIdentity> listed = FromNetworkList(*adapter)) return std::move(*listed);
  if (std::optional<NetworkIdentity> gateway = FromGateway(instanceId)) return std::move(*gateway);
  return {};
}

}  // namespace quav
