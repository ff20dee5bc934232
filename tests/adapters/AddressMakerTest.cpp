#include "adapters/AddressMaker.h"

#include "adapters/MakerTable.h"

#include <windows.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace quav {
namespace {

// One MA-L line of the IEEE's file the table was compiled from.
struct Assignment {
  std::wstring prefix;  // six hexadecimal digits
  std::wstring name;    // its runs of spaces made one, as the table has it
};

std::wstring FromUtf8(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// The first three fields of a CSV line, quotes taken off.
std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size() && fields.size() <= 3; ++i) {
    const char c = line[i];
    if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += c;
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  fields.resize(3);
  return fields;
}

std::vector<Assignment> ReadIeeeFile() {
  std::ifstream file(QUAV_OUI_CSV, std::ios::binary);
  std::vector<Assignment> assignments;
  std::string line;
  std::getline(file, line);  // the heading
  while (std::getline(file, line)) {
    const std::vector<std::string> fields = Fields(line);
    if (fields[0] != "MA-L") continue;
    std::istringstream words(fields[2]);
    std::string name, word;
    while (words >> word) name += (name.empty() ? "" : " ") + word;
    assignments.push_back({FromUtf8(fields[1]), FromUtf8(name)});
  }
  return assignments;
}

std::wstring Address(const std::wstring& prefix) { return prefix + L"0A0B0C"; }

// A name as the search compares it: ASCII letters in lower case, no blanks
// (of any width: the file has a few no-break and en spaces).
std::wstring Folded(const std::wstring& name) {
  std::wstring folded;
  for (const wchar_t c : name) {
    if (c == L' ' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A)) continue;
    folded += c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  }
  return folded;
}

// Checked against the IEEE's file itself: its first and last lines, and a
// prefix between two assigned ones.
TEST(AddressMaker, NamesTheHolderTheIeeeFileGivesForThePrefix) {
  const std::vector<Assignment> file = ReadIeeeFile();
  ASSERT_GT(file.size(), 30000u) << QUAV_OUI_CSV;
  for (const Assignment& line : {file.front(), file.back()}) {
    EXPECT_NE(std::wstring::npos, Folded(AddressMaker(Address(line.prefix))).find(Folded(line.name))) << line.prefix;
  }
  std::map<unsigned long, std::wstring> assigned;
  for (const Assignment& line : file) assigned.emplace(std::stoul(line.prefix, nullptr, 16), line.name);
  const auto gapAfter = [&](auto at) {
    const auto next = std::next(at);
    const unsigned long between = at->first + 1;
    return next != assigned.end() && next->first > between && ((between >> 16) & 0x03) == 0;
  };
  auto before = assigned.begin();
  while (before != assigned.end() && !gapAfter(before)) ++before;
  ASSERT_NE(assigned.end(), before);
  wchar_t between[8];
  ::wsprintfW(between, L"%06lX", before->first + 1);
  EXPECT_EQ(kUnlistedPrefixText, AddressMaker(Address(between))) << between;
  for (const auto& [prefix, name] : {*before, *std::next(before)}) {
    ::wsprintfW(between, L"%06lX", prefix);
    EXPECT_NE(std::wstring::npos, Folded(AddressMaker(Address(between))).find(Folded(name))) << between;
  }
}

// The file spells some holders several ways that differ only in case or
// blanks ("SHARP Corporation", "SHARP CORPORATION"): each is one maker, found
// by any of its spellings with all of its prefixes.
TEST(AddressMaker, SpellingsThatDifferInCaseOrBlanksAreOneMaker) {
  std::map<unsigned long, std::vector<std::wstring>> holders;
  for (const Assignment& line : ReadIeeeFile()) holders[std::stoul(line.prefix, nullptr, 16)].push_back(line.name);
  std::map<std::wstring, std::set<std::wstring>> names;  // by folded name: the maker named for each prefix
  for (const auto& [prefix, held] : holders) {
    wchar_t address[16];
    ::wsprintfW(address, L"%06lX000001", prefix);
    // Only an individual, universal address is said to be its holder's.
    if (held.size() == 1 && ((prefix >> 16) & 0x03) == 0) names[Folded(held.front())].insert(AddressMaker(address));
  }
  size_t spelt = 0;
  for (const auto& [folded, named] : names) {
    EXPECT_EQ(1u, named.size()) << named.begin()->c_str();
    spelt += Folded(*named.begin()) == folded ? 1 : 0;
  }
  EXPECT_EQ(names.size(), spelt);
  const MakerSearch sharp = FindMakers(L"Sharp Corporation", 5);
  ASSERT_TRUE(sharp.whole);
  EXPECT_EQ(L"SHARP Corporation", sharp.whole->name) << "the spelling most of its prefixes carry";
  EXPECT_LT(15u, sharp.whole->prefixes.size()) << "the prefixes of every spelling";
}

TEST(AddressMaker, AddressesNoMakerAssignedAreSaidSo) {
  const struct {
    const wchar_t* address;
    const wchar_t* says;
  } cases[] = {
      {L"02-00-4C-4F-4F-50", kLocalAddressText},
      {L"da:a1:19:00:00:01", kLocalAddressText},
      {L"01-00-5E-00-00-01", kGroupAddressText},
      {L"FF-FF-FF-FF-FF-FF", kGroupAddressText},
      {L"03000000000A", kGroupAddressText},
      {L"", L""},
      {L"00-0C-29-3A-4B", L""},
      {L"00-0C-29-3A-4B-5G", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.says, AddressMaker(c.address)) << c.address;
}

// A table that does not inflate knows no maker: an assigned prefix is not
// said to be unlisted, only what the address's own bits tell is still said.
TEST(AddressMaker, AnUninflatableTableLeavesTheMakerUnknown) {
  const std::wstring assigned = AddressMaker(L"00-0C-29-3A-4B-5C");
  ASSERT_FALSE(assigned.empty());
  EXPECT_EQ(assigned, AddressMakerFrom(kMakerTableDeflated, kMakerTableDeflatedSize, L"00-0C-29-3A-4B-5C"));
  for (const size_t size : {size_t{0}, size_t{kMakerTableDeflatedSize / 2}}) {
    EXPECT_EQ(L"", AddressMakerFrom(kMakerTableDeflated, size, L"00-0C-29-3A-4B-5C")) << size;
    EXPECT_EQ(L"", AddressMakerFrom(kMakerTableDeflated, size, L"00-00-00-00-00-01")) << size;
    EXPECT_EQ(kLocalAddressText, AddressMakerFrom(kMakerTableDeflated, size, L"02-00-4C-4F-4F-50")) << size;
  }
}

// The table is searched where it lies, so one that inflates but breaks its
// layout (prefixes out of order, a name index or a name's mark astray) must
// be refused whole, not searched or walked past its end.
TEST(AddressMaker, AnInflatedTableOutOfLayoutIsRefused) {
  std::string table(kMakerTableSize, '\0');
  uLongf size = kMakerTableSize;
  ASSERT_EQ(Z_OK, ::uncompress(reinterpret_cast<Bytef*>(table.data()), &size, kMakerTableDeflated,
                               kMakerTableDeflatedSize));
  const size_t n = kMakerPrefixCount;
  const struct {
    const char* fault;
    size_t at;
  } cases[] = {{"first prefix after the second", 0}, {"name index past the names", 4 * n}, {"second mark", 5 * n + 1}};
  for (const auto& c : cases) {
    std::string broken = table;
    broken[c.at] = static_cast<char>(broken[c.at] + 0x7F);
    std::string deflated(::compressBound(static_cast<uLong>(broken.size())), '\0');
    uLongf deflatedSize = static_cast<uLongf>(deflated.size());
    ASSERT_EQ(Z_OK, ::compress(reinterpret_cast<Bytef*>(deflated.data()), &deflatedSize,
                               reinterpret_cast<const Bytef*>(broken.data()), static_cast<uLong>(broken.size())));
    const auto* bytes = reinterpret_cast<const unsigned char*>(deflated.data());
    EXPECT_EQ(L"", AddressMakerFrom(bytes, deflatedSize, L"00-0C-29-3A-4B-5C")) << c.fault;
    EXPECT_EQ(kLocalAddressText, AddressMakerFrom(bytes, deflatedSize, L"02-00-4C-4F-4F-50")) << c.fault;
  }
}

// Every form of a prefix and a name with other case and blanks find the same
// maker with all its prefixes, each of which the lookup names it by.
TEST(FindMakers, PrefixFormsAndNamePartsFindOneMaker) {
  for (const wchar_t* text : {L"00-1B-21", L"001b21", L"00:1B:21", L"intel corporate", L" INTELCORPORATE "}) {
    const MakerSearch search = FindMakers(text, 5);
    ASSERT_EQ(1u, search.matched) << text;
    const Maker& maker = search.makers.front();
    EXPECT_EQ(L"Intel Corporate", maker.name) << text;
    EXPECT_TRUE(std::is_sorted(maker.prefixes.begin(), maker.prefixes.end())) << text;
    EXPECT_TRUE(std::binary_search(maker.prefixes.begin(), maker.prefixes.end(), 0x001B21u)) << text;
    for (const uint32_t prefix : maker.prefixes) {
      wchar_t address[16];
      swprintf(address, 16, L"%06X000001", prefix);
      ASSERT_EQ(maker.name, AddressMaker(address)) << address;
    }
  }
  EXPECT_EQ(L"Intel Corporate", MakerOfAddress(L"00-1B-21-0A-0B-0C").value().name);
  // A typed prefix is drawn from alone; a name draws from all the maker's prefixes.
  const MakerSearch typed = FindMakers(L"00:1b:21", 5);
  EXPECT_EQ(0x001B21u, typed.prefix.value_or(0));
  EXPECT_EQ(std::vector<uint32_t>{0x001B21}, MakerToDraw(typed, 0).prefixes);
  const MakerSearch named = FindMakers(L"intel corporate", 5);
  EXPECT_FALSE(named.prefix);
  EXPECT_EQ(named.makers.front().prefixes, MakerToDraw(named, 0).prefixes);
  EXPECT_LT(1u, MakerToDraw(named, 0).prefixes.size());
  EXPECT_EQ(L"00-1B-21", PrefixText(0x001B21));
  for (const wchar_t* none : {L"02-1B-21-0A-0B-0C", L"01-00-5E-00-00-01", L"00-1B-21"}) {
    EXPECT_FALSE(MakerOfAddress(none)) << none;
  }
}

// The maker whose name is or starts with the text comes before names that
// merely hold it: "intel" finds Intel's own among the first of 125.
TEST(FindMakers, NamesThatStartWithTheTextComeFirst) {
  const MakerSearch intel = FindMakers(L"intel", 20);
  ASSERT_LT(20u, intel.matched);
  EXPECT_EQ(L"Intel Corporate", intel.makers.front().name);
  bool holding = false;
  for (const Maker& maker : intel.makers) {
    const bool starts = Folded(maker.name).starts_with(L"intel");
    EXPECT_FALSE(holding && starts) << maker.name.c_str() << " after a name that only holds the text";
    holding = holding || !starts;
  }
  EXPECT_EQ(L"IBM", FindMakers(L"ibm", 1).makers.front().name) << "the whole name first";
}

TEST(FindMakers, SeveralMatchesComeByNameUpToTheLimit) {
  const MakerSearch two = FindMakers(L"Parallels", 10);
  ASSERT_EQ(2u, two.matched);
  EXPECT_EQ(L"Parallels, Inc.", two.makers[0].name) << "its name starts with the text";
  EXPECT_EQ(L"Alpha Data Parallel Systems, Ltd.", two.makers[1].name);
  EXPECT_FALSE(two.whole);

  const MakerSearch ibm = FindMakers(L"ibm", 2);
  EXPECT_EQ(2u, ibm.makers.size());
  EXPECT_LT(2u, ibm.matched);
  ASSERT_TRUE(ibm.whole) << "one maker is called just that";
  EXPECT_EQ(L"IBM", ibm.whole->name);

  const MakerSearch inc = FindMakers(L"inc", 50);
  EXPECT_LT(1000u, inc.matched);
  EXPECT_TRUE(std::is_sorted(inc.makers.begin(), inc.makers.end(), [](const Maker& a, const Maker& b) {
    const bool aStarts = Folded(a.name).starts_with(L"inc"), bStarts = Folded(b.name).starts_with(L"inc");
    return aStarts != bStarts ? aStarts : _wcsicmp(a.name.c_str(), b.name.c_str()) < 0;
  })) << "names that start with it, then the others, each by name";
  for (const wchar_t* nothing : {L"", L"   ", L"no such maker at all"}) EXPECT_EQ(0u, FindMakers(nothing, 5).matched);
}

}  // namespace
}  // namespace quav
