#include "adapters/WlanRandomAddress.h"

#include <windows.h>
#include <wlanapi.h>

#include <array>
#include <cwchar>
#include <type_traits>

#include "adapters/AddressRules.h"
#include "platform/AnsiText.h"
#include "platform/DllSearch.h"
#include "platform/RegistryApi.h"
#include "platform/ScopeExit.h"
#include "platform/XmlDocument.h"

namespace quav {
namespace {

constexpr char kWlanInterfacesKey[] = "SOFTWARE\\Microsoft\\WlanSvc\\Interfaces\\";
// The first client version: Windows XP SP2/SP3's wlanapi knows only it.
constexpr DWORD kWlanClientVersion = 1;

struct WlanFunctions {
  decltype(&::WlanOpenHandle) open = nullptr;
  decltype(&::WlanCloseHandle) close = nullptr;
  decltype(&::WlanQueryInterface) query = nullptr;
  decltype(&::WlanGetProfile) profile = nullptr;
  decltype(&::WlanFreeMemory) free = nullptr;
  decltype(&::WlanSetProfile) setProfile = nullptr;
};

// Resolved once; all null when the DLL or any function is missing.
const WlanFunctions& Wlan() {
  static const WlanFunctions functions = [] {
    WlanFunctions found;
    const HMODULE module = LoadSystemDll("wlanapi.dll");
    if (!module) return found;
    auto get = [module](auto& slot, const char* name) {
      slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
          reinterpret_cast<void*>(::GetProcAddress(module, name)));
      return slot != nullptr;
    };
    if (!(get(found.open, "WlanOpenHandle") && get(found.close, "WlanCloseHandle") &&
          get(found.query, "WlanQueryInterface") && get(found.profile, "WlanGetProfile") &&
          get(found.free, "WlanFreeMemory") && get(found.setProfile, "WlanSetProfile"))) {
      return WlanFunctions{};
    }
    return found;
  }();
  return functions;
}

// RandomMacState's bytes; none when the key or value is not there.
std::optional<std::string> RandomMacState(const std::wstring& instanceId) {
  RegistryApi& api = CurrentRegistryApi();
  HKEY key = nullptr;
  const std::string path = kWlanInterfacesKey + ToAnsi(instanceId);
  if (api.OpenKeyEx(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const ScopeExit closeKey([&] { api.CloseKey(key); });
  std::string bytes(64, '\0');
  DWORD type = 0;
  auto size = static_cast<DWORD>(bytes.size());
  if (api.QueryValueEx(key, "RandomMacState", nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) !=
          ERROR_SUCCESS ||
      type != REG_BINARY) {
    return std::nullopt;
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace

std::optional<GUID> InterfaceGuid(const std::wstring& instanceId) {
  const std::optional<std::array<uint8_t, 16>> bytes = InstanceGuidBytes(instanceId);
  if (!bytes) return std::nullopt;
  const auto& b = *bytes;
  GUID guid{};
  guid.Data1 = (DWORD{b[0]} << 24) | (DWORD{b[1]} << 16) | (DWORD{b[2]} << 8) | b[3];
  guid.Data2 = static_cast<WORD>((b[4] << 8) | b[5]);
  guid.Data3 = static_cast<WORD>((b[6] << 8) | b[7]);
  for (size_t k = 0; k < 8; ++k) guid.Data4[k] = b[8 + k];
  return guid;
}


std::optional<std::wstring> SystemWlanConnection::ConnectedProfileXml(const std::wstring& instanceId) {
  const WlanFunctions& wlan = Wlan();
  const std::optional<GUID> guid = InterfaceGuid(instanceId);
  if (!wlan.open || !guid) return std::nullopt;
  DWORD version = 0;
  HANDLE client = nullptr;
  if (wlan.open(kWlanClientVersion, nullptr, &version, &client) != ERROR_SUCCESS) return std::nullopt;
  const ScopeExit closeClient([&] { wlan.close(client, nullptr); });

  DWORD size = 0;
  PVOID data = nullptr;
  if (wlan.query(client, &*guid, wlan_intf_opcode_current_connection, nullptr, &size, &data, nullptr) !=
          ERROR_SUCCESS ||
      !data) {
    return std::nullopt;
  }
  const ScopeExit freeConnection([&] { wlan.free(data); });
  const auto* connection = static_cast<const WLAN_CONNECTION_ATTRIBUTES*>(data);
  if (size < sizeof(WLAN_CONNECTION_ATTRIBUTES) || connection->isState != wlan_interface_state_connected) {
    return std::nullopt;
  }
  std::wstring profileName(connection->strProfileName, WLAN_MAX_NAME_LENGTH);
  profileName.resize(wcsnlen(profileName.c_str(), WLAN_MAX_NAME_LENGTH));
  if (profileName.empty()) return std::nullopt;

  LPWSTR xml = nullptr;
  DWORD flags = 0;
  DWORD access = 0;
  if (wlan.profile(client, &*guid, profileName.c_str(), nullptr, &xml, &flags, &access) != ERROR_SUCCESS || !xml) {
    return std::nullopt;
  }
  const ScopeExit freeXml([&] { wlan.free(xml); });
  return std::wstring(xml);
}

WindowsRandomAddress ReadWindowsRandomAddress(const std::wstring& instanceId, WlanConnection& wlan) {
  if (instanceId.empty()) return WindowsRandomAddress::Unknown;
  const std::optional<std::string> state = RandomMacState(instanceId);
  const std::optional<std::wstring> profile = wlan.ConnectedProfileXml(instanceId);
  const std::optional<XmlElement> document = profile ? ReadXmlDocument(*profile) : std::nullopt;
  return DecideRandomAddress(state ? InterfaceRandomSetting(*state) : std::nullopt,
                             document ? ProfileRandomSetting(*document) : std::nullopt);
}

WlanConnection::Current SystemWlanConnection::CurrentConnection(const std::wstring& instanceId) {
  Current current;
  const WlanFunctions& wlan = Wlan();
  const std::optional<GUID> guid = InterfaceGuid(instanceId);
  if (!wlan.open || !guid) return {ERROR_NOT_SUPPORTED, false, {}, 0, {}};
  DWORD version = 0;
  HANDLE client = nullptr;
  if (const DWORD opened = wlan.open(kWlanClientVersion, nullptr, &version, &client); opened != ERROR_SUCCESS) {
    return {opened, false, {}, 0, {}};
  }
  const ScopeExit closeClient([&] { wlan.close(client, nullptr); });
  DWORD size = 0;
  PVOID data = nullptr;
  current.status = wlan.query(client, &*guid, wlan_intf_opcode_current_connection, nullptr, &size, &data, nullptr);
  // Windows answers a query of an interface that is not connected with this.
  if (current.status == ERROR_INVALID_STATE) current.status = ERROR_SUCCESS;
  if (current.status != ERROR_SUCCESS || !data) return current;
  const ScopeExit freeConnection([&] { wlan.free(data); });
  const auto* connection = static_cast<const WLAN_CONNECTION_ATTRIBUTES*>(data);
  if (size < sizeof(WLAN_CONNECTION_ATTRIBUTES) || connection->isState != wlan_interface_state_connected) {
    return current;
  }
  const DOT11_SSID& ssid = connection->wlanAssociationAttributes.dot11Ssid;
  current.connected = true;
  current.ssid.assign(reinterpret_cast<const char*>(ssid.ucSSID), ssid.uSSIDLength < 32 ? ssid.uSSIDLength : 32);
  current.authentication = connection->wlanSecurityAttributes.dot11AuthAlgorithm;
  current.profile.assign(connection->strProfileName, wcsnlen(connection->strProfileName, WLAN_MAX_NAME_LENGTH));
  return current;
}

unsigned long SystemWlanConnection::SetProfileXml(const std::wstring& instanceId, const std::wstring& xml) {
  const WlanFunctions& wlan = Wlan();
  const std::optional<GUID> guid = InterfaceGuid(instanceId);
  if (!wlan.open || !guid) return ERROR_NOT_SUPPORTED;
  DWORD version = 0;
  HANDLE client = nullptr;
  if (const DWORD opened = wlan.open(kWlanClientVersion, nullptr, &version, &client); opened != ERROR_SUCCESS) {
    return opened;
  }
  const ScopeExit closeClient([&] { wlan.close(client, nullptr); });
  DWORD reason = 0;
  return wlan.setProfile(client, &*guid, 0, xml.c_str(), nullptr, TRUE, nullptr, &reason);
}

unsigned long TurnOnWindowsRandomAddress(const std::wstring& instanceId, bool daily, WlanConnection& wlan) {
  const std::optional<std::wstring> profile = wlan.ConnectedProfileXml(instanceId);
  const std::optional<std::wstring> changed = profile ? ProfileWithRandomAddress(*profile, daily) : std::nullopt;
  if (!changed) return ERROR_NOT_FOUND;
  return wlan.SetProfileXml(instanceId, *changed);
}

}  // namespace quav
