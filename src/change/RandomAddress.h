#pragma once

#include <optional>

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

}  // namespace quav
