#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adapters/AddressRules.h"

// What a new overriding address must be for a driver to use it. NDIS hands
// the value to the driver unchecked, and drivers fall back to the burned-in
// address for addresses they cannot present.
namespace quav {

// Twelve hexadecimal digits, in either case, bare or with "-" or ":" between
// every pair (one kind of separator throughout).
std::optional<MacBytes> ParseMacArgument(std::wstring_view text);

// Twelve upper-case digits as NetworkAddress holds them: 02AB03CD04EF.
std::wstring MacDigits(const MacBytes& address);
// The display form: 02-AB-03-CD-04-EF.
std::wstring MacDisplay(const MacBytes& address);

enum class AddressWarning {
  AllZero,       // 00-00-00-00-00-00: no station has it
  Broadcast,     // FF-FF-FF-FF-FF-FF: every station
  Group,         // any other multicast address
  NotLocal,      // a wireless adapter, an address a maker assigns
  WindowsRandom, // Windows puts a random address of its own in its place
};

// Why the address may not work on the adapter, most serious first; empty for
// an address any driver should take. The broadcast address is not also
// reported as a group address. windowsRandom: Windows gives the adapter
// random hardware addresses of its own.
std::vector<AddressWarning> WarningsFor(const MacBytes& address, bool wireless, bool windowsRandom = false);

// The warnings as the command line states them, naming the address and the
// adapter (its class subkey name, and in English its name).
std::wstring WarningStatement(const std::vector<AddressWarning>& warnings, const MacBytes& address,
                              std::wstring_view adapterIndex, std::wstring_view adapterName);

// The window's confirmation: the statement, then whether to store anyway.
std::wstring WarningMessage(const std::vector<AddressWarning>& warnings, const MacBytes& address,
                            std::wstring_view adapterIndex, std::wstring_view adapterName);

// Any six bytes made into a locally administered individual address: bit 0
// of the first byte cleared, bit 1 set, everything else kept.
MacBytes LocallyAdministeredUnicast(MacBytes address);

}  // namespace quav
