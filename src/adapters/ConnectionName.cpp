#include "adapters/ConnectionName.h"

#include <windows.h>

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

}  // namespace quav
