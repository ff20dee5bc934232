#pragma once

#include <optional>
#include <string>

#include "adapters/RandomAddressState.h"

namespace quav {

// The Native Wi-Fi service's view of an interface; tests stand in for it.
class WlanConnection {
 public:
  virtual ~WlanConnection() = default;
  // The XML of the profile the interface (its instance GUID, in braces) is
  // connected with; none when it is not connected or the service cannot say.
  virtual std::optional<std::wstring> ConnectedProfileXml(const std::wstring& instanceId) = 0;
};

// wlanapi.dll, loaded from the system folder on first use; where it is
// missing (Windows 2000, XP without it) nothing is connected.
class SystemWlanConnection final : public WlanConnection {
 public:
  std::optional<std::wstring> ConnectedProfileXml(const std::wstring& instanceId) override;
};

// The interface's RandomMacState, read from the 64-bit view of the registry
// in both builds, and the connected profile's setting.
WindowsRandomAddress ReadWindowsRandomAddress(const std::wstring& instanceId, WlanConnection& wlan);

}  // namespace quav
