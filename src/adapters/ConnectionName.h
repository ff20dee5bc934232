#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quav {

// The adapter's instance GUID in braces (NetCfgInstanceID under its class
// subkey, 0007); empty when it cannot be read or is not a GUID in braces.
std::wstring AdapterInstanceId(const std::wstring& adapterIndex);

// The name the user knows the adapter's connection by (本地连接, 以太网,
// WLAN): Connection\Name under its connection key; empty when it has none.
std::wstring ConnectionName(const std::wstring& instanceId);

// What a scan reads under an adapter's class subkey, the key opened once.
struct ClassKeyValues {
  std::wstring description;  // DriverDesc, when asked for
  std::wstring instanceId;   // as AdapterInstanceId gives it
  std::wstring networkAddress;
  // Of reading the override, as GetRegValue sets it: the last failing step's
  // (open, read, close), or 0.
  long networkAddressStatus = 0;
};

// The class subkey named subkey below parent (a key open, or a root).
ClassKeyValues ReadClassKey(HKEY parent, std::wstring_view subkey, bool withDescription);

// ConnectionName, below the connections key already open.
std::wstring ConnectionNameBelow(HKEY connectionsKey, const std::wstring& instanceId);

}  // namespace quav
