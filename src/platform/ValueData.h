#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the registry layer turns value data into text and text into value data.
// Works on the ANSI bytes that cross the registry functions; the code page
// conversion happens around it.
namespace quav::value_data {

// Registry value types by number, as stored.
inline constexpr uint32_t kNone = 0;
inline constexpr uint32_t kSz = 1;
inline constexpr uint32_t kExpandSz = 2;
inline constexpr uint32_t kBinary = 3;
inline constexpr uint32_t kDword = 4;
inline constexpr uint32_t kMultiSz = 7;

enum class Kind { Text, Binary, Dword, Unhandled };

// Which reading and writing rule a stored or requested type follows.
Kind KindOf(uint32_t type);

// Bytes of a read string (REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) with the
// zero characters at the end removed, so a string reads the same with or
// without its terminating zero. Inner zeros (multi-string separators) stay.
std::string_view TrimTrailingZeros(std::string_view bytes);

// A REG_DWORD as the layer shows it: signed decimal (4294967295 reads as -1).
std::wstring DwordText(uint32_t value);

// The number a REG_DWORD write takes from text: an optional sign and decimal
// digits that fit 32 bits (signed or unsigned). Anything else is refused.
std::optional<uint32_t> DwordFromText(std::wstring_view text);

// The exact bytes stored for a text written as the given string-like type:
// REG_SZ and REG_BINARY without a terminating zero, REG_EXPAND_SZ with one,
// REG_NONE as is, REG_MULTI_SZ brought to end in two zeros.
std::string BytesToStore(uint32_t type, std::string ansiText);

}  // namespace quav::value_data
