#pragma once

#include <guiddef.h>

#include <cstdint>
#include <optional>
#include <string>

#include "adapters/RandomAddressState.h"

namespace quav {

// The interface's GUID from its instance ID, as the registry names interfaces.
std::optional<GUID> InterfaceGuid(const std::wstring& instanceId);

// The Native Wi-Fi service's view of an interface; tests stand in for it.
class WlanConnection {
 public:
  virtual ~WlanConnection() = default;
  // The XML of the profile the interface (its instance GUID, in braces) is
  // connected with; none when it is not connected or the service cannot say.
  virtual std::optional<std::wstring> ConnectedProfileXml(const std::wstring& instanceId) = 0;

  struct Current {
    unsigned long status = 0;  // the query's error code: 0 when the service answered
    bool connected = false;
    std::string ssid;          // the network's name, as bytes
    uint32_t authentication = 0;  // DOT11_AUTH_ALGORITHM
    std::wstring profile;      // the profile's name
  };
  // The interface's current connection. Windows 11 24H2 answers
  // ERROR_ACCESS_DENIED to a program the user has not given location access.
  virtual Current CurrentConnection(const std::wstring& /*instanceId*/) { return {50, false, {}, 0, {}}; }
  // Stores a profile for all users of the interface, replacing the one of its name.
  virtual unsigned long SetProfileXml(const std::wstring& /*instanceId*/, const std::wstring& /*xml*/) { return 50; }
};

// wlanapi.dll, loaded from the system folder on first use; where it is
// missing (Windows 2000, XP without it) nothing is connected.
class SystemWlanConnection final : public WlanConnection {
 public:
  std::optional<std::wstring> ConnectedProfileXml(const std::wstring& instanceId) override;
  Current CurrentConnection(const std::wstring& instanceId) override;
  unsigned long SetProfileXml(const std::wstring& instanceId, const std::wstring& xml) override;
};

// The interface's RandomMacState, read from the 64-bit view of the registry
// in both builds, and the connected profile's setting.
WindowsRandomAddress ReadWindowsRandomAddress(const std::wstring& instanceId, WlanConnection& wlan);

// Has Windows give the interface a random address of its own on the network
// it is connected to (a new one each day with daily), by its profile's
// MacRandomization; 0, or why not (ERROR_NOT_FOUND: not connected or no profile).
unsigned long TurnOnWindowsRandomAddress(const std::wstring& instanceId, bool daily, WlanConnection& wlan);

}  // namespace quav
