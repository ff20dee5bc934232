#include "adapters/AddressMaker.h"

#include <windows.h>
#include <zlib.h>

#include <cstdint>
#include <memory>
#include <string>

#include "adapters/AddressRules.h"
#include "adapters/MakerTable.h"

namespace quav {
namespace {

// Every 64th name's offset is kept in the table (tools/make-maker-table.py).
constexpr size_t kNamesPerMark = 64;

// The inflated table, searched where it lies: the prefixes come sorted, each
// with its name's index, and a name is found from the mark before it. Empty
// when the bytes do not inflate to a table of the build's layout.
class Makers {
 public:
  Makers(const unsigned char* deflated, size_t deflatedSize) {
    const size_t m = kMakerNameCount, n = kMakerPrefixCount, size = kMakerTableSize;
    const size_t marks = (m + kNamesPerMark - 1) / kNamesPerMark;
    if (5 * n + 3 * marks >= size) return;
    std::unique_ptr<uint8_t[]> table(new uint8_t[size]);
    // In one call with the whole output at hand, inflate keeps no window of its own.
    z_stream stream{};
    stream.next_in = const_cast<unsigned char*>(deflated);
    stream.avail_in = static_cast<uInt>(deflatedSize);
    stream.next_out = table.get();
    stream.avail_out = static_cast<uInt>(size);
    if (::inflateInit(&stream) != Z_OK) return;
    const int result = ::inflate(&stream, Z_FINISH);
    ::inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.total_out != size || table[size - 1] != 0) return;
    table_ = std::move(table);
    names_ = 5 * n + 3 * marks;
    if (!Consistent()) table_.reset();
  }

  bool Read() const { return table_ != nullptr; }

  const char* Find(uint32_t prefix) const {
    size_t low = 0, high = kMakerPrefixCount;
    while (low < high) {
      const size_t middle = low + (high - low) / 2;
      if (Prefix(middle) < prefix) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low < kMakerPrefixCount && Prefix(low) == prefix ? Name(NameIndex(low)) : nullptr;
  }

 private:
  // Checked once, so that a search and a name's walk stay within the table:
  // the prefixes ascend, every name index is in range, and there are M names
  // with every 64th where its mark says.
  bool Consistent() const {
    const size_t n = kMakerPrefixCount, m = kMakerNameCount;
    for (size_t i = 1; i < n; ++i) {
      if (Prefix(i - 1) >= Prefix(i)) return false;
    }
    for (size_t i = 0; i < n; ++i) {
      if (NameIndex(i) >= m) return false;
    }
    size_t at = names_, count = 0;
    for (; at < kMakerTableSize && count < m; ++count) {
      if (count % kNamesPerMark == 0 && Mark(count / kNamesPerMark) != at - names_) return false;
      at += std::char_traits<char>::length(reinterpret_cast<const char*>(table_.get() + at)) + 1;
    }
    return count == m;
  }
  uint32_t Prefix(size_t i) const {
    const size_t n = kMakerPrefixCount;
    return uint32_t{table_[i]} << 16 | uint32_t{table_[n + i]} << 8 | table_[2 * n + i];
  }
  size_t NameIndex(size_t i) const {
    const size_t n = kMakerPrefixCount;
    return table_[3 * n + i] | size_t{table_[4 * n + i]} << 8;
  }
  size_t Mark(size_t k) const {
    const size_t marks = (kMakerNameCount + kNamesPerMark - 1) / kNamesPerMark, at = 5 * kMakerPrefixCount;
    return table_[at + k] | size_t{table_[at + marks + k]} << 8 | size_t{table_[at + 2 * marks + k]} << 16;
  }
  const char* Name(size_t index) const {
    const char* name = reinterpret_cast<const char*>(table_.get() + names_ + Mark(index / kNamesPerMark));
    for (size_t skip = index % kNamesPerMark; skip > 0; --skip) name += std::char_traits<char>::length(name) + 1;
    return name;
  }

  std::unique_ptr<uint8_t[]> table_;
  size_t names_ = 0;  // where the names start
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
  if (!makers.Read()) return L"";
  const char* name = makers.Find(uint32_t{(*bytes)[0]} << 16 | uint32_t{(*bytes)[1]} << 8 | (*bytes)[2]);
  return name ? FromUtf8(name) : Say(TextId::MakerUnlistedPrefix);
}

}  // namespace

std::wstring AddressMaker(std::wstring_view address) { return MakerIn(TheMakers(), address); }

std::wstring AddressMakerFrom(const unsigned char* deflated, size_t deflatedSize, std::wstring_view address) {
  return MakerIn(Makers(deflated, deflatedSize), address);
}

}  // namespace quav
