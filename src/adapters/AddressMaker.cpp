#include "adapters/AddressMaker.h"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "adapters/AddressRules.h"
#include "adapters/MakerTable.h"

namespace quav {
namespace {

// The inflated table as prefixes sorted for search, each with its name; empty
// when the bytes do not inflate to a table of the build's layout.
struct Makers {
  struct Entry {
    uint32_t prefix;
    // Read in Find, through the iterator the search returns.
    // cppcheck-suppress unusedStructMember
    uint32_t name;  // into names
  };
  std::vector<uint8_t> table;
  std::vector<const char*> names;
  std::vector<Entry> entries;

  Makers(const unsigned char* deflated, size_t deflatedSize) : table(kMakerTableSize) {
    const size_t m = kMakerNameCount, n = kMakerPrefixCount;
    uLongf size = kMakerTableSize;
    if (::uncompress(table.data(), &size, deflated, static_cast<uLong>(deflatedSize)) != Z_OK ||
        size != kMakerTableSize || 2 * m + 3 * n >= size || table.back() != 0) {
      return;
    }
    for (size_t at = 2 * m + 3 * n; at < size && names.size() < m;) {
      const auto* name = reinterpret_cast<const char*>(table.data() + at);
      names.push_back(name);
      at += std::char_traits<char>::length(name) + 1;
    }
    if (names.size() != m) return;
    entries.reserve(n);
    const uint8_t* prefixes = table.data() + 2 * m;
    for (size_t name = 0; name < m; ++name) {
      const size_t count = table[name] | size_t{table[m + name]} << 8;
      for (size_t k = 0; k < count && entries.size() < n; ++k) {
        const size_t i = entries.size();
        entries.push_back({uint32_t{prefixes[i]} << 16 | uint32_t{prefixes[n + i]} << 8 | prefixes[2 * n + i],
                           static_cast<uint32_t>(name)});
      }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.prefix < b.prefix; });
  }

  const char* Find(uint32_t prefix) const {
    const auto found = std::lower_bound(entries.begin(), entries.end(), prefix,
                                        [](const Entry& e, uint32_t p) { return e.prefix < p; });
    return found != entries.end() && found->prefix == prefix ? names[found->name] : nullptr;
  }
};

const Makers& TheMakers() {
  static const Makers makers(kMakerTableDeflated, kMakerTableDeflatedSize);
  return makers;
}

std::wstring FromUtf8(const char* text) {
  const int length = static_cast<int>(std::char_traits<char>::length(text));
  const int needed = ::MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(needed > 0 ? needed : 0), L'\0');
  if (needed > 0) ::MultiByteToWideChar(CP_UTF8, 0, text, length, wide.data(), needed);
  return wide;
}

std::wstring MakerIn(const Makers& makers, std::wstring_view address) {
  const std::optional<MacBytes> bytes = AddressBytes(address);
  if (!bytes) return L"";
  if (IsGroupAddress(*bytes)) return Say(TextId::MakerGroupAddress);
  if (IsLocallyAdministered(*bytes)) return Say(TextId::MakerLocalAddress);
  // An unread table names no maker and cannot say a prefix is unlisted.
  if (makers.entries.empty()) return L"";
  const char* name = makers.Find(uint32_t{(*bytes)[0]} << 16 | uint32_t{(*bytes)[1]} << 8 | (*bytes)[2]);
  return name ? FromUtf8(name) : Say(TextId::MakerUnlistedPrefix);
}

}  // namespace

std::wstring AddressMaker(std::wstring_view address) { return MakerIn(TheMakers(), address); }

std::wstring AddressMakerFrom(const unsigned char* deflated, size_t deflatedSize, std::wstring_view address) {
  return MakerIn(Makers(deflated, deflatedSize), address);
}

}  // namespace quav
