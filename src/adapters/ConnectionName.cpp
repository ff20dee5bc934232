#include "adapters/ConnectionName.h"

#include "adapters/AdapterKeys.h"
#include "adapters/AddressRules.h"
#include "platform/modRegistry.h"

namespace quav {

std::wstring AdapterInstanceId(const std::wstring& adapterIndex) {
  std::wstring id;
  if (adapterIndex.empty()) return id;
  TryGetRegValue(HKEY_LOCAL_MACHINE, std::wstring(kNetworkClassKey) + adapterIndex, L"NetCfgInstanceID", id);
  // Anyone who may write the class key could otherwise name another device
  // (a pipe, say) for the program to open.
  if (!IsInstanceGuid(id)) id.clear();
  return id;
}

std::wstring ConnectionName(const std::wstring& instanceId) {
  std::wstring name;
  if (instanceId.empty()) return name;
  TryGetRegValue(HKEY_LOCAL_MACHINE, std::wstring(kNetworkConnectionsKey) + L"\\" + instanceId + L"\\Connection",
                 L"Name", name);
  return name;
}

ClassKeyValues ReadClassKey(HKEY parent, std::wstring_view subkey, bool withDescription) {
  ClassKeyValues values;
  long status = ERROR_SUCCESS;
  UniqueHkey key = OpenKey(parent, subkey, status);
  if (status != ERROR_SUCCESS) {
    values.networkAddressStatus = status;
    return values;
  }
  DWORD type = 0;
  if (withDescription) values.description = ReadValue(key.get(), L"DriverDesc", type, status);
  values.instanceId = ReadValue(key.get(), L"NetCfgInstanceID", type, status);
  if (!IsInstanceGuid(values.instanceId)) values.instanceId.clear();
  values.networkAddress = ReadValue(key.get(), kNetworkAddressValue, type, values.networkAddressStatus);
  status = key.Close();
  if (status != ERROR_SUCCESS) values.networkAddressStatus = status;
  return values;
}

std::wstring ConnectionNameBelow(HKEY connectionsKey, const std::wstring& instanceId) {
  if (instanceId.empty()) return {};
  long status = ERROR_SUCCESS;
  const UniqueHkey key = OpenKey(connectionsKey, instanceId + L"\\Connection", status);
  if (status != ERROR_SUCCESS) return {};
  DWORD type = 0;
  std::wstring name = ReadValue(key.get(), L"Name", type, status);
  return status == ERROR_SUCCESS ? name : std::wstring();
}

}  // namespace quav
