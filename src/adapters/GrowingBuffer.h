#pragma once

#include <optional>
#include <vector>

namespace quav {

// Fills a buffer through a call that says how large it must be, as
// GetAdaptersInfo does: fill(data, size) with the size it last asked for, asked
// again while it answers that the buffer is too small (an adapter added since
// it was sized), a few times at most. None when the call fails otherwise.
template <typename Fill>
std::optional<std::vector<unsigned char>> FillGrowingBuffer(Fill fill) {
  constexpr unsigned long kSuccess = 0;
  constexpr unsigned long kBufferOverflow = 111;  // ERROR_BUFFER_OVERFLOW
  constexpr int kAttempts = 8;
  std::vector<unsigned char> buffer;
  unsigned long size = 0;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const unsigned long result = fill(buffer.empty() ? nullptr : buffer.data(), size);
    if (result == kSuccess && !buffer.empty()) return buffer;
    if (result != kBufferOverflow || size <= buffer.size()) return std::nullopt;
    buffer.assign(size, 0);
  }
  return std::nullopt;
}

}  // namespace quav
