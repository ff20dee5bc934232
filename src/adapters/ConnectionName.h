#pragma once

#include <string>

namespace quav {

// The adapter's instance GUID in braces (NetCfgInstanceID under its class
// subkey, 0007); empty when it cannot be read or is not a GUID in braces.
std::wstring AdapterInstanceId(const std::wstring& adapterIndex);

// The name the user knows the adapter's connection by (本地连接, 以太网,
// WLAN): Connection\Name under its connection key; empty when it has none.
std::wstring ConnectionName(const std::wstring& instanceId);

}  // namespace quav
