#include "change/LogLine.h"

#include <utility>

#include "change/RestartReport.h"
#include "platform/Texts.h"

namespace quav {
namespace {

// The fixed pieces between the fields, blanks and all, are the log's
// format; the ones that are words come in the language spoken.
constexpr std::wstring_view kBeforeMachine = L" [";
constexpr std::wstring_view kEnd = L"]";

// The texts of the log's words.
constexpr TextId kLogWords[] = {
    TextId::LogBeforeAdapter,      TextId::LogBeforeFromAddress, TextId::LogBeforeNewAddress,
    TextId::LogBeforeUser,         TextId::LogBeforeOnlyNewAddress, TextId::LogRemovalBeforeUser,
    TextId::LogCheckBeforeActive,  TextId::LogCheckBeforeResult, TextId::LogLeftDisabled,
    TextId::LogUsesNew,            TextId::LogIgnored,           TextId::LogUsesOwn,
    TextId::LogUnread,             TextId::LogRunBeforeMoment,   TextId::LogRunChanges,
    TextId::LogRunOwnChange,       TextId::LogRunNoAdapter,      TextId::LogRunDisabled,
    TextId::LogRunScanFailed,      TextId::LogRunNoRandom,       TextId::LogRunNoMaker,
    TextId::LogRunNotStored,       TextId::LogRunNotRestarted,   TextId::LogRunUnsafeRecord,
    TextId::MomentBoot,            TextId::MomentLogon,          TextId::MomentWake,
    TextId::MomentConnect,
};

// The result of a restart in the log: what the adapter was found using, or
// that it was left disabled.
std::wstring CheckResultText(Language language, const RestartReport& report) {
  if (report.restart.status == RestartStatus::LeftDisabled) {
    return Filled(SayIn(language, TextId::LogLeftDisabled), {std::to_wstring(report.restart.error)});
  }
  switch (report.check) {
    case AddressCheck::UsesNew: return SayIn(language, TextId::LogUsesNew);
    case AddressCheck::Ignored: return SayIn(language, TextId::LogIgnored);
    case AddressCheck::UsesOwn: return SayIn(language, TextId::LogUsesOwn);
    case AddressCheck::Unknown: break;
  }
  return SayIn(language, TextId::LogUnread);
}

// A field as it goes into the line: a control character (a class subkey name
// may hold CR and LF) would end the line early or forge another, so each
// one stands as its escape.
void AppendField(std::wstring& line, std::wstring_view field) {
  for (const wchar_t c : field) {
    if (c < 0x20 || c == 0x7F) {
      line += LogEscape(c);
    } else {
      line += c;
    }
  }
}

std::wstring Head(const LogLineFields& fields) {
  std::wstring line;
  AppendField(line, fields.time);
  line += kBeforeMachine;
  AppendField(line, fields.machine);
  line += SayIn(fields.language, TextId::LogBeforeAdapter);
  AppendField(line, fields.adapter);
  return line;
}

// Every line ends with the user who made the change, after the words given.
std::wstring WithUser(std::wstring line, const LogLineFields& fields, TextId beforeUser) {
  line += SayIn(fields.language, beforeUser);
  AppendField(line, fields.user);
  line += kEnd;
  return line;
}

}  // namespace

std::wstring AddressChangeLine(const LogLineFields& fields, std::wstring_view fromAddress,
                               std::wstring_view newAddress) {
  std::wstring line = Head(fields);
  if (fromAddress.empty()) {
    line += SayIn(fields.language, TextId::LogBeforeOnlyNewAddress);
  } else {
    line += SayIn(fields.language, TextId::LogBeforeFromAddress);
    AppendField(line, fromAddress);
    line += SayIn(fields.language, TextId::LogBeforeNewAddress);
  }
  AppendField(line, newAddress);
  return WithUser(std::move(line), fields, TextId::LogBeforeUser);
}

std::wstring AddressRemovalLine(const LogLineFields& fields) {
  std::wstring line = Head(fields);
  return WithUser(std::move(line), fields, TextId::LogRemovalBeforeUser);
}

std::wstring AddressCheckLine(const LogLineFields& fields, const RestartReport& report) {
  std::wstring line = Head(fields);
  line += SayIn(fields.language, TextId::LogCheckBeforeActive);
  AppendField(line, report.active);
  line += SayIn(fields.language, TextId::LogCheckBeforeResult);
  line += CheckResultText(fields.language, report);
  return WithUser(std::move(line), fields, TextId::LogBeforeUser);
}

std::wstring ScheduledRunLine(const LogLineFields& fields, std::wstring_view moment, std::wstring_view result) {
  std::wstring line = Head(fields);
  line += SayIn(fields.language, TextId::LogRunBeforeMoment);
  AppendField(line, moment);
  line += SayIn(fields.language, TextId::LogCheckBeforeResult);
  AppendField(line, result);
  return WithUser(std::move(line), fields, TextId::LogBeforeUser);
}

std::wstring LogEscape(wchar_t c) {
  constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  const unsigned value = c;
  return {L'\\', L'u', kDigits[(value >> 12) & 0xF], kDigits[(value >> 8) & 0xF], kDigits[(value >> 4) & 0xF],
          kDigits[value & 0xF]};
}

std::wstring ChineseLogWords() {
  std::wstring words;
  for (const TextId id : kLogWords) words += SayIn(Language::Chinese, id);
  return words;
}

std::wstring LogFileIn(std::wstring_view folder) {
  std::wstring path(folder);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  path += L"QUAV.log";
  return path;
}

unsigned long LogFileRefusal(const LogFileFacts& facts) {
  // A junction is a folder too: it is named for what it is, a link.
  if (facts.reparsePoint) return kLogIsLink;
  if (facts.directory) return kLogIsFolder;
  if (facts.links > 1) return kLogHasOtherNames;
  return 0;
}

std::wstring LogRefusalText(unsigned long code) {
  switch (code) {
    case kLogIsFolder: return Say(TextId::LogIsFolder);
    case kLogIsLink: return Say(TextId::LogIsLink);
    case kLogHasOtherNames: return Say(TextId::LogHasOtherNames);
    default: return {};
  }
}

}  // namespace quav

