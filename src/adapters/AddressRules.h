#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quav {

// An address text from the registry counts as an address when it starts with
// a number above 0 and is longer than 8 characters (10.0.0.12 passes,
// 10.0.0.1 and 0.0.0.0 do not).
bool PassesAddressTest(std::wstring_view addressText);

// Hardware address bytes as text: two upper-case hexadecimal digits a byte,
// joined by "-" (00-0C-29-0A-0B-FF).
std::wstring HardwareAddressText(const uint8_t* bytes, size_t count);

// The form in which the adapter collection compares keys: without regard to
// letter case.
std::wstring FoldedKey(std::wstring_view key);

// An adapter's instance ID as Windows writes it: a GUID in braces,
// {4D36E972-E325-11CE-BFC1-08002BE10318}. The ID names a device (\\.\ID)
// and registry keys, so a value of any other form is not one.
bool IsInstanceGuid(std::wstring_view text);

}  // namespace quav
