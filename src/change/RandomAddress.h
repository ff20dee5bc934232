#pragma once

#include <optional>

#include "change/NewAddressRules.h"

namespace quav {

// A random locally administered individual address from the system's
// cryptographic random source; none when that source cannot be used.
std::optional<MacBytes> RandomAddress();

}  // namespace quav
