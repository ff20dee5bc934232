#include "schedule/ScheduleRules.h"

#include <algorithm>
#include <iterator>

namespace quav {
namespace {

struct MomentRow {
  Moment moment;
  std::wstring_view keyword;
  TextId text;
};

constexpr MomentRow kMomentRows[] = {
    {Moment::Boot, L"boot", TextId::MomentBoot},
    {Moment::Logon, L"logon", TextId::MomentLogon},
    {Moment::Wake, L"wake", TextId::MomentWake},
    {Moment::Connect, L"connect", TextId::MomentConnect},
};

const MomentRow& RowOf(Moment moment) {
  return *std::find_if(std::begin(kMomentRows), std::end(kMomentRows),
                       [&](const MomentRow& row) { return row.moment == moment; });
}

// The kinds of address: keyword, whether a maker's prefix follows it, the
// switch that asks a run for it, and its words.
struct KindRow {
  AddressSource source;
  std::wstring_view keyword;
  std::wstring_view argument;  // empty: the run's default
  TextId text;
};

constexpr KindRow kKindRows[] = {
    {AddressSource::Random, L"random", L"", TextId::KindRandom},
    {AddressSource::Maker, L"maker", L"/maker", TextId::KindMaker},
    {AddressSource::KeepMaker, L"keep-maker", L"/keep-maker", TextId::KindKeepMaker},
    {AddressSource::PerNetwork, L"per-network", L"/per-network", TextId::KindPerNetwork},
};

// The per-network kind's options, in the order its keyword and arguments give them.
constexpr std::wstring_view kDailyWord = L"daily";
constexpr std::wstring_view kKeepMakerWord = L"keep-maker";

const KindRow& RowOf(AddressSource source) {
  return *std::find_if(std::begin(kKindRows), std::end(kKindRows),
                       [&](const KindRow& row) { return row.source == source; });
}

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

std::wstring_view TrimmedView(std::wstring_view text) {
  const size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// A maker's name or prefix as a record and a task's arguments hold it: not
// empty, no control characters, no blank at either end.
bool IsMakerText(std::wstring_view text) {
  return !text.empty() && text.front() != L' ' && text.back() != L' ' &&
         std::none_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x20 || c == 0x7F; });
}

}  // namespace

std::wstring_view MomentKeyword(Moment moment) { return RowOf(moment).keyword; }

std::optional<Moment> MomentFromKeyword(std::wstring_view keyword) {
  std::wstring lower(TrimmedView(keyword));
  std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
  const auto row = std::find_if(std::begin(kMomentRows), std::end(kMomentRows),
                                [&](const MomentRow& each) { return each.keyword == lower; });
  return row == std::end(kMomentRows) ? std::nullopt : std::optional(row->moment);
}

std::optional<std::vector<Moment>> ParseMoments(std::wstring_view list) {
  std::vector<Moment> moments;
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(L',', start);
    const std::optional<Moment> moment = MomentFromKeyword(list.substr(start, comma - start));
    if (!moment || std::find(moments.begin(), moments.end(), *moment) != moments.end()) return std::nullopt;
    moments.push_back(*moment);
    if (comma == std::wstring_view::npos) break;
    start = comma + 1;
  }
  std::sort(moments.begin(), moments.end());
  return moments;
}

std::wstring MomentList(const std::vector<Moment>& moments) {
  std::wstring list;
  for (const Moment moment : moments) {
    if (!list.empty()) list += L',';
    list += MomentKeyword(moment);
  }
  return list;
}

std::vector<Moment> DefaultMoments(AddressSource source) {
  if (source == AddressSource::PerNetwork) return {Moment::Boot, Moment::Wake, Moment::Connect};
  return {Moment::Boot, Moment::Wake};
}

std::wstring MomentText(Moment moment) { return Say(RowOf(moment).text); }

TextId MomentTextId(Moment moment) { return RowOf(moment).text; }

std::wstring AddressKindKeyword(const AddressKind& kind) {
  std::wstring keyword(RowOf(kind.source).keyword);
  if (kind.source == AddressSource::Maker) keyword += L' ' + kind.maker;
  if (kind.source == AddressSource::PerNetwork) {
    if (kind.daily) keyword += L' ' + std::wstring(kDailyWord);
    if (kind.keepMaker) keyword += L' ' + std::wstring(kKeepMakerWord);
  }
  return keyword;
}

std::optional<AddressKind> AddressKindFromKeyword(std::wstring_view keyword) {
  for (const KindRow& row : kKindRows) {
    if (row.source == AddressSource::Maker) {
      if (keyword.size() > row.keyword.size() && keyword.substr(0, row.keyword.size()) == row.keyword &&
          keyword[row.keyword.size()] == L' ' && IsMakerText(keyword.substr(row.keyword.size() + 1))) {
        return AddressKind{row.source, std::wstring(keyword.substr(row.keyword.size() + 1))};
      }
    } else if (keyword == row.keyword) {
      return AddressKind{row.source, L""};
    }
  }
  // The options of the per-network kind, each at most once and in order.
  const std::wstring_view perNetwork = RowOf(AddressSource::PerNetwork).keyword;
  if (keyword.substr(0, perNetwork.size()) != perNetwork) return std::nullopt;
  std::wstring_view rest = keyword.substr(perNetwork.size());
  AddressKind kind{AddressSource::PerNetwork, L""};
  const auto take = [&rest](std::wstring_view word) {
    if (rest.size() <= word.size() || rest[0] != L' ' || rest.substr(1, word.size()) != word) return false;
    if (rest.size() > word.size() + 1 && rest[word.size() + 1] != L' ') return false;
    rest.remove_prefix(word.size() + 1);
    return true;
  };
  kind.daily = take(kDailyWord);
  kind.keepMaker = take(kKeepMakerWord);
  return rest.empty() ? std::optional(kind) : std::nullopt;
}

std::vector<std::wstring> AddressKindArguments(const AddressKind& kind) {
  const KindRow& row = RowOf(kind.source);
  std::vector<std::wstring> arguments;
  if (!row.argument.empty()) arguments.emplace_back(row.argument);
  if (kind.source == AddressSource::Maker) arguments.push_back(kind.maker);
  if (kind.source == AddressSource::PerNetwork) {
    if (kind.daily) arguments.emplace_back(L"/daily");
    if (kind.keepMaker) arguments.emplace_back(L"/keep-maker");
  }
  return arguments;
}

std::wstring AddressKindText(const AddressKind& kind) {
  if (kind.source != AddressSource::PerNetwork) return Say(RowOf(kind.source).text, {kind.maker});
  return Say(TextId::KindPerNetwork, {kind.daily ? Say(TextId::KindPerNetworkDaily) : L"",
                                      kind.keepMaker ? Say(TextId::KindPerNetworkKeepMaker) : L""});
}

bool IsScheduleId(std::wstring_view adapter) {
  return !adapter.empty() && adapter.size() <= 8 &&
         std::all_of(adapter.begin(), adapter.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

std::wstring TaskName(std::wstring_view adapter, Moment moment) {
  return L"Adapter " + std::wstring(adapter) + L" at " + std::wstring(MomentKeyword(moment));
}

std::wstring TaskPath(std::wstring_view adapter, Moment moment) {
  return std::wstring(kTaskFolder) + L'\\' + TaskName(adapter, moment);
}

std::wstring QuotedArgument(std::wstring_view argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring_view::npos) return std::wstring(argument);
  // As CommandLineToArgvW reads it back: backslashes are literal unless a
  // quote follows them, where each is doubled and the quote escaped.
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L'"';
}

std::wstring RunArguments(const Schedule& schedule, Moment moment, Language language) {
  std::wstring arguments = L"/" + std::wstring(kRunVerb) + L' ' + schedule.adapter + L" /at " +
                           std::wstring(MomentKeyword(moment));
  for (const std::wstring& argument : AddressKindArguments(schedule.address)) {
    arguments += L' ' + QuotedArgument(argument);
  }
  return arguments + L" /lang " + LanguageCode(language);
}

RunDecision DecideRun(Moment moment, const std::optional<OwnChange>& last, uint64_t nowSeconds,
                      std::wstring_view presented) {
  if (moment != Moment::Connect || !last || presented.empty() || presented != last->address) {
    return RunDecision::Change;
  }
  // A clock set back since counts as just now.
  const uint64_t age = nowSeconds >= last->seconds ? nowSeconds - last->seconds : 0;
  return age <= kOwnChangeSeconds ? RunDecision::SkipOwnChange : RunDecision::Change;
}

}  // namespace quav
