#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// Windows' cryptography (CNG, bcrypt.dll, Windows Vista and later), loaded
// from the system folder on first use: the keyed hash and the random bytes
// the per-network addresses are made of. Where it is missing (Windows 2000,
// XP) every call answers none or false.
namespace quav {

using Sha256Digest = std::array<uint8_t, 32>;

// HMAC-SHA256 of the message under the key; none when CNG cannot be used.
std::optional<Sha256Digest> HmacSha256(std::span<const uint8_t> key, std::span<const uint8_t> message);

// Fills the bytes from the system's random number generator; false when it
// cannot be used.
bool SystemRandomBytes(std::span<uint8_t> bytes);

}  // namespace quav
