#pragma once

#include <cstdint>

namespace quav {

// Displays with fewer than 16 bits per pixel cannot show the pale stripe
// cleanly: it becomes white (a colour in &HBBGGRR form).
constexpr uint32_t StripeColorForDepth(long bitsPerPixel, uint32_t color) {
  return bitsPerPixel < 16 ? 0xFFFFFFu : color;
}

}  // namespace quav
