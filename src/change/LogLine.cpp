#include "change/LogLine.h"

#include "change/RestartReport.h"
#include "platform/Texts.h"

#include <algorithm>
#include <iterator>

namespace quav {
namespace {

// The fixed pieces between the fields, blanks and all, are the log's
// format; the ones that are words come in the language spoken.
constexpr std::wstring_view kBeforeMachine = L" [";
constexpr std::wstring_view kEnd = L"]";

// The result of a restart in the log: what the adapter was found using, or
// that it was left disabled.
std::wstring CheckResultText(const RestartReport& report) {
  if (report.restart.status == RestartStatus::LeftDisabled) {
    return Say(TextId::LogLeftDisabled, {std::to_wstring(report.restart.error)});
  }
  switch (report.check) {
    case AddressCheck::UsesNew: return Say(TextId::LogUsesNew);
    case AddressCheck::Ignored: return Say(TextId::LogIgnored);
    case AddressCheck::UsesOwn: return Say(TextId::LogUsesOwn);
    case AddressCheck::Unknown: break;
  }
  return Say(TextId::LogUnread);
}

// A field as it goes into the line: a control character (a class subkey name
// may hold CR and LF) would end the line early or forge another, so each
// one stands as "?", as characters the ANSI code page lacks do.
void AppendField(std::wstring& line, std::wstring_view field) {
  std::transform(field.begin(), field.end(), std::back_inserter(line),
                 [](wchar_t c) { return c < 0x20 || c == 0x7F ? L'?' : c; });
}

std::wstring Head(const LogLineFields& fields) {
  std::wstring line;
  AppendField(line, fields.time);
  line += kBeforeMachine;
  AppendField(line, fields.machine);
  line += Say(TextId::LogBeforeAdapter);
  AppendField(line, fields.adapter);
  return line;
}

}  // namespace

std::wstring AddressChangeLine(const LogLineFields& fields, std::wstring_view fromAddress,
                               std::wstring_view newAddress) {
  std::wstring line = Head(fields);
  if (fromAddress.empty()) {
    line += Say(TextId::LogBeforeOnlyNewAddress);
  } else {
    line += Say(TextId::LogBeforeFromAddress);
    AppendField(line, fromAddress);
    line += Say(TextId::LogBeforeNewAddress);
  }
  AppendField(line, newAddress);
  line += Say(TextId::LogBeforeUser);
  AppendField(line, fields.user);
  line += kEnd;
  return line;
}

std::wstring AddressRemovalLine(const LogLineFields& fields) {
  std::wstring line = Head(fields);
  line += Say(TextId::LogRemovalBeforeUser);
  AppendField(line, fields.user);
  line += kEnd;
  return line;
}

std::wstring AddressCheckLine(const LogLineFields& fields, const RestartReport& report) {
  std::wstring line = Head(fields);
  line += Say(TextId::LogCheckBeforeActive);
  AppendField(line, report.active);
  line += Say(TextId::LogCheckBeforeResult);
  line += CheckResultText(report);
  line += Say(TextId::LogBeforeUser);
  AppendField(line, fields.user);
  line += kEnd;
  return line;
}

std::wstring ScheduledRunLine(const LogLineFields& fields, std::wstring_view moment, std::wstring_view result) {
  std::wstring line = Head(fields);
  line += Say(TextId::LogRunBeforeMoment);
  AppendField(line, moment);
  line += Say(TextId::LogCheckBeforeResult);
  AppendField(line, result);
  line += Say(TextId::LogBeforeUser);
  AppendField(line, fields.user);
  line += kEnd;
  return line;
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

