#include "change/LogLine.h"

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

std::wstring Head(const LogLineFields& fields) {
  std::wstring line = fields.time;
  line += kBeforeMachine;
  line += fields.machine;
  line += kBeforeAdapter;
  line += fields.adapter;
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
    line += fromAddress;
    line += kBeforeNewAddress;
  }
  line += newAddress;
  line += kBeforeUser;
  line += fields.user;
  line += kEnd;
  return line;
}

std::wstring AddressRemovalLine(const LogLineFields& fields) {
  std::wstring line = Head(fields);
  line += kRemovalBeforeUser;
  line += fields.user;
  line += kEnd;
  return line;
}

std::wstring LogFileIn(std::wstring_view folder) {
  std::wstring path(folder);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  path += L"QUAV.log";
  return path;
}

}  // namespace quav
