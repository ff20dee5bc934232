#include "adapters/AddressMaker.h"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "adapters/MakerTable.h"

namespace quav {
namespace {

// The inflated table with each name's start found once.
struct Makers {
  std::vector<uint8_t> table;
  std::vector<const char*> names;
  bool complete = false;

  Makers() : table(kMakerTableSize) {
    uLongf size = kMakerTableSize;
    if (::uncompress(table.data(), &size, kMakerTableDeflated, kMakerTableDeflatedSize) != Z_OK ||
        size != kMakerTableSize || table.empty() || table.back() != 0) {
      return;
    }
    const size_t first = size_t{kMakerPrefixCount} * 5;
    if (first > table.size()) return;
    for (size_t at = first; at < table.size();) {
      const auto* name = reinterpret_cast<const char*>(table.data() + at);
      names.push_back(name);
      at += std::char_traits<char>::length(name) + 1;
    }
    complete = true;
  }

  uint32_t Prefix(size_t i) const {
    const size_t n = kMakerPrefixCount;
    return uint32_t{table[i]} << 16 | uint32_t{table[n + i]} << 8 | table[2 * n + i];
  }

  const char* Find(uint32_t prefix) const {
    if (!complete) return nullptr;
    size_t low = 0, high = kMakerPrefixCount;
    while (low < high) {
      const size_t middle = low + (high - low) / 2;
      if (Prefix(middle) < prefix) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    if (low == kMakerPrefixCount || Prefix(low) != prefix) return nullptr;
    const size_t n = kMakerPrefixCount;
    const size_t number = table[3 * n + low] | size_t{table[4 * n + low]} << 8;
    return number < names.size() ? names[number] : nullptr;
  }
};

const Makers& TheMakers() {
  static const Makers makers;
  return makers;
}

// Separators do not count: the list's "-", the platform's ":", or none.
std::optional<uint32_t> FirstThreeBytes(std::wstring_view address) {
  uint32_t prefix = 0;
  int digits = 0;
  for (const wchar_t c : address) {
    if (c == L'-' || c == L':') continue;
    int value = -1;
    if (c >= L'0' && c <= L'9') value = c - L'0';
    if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
    if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
    if (value < 0) return std::nullopt;
    if (digits < 6) prefix = prefix << 4 | static_cast<uint32_t>(value);
    ++digits;
  }
  if (digits != 12) return std::nullopt;
  return prefix;
}

std::wstring FromUtf8(const char* text) {
  const int length = static_cast<int>(std::char_traits<char>::length(text));
  const int needed = ::MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(needed > 0 ? needed : 0), L'\0');
  if (needed > 0) ::MultiByteToWideChar(CP_UTF8, 0, text, length, wide.data(), needed);
  return wide;
}

}  // namespace

std::wstring AddressMaker(std::wstring_view address) {
  const std::optional<uint32_t> prefix = FirstThreeBytes(address);
  if (!prefix) return L"";
  const uint32_t firstByte = *prefix >> 16;
  if (firstByte & 0x01) return kGroupAddressText;
  if (firstByte & 0x02) return kLocalAddressText;
  const char* name = TheMakers().Find(*prefix);
  return name ? FromUtf8(name) : kUnlistedPrefixText;
}

}  // namespace quav
