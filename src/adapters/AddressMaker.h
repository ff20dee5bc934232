#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Texts.h"

// Who an address belongs to, by the IEEE's registry of assigned prefixes.
namespace quav {

// A group address: its first byte's lowest bit (multicast, broadcast).
inline constexpr TextRef kGroupAddressText{TextId::MakerGroupAddress};
// A locally administered address: the first byte's second bit; no maker
// assigned it.
inline constexpr TextRef kLocalAddressText{TextId::MakerLocalAddress};
// A maker's address whose prefix the registry does not list.
inline constexpr TextRef kUnlistedPrefixText{TextId::MakerUnlistedPrefix};

// The maker of an address given as 12 hexadecimal digits, with or without
// "-" or ":" between the pairs; one of the texts above instead where no
// maker can be named. Empty, as for any unread value, for a text that is no
// address and when the table could not be inflated: the maker is unknown
// then. The table is inflated at the first call, not before.
std::wstring AddressMaker(std::wstring_view address);

// The same, from a table given deflated (inflated at each call).
std::wstring AddressMakerFrom(const unsigned char* deflated, size_t deflatedSize, std::wstring_view address);

}  // namespace quav
