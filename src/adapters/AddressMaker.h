#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A maker as the table holds it: its name and its prefixes (the first three
// bytes, 0x001B21 for 00-1B-21), ascending.
struct Maker {
  std::wstring name;
  std::vector<uint32_t> prefixes;
};

// A prefix as the program shows it: "00-1B-21".
std::wstring PrefixText(uint32_t prefix);

struct MakerSearch {
  // The first of the matches, at most the limit asked for: the holder of the
  // prefix the text gives, then the maker whose whole name is the text, then
  // those whose name starts with it, then those whose name holds it, each
  // group by name.
  std::vector<Maker> makers;
  size_t matched = 0;  // how many makers matched in all
  // The one maker whose whole name is the text, when there is one: "Intel
  // Corporate" then names it although longer names hold it too.
  std::optional<Maker> whole;
  // The prefix the text gives (0x001B21 for "00-1B-21"), when a maker holds
  // it: that maker is the first listed.
  std::optional<uint32_t> prefix;
};

// The makers whose name holds the text, with the case of ASCII letters and
// blanks ignored, and the maker holding the prefix the text gives (00-1B-21,
// 00:1B:21, 001B21). Nothing for an empty text or an unread table.
MakerSearch FindMakers(std::wstring_view text, size_t limit);

// The maker listed at position (from 0) with the prefixes a random address
// of it is drawn from: whoever typed a prefix asked for it, so its holder
// has that prefix alone; any other maker all of its prefixes.
Maker MakerToDraw(const MakerSearch& search, size_t position);

// The maker of an address's prefix; none for a group or locally
// administered address, an unlisted prefix, no address, an unread table.
std::optional<Maker> MakerOfAddress(std::wstring_view address);

}  // namespace quav
