#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "change/NewAddressRules.h"

namespace quav {

// Where random bytes come from: the system's cryptographic source, or in
// tests a stand-in.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Fills bytes; false when the source cannot be used.
  virtual bool Fill(MacBytes& bytes) = 0;
};

RandomSource& SystemRandomSource();

// A random locally administered individual address from the source; none
// when the source cannot be used.
std::optional<MacBytes> RandomAddress(RandomSource& source = SystemRandomSource());

// A prefix (0x001B21 for 00-1B-21) that makes a universally administered
// individual address; a few old assignments make group or local ones.
inline bool IndividualPrefix(uint32_t prefix) {
  const MacBytes first{static_cast<uint8_t>(prefix >> 16)};
  return prefix <= 0xFFFFFF && !IsGroupAddress(first) && !IsLocallyAdministered(first);
}

// A random address of a maker: one of its prefixes (0x001B21 for 00-1B-21),
// each as likely, and three random bytes after it. Prefixes that would make a
// group or locally administered address are never drawn; none when no
// prefix is left or the source cannot be used.
std::optional<MacBytes> RandomAddressOf(const std::vector<uint32_t>& prefixes,
                                        RandomSource& source = SystemRandomSource());

}  // namespace quav
