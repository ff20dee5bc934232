#include "cli/CommandLine.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "adapters/AddressMaker.h"
#include "adapters/ScanRowText.h"

namespace quav {
namespace {

// ERROR_ACCESS_DENIED, without the system's headers.
constexpr long kAccessDeniedError = 5;

struct VerbName {
  std::wstring_view name;
  Verb verb;
  size_t arguments;  // besides /force and /json
  bool takesForce;
  bool takesJson;
  bool takesMaker;          // /maker TEXT or /keep-maker
  bool takesAt = false;     // /at LIST, and for /schedule /xml
  bool takesFewer = false;  // the arguments may all be left out (/schedule alone lists)
};

// /random writes through the same path as /set, so it takes /force too.
constexpr VerbName kVerbs[] = {
    {L"?", Verb::Help, 0, false, false, false},        {L"help", Verb::Help, 0, false, false, false},
    {L"list", Verb::List, 0, false, true, false},      {L"set", Verb::Set, 2, true, false, false},
    {L"remove", Verb::Remove, 1, false, false, false}, {L"random", Verb::Random, 1, true, false, true},
    {L"restart", Verb::Restart, 1, false, false, false},
    {L"schedule", Verb::Schedule, 1, false, false, true, true, true},
    {L"unschedule", Verb::Unschedule, 1, false, false, false},
    {L"run", Verb::Run, 1, false, false, true, true},
    {L"uninstall", Verb::Uninstall, 0, false, false, false},
};

// The keys of /list /json, in the order of ListedAdapter's values.
constexpr std::wstring_view kListKeys[] = {L"id",          L"ipEnabled",      L"override",
                                           L"description", L"ipAddress",      L"activeAddress",
                                           L"connectionName", L"burnedInAddress", L"maker",
                                           L"windowsRandomAddress", L"schedule"};
constexpr size_t kMakerValue = 8;
constexpr size_t kScheduleValue = 10;


// Only ASCII letters fold: the verbs are ASCII, and the user's locale must
// not decide what a script means.
std::wstring AsciiLower(std::wstring_view text) {
  std::wstring lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; });
  return lower;
}

// The name after "/" or "-", in lower case; none for any other argument.
std::optional<std::wstring> SwitchName(std::wstring_view argument) {
  if (argument.size() < 2 || (argument[0] != L'/' && argument[0] != L'-')) return std::nullopt;
  return AsciiLower(argument.substr(1));
}

std::wstring WithoutControlCharacters(std::wstring text) {
  std::replace_if(text.begin(), text.end(), [](wchar_t c) { return c < L' ' || c == 0x7F; }, L'?');
  return text;
}

constexpr uint32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendEscaped(std::wstring& json, uint32_t unit) {
  constexpr wchar_t kHex[] = L"0123456789abcdef";
  json += L"\\u";
  for (int shift = 12; shift >= 0; shift -= 4) json += kHex[(unit >> shift) & 0xF];
}

// A value as JSON: the yes/no columns as booleans, and null for what could
// not be read or for a maker that cannot be named (no address, a group or
// locally administered address, an unlisted prefix).
std::wstring JsonValue(size_t column, const std::optional<std::wstring>& value) {
  if (!value) return L"null";
  if (column == kScheduleValue) return *value;
  if (column == 1 || column == 2) {
    if (*value == kYesText) return L"true";
    if (*value == kNoText) return L"false";
    return L"null";
  }
  if (column == kMakerValue &&
      (value->empty() || *value == kGroupAddressText || *value == kLocalAddressText || *value == kUnlistedPrefixText)) {
    return L"null";
  }
  return JsonString(*value);
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments) {
  if (arguments.empty()) return {std::nullopt, Say(TextId::CliNoCommand)};
  const std::optional<std::wstring> name = SwitchName(arguments[0]);
  const VerbName* known = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                       [&](const VerbName& verb) { return name && verb.name == *name; });
  if (known == std::end(kVerbs)) return {std::nullopt, Say(TextId::CliUnknownCommand, {arguments[0]})};
  const std::wstring verbName = L"/" + std::wstring(known->name);
  const auto unexpected = [&](const std::wstring& argument) {
    return ParsedCommandLine{std::nullopt, Say(TextId::CliUnexpectedArgument, {verbName, argument})};
  };

  Command command;
  command.verb = known->verb;
  std::vector<std::wstring> rest;
  for (size_t k = 1; k < arguments.size(); ++k) {
    const std::optional<std::wstring> option = SwitchName(arguments[k]);
    if (known->takesForce && option == L"force") {
      command.force = true;
    } else if (known->takesJson && option == L"json") {
      command.json = true;
    } else if (known->takesMaker && (option == L"maker" || option == L"keep-maker")) {
      if (command.maker || command.keepMaker) return {std::nullopt, Say(TextId::CliOneMaker)};
      if (option == L"keep-maker") {
        command.keepMaker = true;
      } else if (k + 1 == arguments.size()) {
        return {std::nullopt, Say(TextId::CliMakerNeedsText)};
      } else {
        // The text is taken as it stands, even when it starts with "-".
        command.maker = arguments[++k];
      }
    } else if (known->takesAt && option == L"per-network") {
      command.perNetwork = true;
    } else if (known->takesAt && option == L"daily") {
      command.daily = true;
    } else if (known->takesAt && option == L"at") {
      if (command.at || k + 1 == arguments.size()) return {std::nullopt, Say(TextId::CliAtNeedsMoments)};
      command.at = arguments[++k];
    } else if (known->takesAt && known->takesFewer && option == L"xml") {
      command.xml = true;
    } else if (option || rest.size() == known->arguments) {
      return unexpected(arguments[k]);
    } else {
      rest.push_back(arguments[k]);
    }
  }
  // A network's address keeps the adapter's maker or none: no other maker's.
  if (command.perNetwork && command.maker) return {std::nullopt, Say(TextId::CliPerNetworkMaker)};
  if (command.daily && !command.perNetwork) return {std::nullopt, Say(TextId::CliDailyAlone)};
  // /schedule alone lists, and takes nothing else.
  const bool alone = known->takesFewer && arguments.size() == 1;
  if (rest.size() < known->arguments && !alone) return {std::nullopt, Say(TextId::CliTooFewArguments, {verbName})};
  if (known->verb == Verb::Run && !command.at) return {std::nullopt, Say(TextId::CliAtNeedsMoments)};
  if (!rest.empty()) command.adapter = rest[0];
  if (rest.size() > 1) command.address = rest[1];
  return {command, L""};
}

std::wstring UsageText() {
  return std::wstring(Say(TextId::Usage)) + Say(TextId::UsageSchedule) + Say(TextId::UsagePerNetwork);
}

bool NamesAllAdapters(std::wstring_view adapter) { return AsciiLower(adapter) == kAllAdapters; }

std::optional<std::wstring> TakeLanguageSwitch(std::vector<std::wstring>& arguments) {
  for (size_t k = 0; k < arguments.size(); ++k) {
    if (SwitchName(arguments[k]) != L"lang") continue;
    const bool hasCode = k + 1 < arguments.size();
    std::wstring code = hasCode ? arguments[k + 1] : std::wstring();
    arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(k),
                    arguments.begin() + static_cast<std::ptrdiff_t>(k + (hasCode ? 2 : 1)));
    return code;
  }
  return std::nullopt;
}

std::wstring ListLine(const std::vector<std::wstring>& cells) {
  std::wstring line;
  for (size_t column = 0; column < cells.size(); ++column) {
    std::wstring cell = WithoutControlCharacters(cells[column]);
    if (column == 1 || column == 2) {
      if (cell == kYesText) cell = L"1";
      if (cell == kNoText) cell = L"0";
    }
    if (column > 0) line += L'\t';
    line += cell;
  }
  return line;
}

std::vector<std::wstring> ListCellsShown(const ListedAdapter& adapter) {
  std::vector<std::wstring> cells(adapter.size());
  std::transform(adapter.begin(), adapter.end(), cells.begin(),
                 [](const std::optional<std::wstring>& value) { return value.value_or(L"?"); });
  return cells;
}

std::wstring JsonString(std::wstring_view text) {
  std::wstring json = L"\"";
  for (size_t k = 0; k < text.size(); ++k) {
    const auto unit = static_cast<uint32_t>(text[k]);
    if (unit == L'"' || unit == L'\\') {
      json += L'\\';
      json += text[k];
    } else if (unit >= 0x20 && unit < 0x7F) {
      json += text[k];
    } else if (unit > 0xFFFF) {
      // A 32-bit wchar_t (the native tests) holds the code point itself.
      if (unit > 0x10FFFF) {
        AppendEscaped(json, kReplacementCharacter);
      } else {
        AppendEscaped(json, 0xD800 + ((unit - 0x10000) >> 10));
        AppendEscaped(json, 0xDC00 + ((unit - 0x10000) & 0x3FF));
      }
    } else if (IsHighSurrogate(unit) && k + 1 < text.size() && IsLowSurrogate(static_cast<uint32_t>(text[k + 1]))) {
      AppendEscaped(json, unit);
      AppendEscaped(json, static_cast<uint32_t>(text[++k]));
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      // Windows lets a name hold half a pair; an escaped lone surrogate is
      // refused by strict parsers, so it becomes U+FFFD as in any UTF-8.
      AppendEscaped(json, kReplacementCharacter);
    } else {
      AppendEscaped(json, unit);
    }
  }
  return json + L'"';
}

std::wstring ListJson(const std::vector<ListedAdapter>& adapters) {
  std::wstring json = L"[";
  for (size_t a = 0; a < adapters.size(); ++a) {
    json += a == 0 ? L"\n{" : L",\n{";
    for (size_t column = 0; column < std::size(kListKeys); ++column) {
      const std::optional<std::wstring> value = column < adapters[a].size() ? adapters[a][column] : std::nullopt;
      json += (column > 0 ? L",\"" : L"\"") + std::wstring(kListKeys[column]) + L"\":" + JsonValue(column, value);
    }
    json += L'}';
  }
  return json + (adapters.empty() ? L"]\n" : L"\n]\n");
}

ExitCode ChangeExitCode(const ChangeOutcome& outcome, unsigned long logStatus) {
  if (!outcome.done) return outcome.status == kAccessDeniedError ? ExitCode::AccessDenied : ExitCode::RegistryFailure;
  return logStatus == 0 ? ExitCode::Done : ExitCode::NotLogged;
}

std::wstring ScheduleJson(const Schedule& schedule, const std::optional<NetworkShown>& network) {
  std::wstring json = L"{\"at\":[";
  for (size_t k = 0; k < schedule.moments.size(); ++k) {
    json += (k > 0 ? L"," : L"") + JsonString(MomentKeyword(schedule.moments[k]));
  }
  json += L"],\"address\":" + JsonString(AddressKindKeyword(schedule.address));
  if (network) {
    const auto value = [](const std::optional<std::wstring>& text) { return text ? JsonString(*text) : L"null"; };
    const std::optional<std::wstring> by = network->byWindows ? std::optional<std::wstring>(L"windows")
                                           : network->address ? std::optional<std::wstring>(L"quav")
                                                              : std::nullopt;
    json += L",\"network\":" + value(network->network) + L",\"networkAddress\":" + value(network->address) +
            L",\"networkAddressBy\":" + value(by);
  }
  return json + L"}";
}

ExitCode RestartExitCode(const RestartReport& report, unsigned long logStatus) {
  if (report.restart.status == RestartStatus::LeftDisabled) return ExitCode::AdapterLeftDisabled;
  if (report.restart.status != RestartStatus::Restarted) return ExitCode::RestartNotPossible;
  if (report.check == AddressCheck::Ignored || report.check == AddressCheck::Unknown) return ExitCode::AddressNotUsed;
  return logStatus == 0 ? ExitCode::Done : ExitCode::NotLogged;
}

}  // namespace quav
