#include "change/LogLine.h"

#include "change/RestartReport.h"

#include <algorithm>
#include <iterator>

namespace quav {
namespace {

// The fixed pieces between the fields, blanks and all: the log's format.
constexpr std::wstring_view kBeforeMachine = L" [";
constexpr std::wstring_view kBeforeAdapter = L"]   设备   [";
constexpr std::wstring_view kBeforeFromAddress = L"]         伪装 MAC 地址从       [";
constexpr std::wstring_view kBeforeNewAddress = L"]  为 [";
constexpr std::wstring_view kBeforeUser = L"]   操作用户  [";
constexpr std::wstring_view kEnd = L"]";
constexpr std::wstring_view kBeforeOnlyNewAddress = L"]       伪装 MAC 地址为       [";
constexpr std::wstring_view kRemovalBeforeUser = L"]         删除伪装的 MAC 地址         操作用户   [";
constexpr std::wstring_view kCheckBeforeActive = L"]         重启后使用的 MAC 地址 [";
constexpr std::wstring_view kCheckBeforeResult = L"]  结果 [";

// The result of a restart in the log: what the adapter was found using, or
// that it was left disabled.
std::wstring CheckResultText(const RestartReport& report) {
  if (report.restart.status == RestartStatus::LeftDisabled)
    return L"适配器已禁用，无法重新启用 (错误 " + std::to_wstring(report.restart.error) + L")";
  switch (report.check) {
    case AddressCheck::UsesNew: return L"伪装的 MAC 地址已生效";
    case AddressCheck::Ignored: return L"驱动程序忽略了伪装的 MAC 地址";
    case AddressCheck::UsesOwn: return L"使用原来的 MAC 地址";
    case AddressCheck::Unknown: break;
  }
  return L"无法读取";
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
  line += kBeforeAdapter;
  AppendField(line, fields.adapter);
  return line;
}

}  // namespace

std::wstring AddressChangeLine(const LogLineFields& fields, std::wstring_view fromAddress,
                               std::wstring_view newAddress) {
  std::wstring line = Head(fields);
  if (fromAddress.empty()) {
    line += kBeforeOnlyNewAddress;
  } else {
    line += kBeforeFromAddress;
    AppendField(line, fromAddress);
    line += kBeforeNewAddress;
  }
  AppendField(line, newAddress);
  line += kBeforeUser;
  AppendField(line, fields.user);
  line += kEnd;
  return line;
}

std::wstring AddressRemovalLine(const LogLineFields& fields) {
  std::wstring line = Head(fields);
  line += kRemovalBeforeUser;
  AppendField(line, fields.user);
  line += kEnd;
  return line;
}

std::wstring AddressCheckLine(const LogLineFields& fields, const RestartReport& report) {
  std::wstring line = Head(fields);
  line += kCheckBeforeActive;
  AppendField(line, report.active);
  line += kCheckBeforeResult;
  line += CheckResultText(report);
  line += kBeforeUser;
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
    case kLogIsFolder: return L"QUAV.log 是一个文件夹，不是文件，因此没有写入任何内容。";
    case kLogIsLink: return L"QUAV.log 是一个链接（符号链接或联接），指向别处，因此没有写入任何内容。";
    case kLogHasOtherNames: return L"QUAV.log 还有其他名称（硬链接），因此没有写入任何内容。";
    default: return {};
  }
}

}  // namespace quav

