#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "adapters/AddressRules.h"
#include "platform/Cng.h"

// The address one adapter gets on one network: derived from a secret key,
// the adapter and the network, so that it is the same each time on the same
// network and unrelated between networks. Nothing here calls the system; the
// keyed hash is handed in.
namespace quav {

inline constexpr size_t kNetworkKeySize = 32;
using NetworkKey = std::array<uint8_t, kNetworkKeySize>;

struct NetworkAddressInput {
  std::wstring adapter;                  // the adapter's instance ID, {GUID}: stable across address changes
  std::string network;                   // the network's identity, as NetworkIdentity gives it
  std::optional<uint32_t> day;           // with a new address each day: DayNumber of the day
  std::optional<uint32_t> makerPrefix;   // keep the maker: the adapter's own prefix (0x001B21)
};

// What the key signs: a version tag, then the adapter (its GUID in upper
// case), the network and the day (none: absent), each after its length, so
// that no two inputs make the same message.
std::vector<uint8_t> NetworkAddressMessage(const NetworkAddressInput& input);

// The address from the keyed hash's first bytes: all six made a locally
// administered individual address; with a maker's prefix, the prefix and
// three of them. None for a prefix that would make a group or a locally
// administered address.
std::optional<MacBytes> AddressFromDigest(const Sha256Digest& digest, std::optional<uint32_t> makerPrefix);

// HMAC-SHA256 as CNG gives it; tests may give their own.
using KeyedHash = std::optional<Sha256Digest> (*)(std::span<const uint8_t> key, std::span<const uint8_t> message);

// The network's address for the adapter; none when the hash cannot be made
// or the prefix cannot be kept.
std::optional<MacBytes> DeriveNetworkAddress(KeyedHash hash, const NetworkKey& key, const NetworkAddressInput& input);

// The day a clock reading (seconds, FILETIME / 10^7, in local time) falls on.
inline uint32_t DayNumber(uint64_t localSeconds) { return static_cast<uint32_t>(localSeconds / 86400); }

}  // namespace quav
