#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Which network an adapter is connected to, as something that stays the same
// each time it connects there: the Wi-Fi network's name and authentication,
// the Network List Manager's ID of a wired network, or its default
// gateway's hardware address.
namespace quav {

enum class NetworkIdentityStatus {
  Known,
  NotConnected,    // the adapter is on no network now
  Unknown,         // connected, but no source could tell the network
  LocationDenied,  // Windows gives the Wi-Fi network's details only with location permission
};

enum class NetworkSource { WiFi, NetworkList, Gateway };

struct NetworkIdentity {
  NetworkIdentityStatus status = NetworkIdentityStatus::Unknown;
  NetworkSource source = NetworkSource::WiFi;
  std::wstring name;     // what a person knows it by: the SSID, the network's name, the gateway's address
  std::string identity;  // what the address is derived from; empty unless Known
  std::wstring profile;  // Wi-Fi: the name of the connection's profile (empty elsewhere)
};

// The identities, each led by its source's tag so that no two sources give
// the same bytes: the SSID's bytes and the authentication algorithm's
// number; the network ID's sixteen bytes; the gateway's six bytes.
NetworkIdentity WiFiIdentity(std::string_view ssid, uint32_t authentication, std::wstring_view profile);
NetworkIdentity NetworkListIdentity(const std::array<uint8_t, 16>& networkId, std::wstring_view name);
NetworkIdentity GatewayIdentity(const std::array<uint8_t, 6>& gateway);

// An SSID as a person reads it: its bytes as UTF-8 where they are, else in
// hexadecimal; control characters as "?".
std::wstring SsidText(std::string_view ssid);

}  // namespace quav
