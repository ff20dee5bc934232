#pragma once

#include <string_view>

// Where Windows keeps its network adapters, all below HKEY_LOCAL_MACHINE.
namespace quav {

// One subkey per network connection, named by its instance GUID in braces.
inline constexpr std::wstring_view kNetworkConnectionsKey =
    L"SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

// One subkey per adapter instance (0000, 0001, ...); the adapter's ID is appended.
inline constexpr std::wstring_view kNetworkClassKey =
    L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";

// The TCP/IP settings of each interface; the instance GUID is appended.
inline constexpr std::wstring_view kTcpipInterfacesKey =
    L"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

// The connections key's subkey that is not a connection.
inline constexpr std::wstring_view kDescriptionsSubkey = L"Descriptions";

// The overriding address under an adapter's class subkey.
inline constexpr std::wstring_view kNetworkAddressValue = L"NetworkAddress";

}  // namespace quav
