#include "adapters/AddressMaker.h"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "adapters/AddressRules.h"
#include "adapters/MakerTable.h"
#include "platform/TextRules.h"

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
    const size_t at = At(prefix);
    return at < kMakerPrefixCount ? Name(NameIndex(at)) : nullptr;
  }

  // The index of the name holding the prefix; kMakerNameCount for none.
  size_t NameOf(uint32_t prefix) const {
    const size_t at = At(prefix);
    return at < kMakerPrefixCount ? NameIndex(at) : kMakerNameCount;
  }

  // Calls visit(index, name) for every name in the table's order.
  template <typename Visit>
  void EachName(Visit visit) const {
    const char* name = reinterpret_cast<const char*>(table_.get() + names_);
    for (size_t index = 0; index < kMakerNameCount; ++index) {
      const size_t length = std::char_traits<char>::length(name);
      visit(index, std::string_view(name, length));
      name += length + 1;
    }
  }

  // Every prefix of each name in wanted (indexes below kMakerNameCount),
  // ascending, into prefixes[k] for wanted[k].
  void PrefixesOf(const std::vector<size_t>& wanted, std::vector<std::vector<uint32_t>>& prefixes) const {
    std::vector<size_t> slot(kMakerNameCount, wanted.size());
    for (size_t k = 0; k < wanted.size(); ++k) slot[wanted[k]] = k;
    prefixes.assign(wanted.size(), {});
    for (size_t i = 0; i < kMakerPrefixCount; ++i) {
      const size_t k = slot[NameIndex(i)];
      if (k < wanted.size()) prefixes[k].push_back(Prefix(i));
    }
  }

  const char* NameAt(size_t index) const { return Name(index); }

 private:
  // The prefix's place in the table; kMakerPrefixCount when it is not listed.
  size_t At(uint32_t prefix) const {
    size_t low = 0, high = kMakerPrefixCount;
    while (low < high) {
      const size_t middle = low + (high - low) / 2;
      if (Prefix(middle) < prefix) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return low < kMakerPrefixCount && Prefix(low) == prefix ? low : kMakerPrefixCount;
  }

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

// A name or a search text as it is compared: ASCII letters in lower case,
// no blanks.
std::string Folded(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (const char c : text) {
    if (c == ' ' || c == '\t') continue;
    folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return folded;
}

std::string ToUtf8(std::wstring_view text) {
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0) ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

// The prefix a text gives as six hexadecimal digits, pairs optionally
// separated by "-", ":" or blanks; none for any other text.
std::optional<uint32_t> PrefixIn(std::wstring_view text) {
  uint32_t prefix = 0;
  int digits = 0;
  for (const wchar_t c : text) {
    if (c == L'-' || c == L':' || c == L' ' || c == 0x3000) continue;
    const int value = HexDigitValue(c);
    if (value < 0 || ++digits > 6) return std::nullopt;
    prefix = prefix << 4 | static_cast<uint32_t>(value);
  }
  return digits == 6 ? std::optional(prefix) : std::nullopt;
}

std::vector<Maker> MakersNamed(const Makers& makers, const std::vector<size_t>& indexes) {
  std::vector<std::vector<uint32_t>> prefixes;
  makers.PrefixesOf(indexes, prefixes);
  std::vector<Maker> found;
  for (size_t k = 0; k < indexes.size(); ++k) found.push_back({FromUtf8(makers.NameAt(indexes[k])), std::move(prefixes[k])});
  return found;
}

}  // namespace

MakerSearch FindMakers(std::wstring_view text, size_t limit) {
  MakerSearch search;
  const Makers& makers = TheMakers();
  // The ideographic space is a blank too; the rest folds in UTF-8, as the names are.
  std::wstring spaced(text);
  std::replace(spaced.begin(), spaced.end(), wchar_t{0x3000}, L' ');
  const std::string wanted = Folded(ToUtf8(spaced));
  if (wanted.empty() || !makers.Read()) return search;
  const std::optional<uint32_t> prefix = PrefixIn(text);
  const size_t prefixHolder = prefix ? makers.NameOf(*prefix) : kMakerNameCount;

  // How well a name matches: the prefix's holder first, then the name that
  // is the text, then names that start with it, then names that hold it.
  enum Rank { kPrefixHolder, kWholeName, kNameStart, kNamePart };
  struct Match {
    Rank rank;
    std::string_view name;
    size_t index;
  };
  std::vector<Match> matches;
  size_t whole = kMakerNameCount, wholes = 0;
  std::string folded;
  makers.EachName([&](size_t index, std::string_view name) {
    folded = Folded(name);
    const size_t at = folded.find(wanted);
    if (at == std::string::npos && index != prefixHolder) return;
    if (folded == wanted) {
      whole = index;
      ++wholes;
    }
    const Rank rank = index == prefixHolder ? kPrefixHolder
                      : folded == wanted    ? kWholeName
                      : at == 0             ? kNameStart
                                            : kNamePart;
    matches.push_back({rank, name, index});
  });
  search.matched = matches.size();
  // Within a rank by name, ASCII letters in either case alike.
  const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  const auto before = [&](const Match& a, const Match& b) {
    if (a.rank != b.rank) return a.rank < b.rank;
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                        [&](char x, char y) { return lower(static_cast<unsigned char>(x)) <
                                                                     lower(static_cast<unsigned char>(y)); });
  };
  const size_t shown = std::min(limit, matches.size());
  std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(shown), matches.end(), before);
  std::vector<size_t> indexes;
  for (size_t k = 0; k < shown; ++k) indexes.push_back(matches[k].index);
  search.makers = MakersNamed(makers, indexes);
  if (wholes == 1) search.whole = MakersNamed(makers, {whole}).front();
  if (prefixHolder < kMakerNameCount && shown > 0) search.prefix = prefix;
  return search;
}

std::wstring PrefixText(uint32_t prefix) {
  constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring text;
  for (int shift = 20; shift >= 0; shift -= 4) {
    text += kHex[(prefix >> shift) & 0xF];
    if (shift == 16 || shift == 8) text += L'-';
  }
  return text;
}

Maker MakerToDraw(const MakerSearch& search, size_t position) {
  Maker maker = search.makers.at(position);
  if (position == 0 && search.prefix) maker.prefixes = {*search.prefix};
  return maker;
}

std::optional<Maker> MakerOfAddress(std::wstring_view address) {
  const std::optional<MacBytes> bytes = AddressBytes(address);
  const Makers& makers = TheMakers();
  if (!bytes || IsGroupAddress(*bytes) || IsLocallyAdministered(*bytes) || !makers.Read()) return std::nullopt;
  const size_t index = makers.NameOf(uint32_t{(*bytes)[0]} << 16 | uint32_t{(*bytes)[1]} << 8 | (*bytes)[2]);
  if (index >= kMakerNameCount) return std::nullopt;
  return MakersNamed(makers, {index}).front();
}

std::wstring AddressMaker(std::wstring_view address) { return MakerIn(TheMakers(), address); }

std::wstring AddressMakerFrom(const unsigned char* deflated, size_t deflatedSize, std::wstring_view address) {
  return MakerIn(Makers(deflated, deflatedSize), address);
}

}  // namespace quav
