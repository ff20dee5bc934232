#include "schedule/NetworkAddress.h"

#include <string>

#include "change/NewAddressRules.h"
#include "change/RandomAddress.h"

namespace quav {
namespace {

// Changing how addresses are made changes this tag, so that a new way never
// repeats an address of the old one by chance of equal input.
constexpr std::string_view kVersionTag = "QUAV per-network address 1";

void AppendLength(std::vector<uint8_t>& message, size_t length) {
  for (int shift = 24; shift >= 0; shift -= 8) message.push_back(static_cast<uint8_t>(length >> shift));
}

void AppendField(std::vector<uint8_t>& message, std::string_view bytes) {
  AppendLength(message, bytes.size());
  message.insert(message.end(), bytes.begin(), bytes.end());
}

// A GUID's text is ASCII; anything else in it is kept as a '?' and still
// differs from a real GUID's text.
std::string UpperAscii(std::wstring_view text) {
  std::string upper;
  for (const wchar_t c : text) {
    if (c >= L'a' && c <= L'z') upper += static_cast<char>(c - L'a' + 'A');
    else upper += c < 0x80 ? static_cast<char>(c) : '?';
  }
  return upper;
}

}  // namespace

std::vector<uint8_t> NetworkAddressMessage(const NetworkAddressInput& input) {
  std::vector<uint8_t> message;
  AppendField(message, kVersionTag);
  AppendField(message, UpperAscii(input.adapter));
  AppendField(message, input.network);
  AppendField(message, input.day ? std::to_string(*input.day) : std::string());
  return message;
}

std::optional<MacBytes> AddressFromDigest(const Sha256Digest& digest, std::optional<uint32_t> makerPrefix) {
  MacBytes address{digest[0], digest[1], digest[2], digest[3], digest[4], digest[5]};
  if (!makerPrefix) return LocallyAdministeredUnicast(address);
  if (!IndividualPrefix(*makerPrefix)) return std::nullopt;
  address[3] = address[0];
  address[4] = address[1];
  address[5] = address[2];
  address[0] = static_cast<uint8_t>(*makerPrefix >> 16);
  address[1] = static_cast<uint8_t>(*makerPrefix >> 8);
  address[2] = static_cast<uint8_t>(*makerPrefix);
  return address;
}

std::optional<MacBytes> DeriveNetworkAddress(KeyedHash hash, const NetworkKey& key, const NetworkAddressInput& input) {
  const std::vector<uint8_t> message = NetworkAddressMessage(input);
  const std::optional<Sha256Digest> digest = hash(key, message);
  if (!digest) return std::nullopt;
  return AddressFromDigest(*digest, input.makerPrefix);
}

}  // namespace quav
