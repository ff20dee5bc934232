#pragma once

#include <string>
#include <string_view>

// The texts of an adapter row that the scan derives from WMI's answers.
namespace quav {

// WMI's Index as the row's ID, the name of its class subkey: one to three
// digits get leading zeros up to four (7 gives 0007); longer texts stay.
std::wstring PaddedAdapterIndex(std::wstring indexText);

// The platform's "00:50:56:C0:00:08" in display form, "-" between the pairs.
std::wstring DisplayMacAddress(std::wstring macText);

// The address column shows IPv4 addresses only: a text without "." is left out.
std::wstring AddressColumnText(std::wstring_view firstAddress);

}  // namespace quav
