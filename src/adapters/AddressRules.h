#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quav {

// An address text from the registry counts as an address when it starts with
// a number above 0 and is longer than 8 characters (10.0.0.12 passes,
// 10.0.0.1 and 0.0.0.0 do not).
bool PassesAddressTest(std::wstring_view addressText);

// Hardware address bytes as text: two upper-case hexadecimal digits a byte,
// joined by the separator (00-0C-29-0A-0B-FF).
std::wstring HardwareAddressText(const uint8_t* bytes, size_t count, std::wstring_view separator = L"-");

// An Ethernet address. What it may be used for is read from the bits of its
// first byte, never from lists of digits.
using MacBytes = std::array<uint8_t, 6>;

// Twelve hexadecimal digits in either case; any "-" or ":" among them does
// not count (the list's 00-0C-29-3A-4B-5C, the platform's 00:0c:29:3a:4b:5c,
// the registry's 000C293A4B5C). None for any other text.
std::optional<MacBytes> AddressBytes(std::wstring_view text);

// Whether two texts name the same address; false when either is no address.
bool SameAddress(std::wstring_view a, std::wstring_view b);

// The first byte's bit of a group (multicast or broadcast) address.
inline constexpr uint8_t kGroupBit = 0x01;
// The first byte's bit of an address assigned locally, not by a maker.
inline constexpr uint8_t kLocalBit = 0x02;
inline bool IsGroupAddress(const MacBytes& address) { return (address[0] & kGroupBit) != 0; }
inline bool IsLocallyAdministered(const MacBytes& address) { return (address[0] & kLocalBit) != 0; }
// 00-00-00-00-00-00: no station has it.
bool IsAllZeros(const MacBytes& address);
// FF-FF-FF-FF-FF-FF: every station.
bool IsBroadcast(const MacBytes& address);

// The form in which the adapter collection compares keys: without regard to
// letter case.
std::wstring FoldedKey(std::wstring_view key);

// An adapter's instance ID as Windows writes it: a GUID in braces,
// {4D36E972-E325-11CE-BFC1-08002BE10318}. The ID names a device (\\.\ID)
// and registry keys, so a value of any other form is not one.
bool IsInstanceGuid(std::wstring_view text);
// Such a GUID's sixteen bytes in the order its digits are written (the
// first three fields most significant byte first); none for any other text.
std::optional<std::array<uint8_t, 16>> InstanceGuidBytes(std::wstring_view text);

}  // namespace quav
