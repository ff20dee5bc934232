#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/XmlDocument.h"

// Windows 10 and later give a wireless adapter a random address of their own
// ("Random hardware addresses") in place of the stored NetworkAddress: for
// the interface as a whole and per network. What it does for an adapter,
// decided from what the registry and the connected network's profile say.
namespace quav {

enum class WindowsRandomAddress {
  Unknown,  // nothing says (no Native Wi-Fi, not connected, no setting stored)
  Off,
  On,       // one random address per network
  Daily,    // a new random address per network every day
};

// The interface's RandomMacState (REG_BINARY): its first DWORD, little
// endian, 1 for on and 0 for off. None for a value too short to hold one or
// of any other number.
std::optional<bool> InterfaceRandomSetting(std::string_view bytes);

// The connected profile's <MacRandomization> element (the profile schema's
// v3, in the document element WLANProfile): enableRandomization and
// randomizeEveryday. None when the profile has no such element or it does
// not say whether randomization is on.
std::optional<WindowsRandomAddress> ProfileRandomSetting(const XmlElement& profile);

// The network's own setting wins; without one, the interface's (which Windows
// gives new networks); without either, unknown, never off.
WindowsRandomAddress DecideRandomAddress(std::optional<bool> interfaceSetting,
                                         std::optional<WindowsRandomAddress> profileSetting);

// On or daily: the stored address is not the one the adapter presents.
bool IsWindowsRandomOn(WindowsRandomAddress state);

// The profile with Windows' random addresses turned on for its network (a
// new one each day with daily): its <MacRandomization> element replaced, or
// one added at the end of the profile. None for a text that holds no profile.
std::optional<std::wstring> ProfileWithRandomAddress(std::wstring_view profileXml, bool daily);

// For scripts: "on", "daily", "off"; empty for unknown.
std::wstring_view RandomAddressKeyword(WindowsRandomAddress state);

}  // namespace quav
