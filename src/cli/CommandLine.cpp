#include "cli/CommandLine.h"

#include <algorithm>

namespace quav {
namespace {

// ERROR_ACCESS_DENIED, without the system's headers.
constexpr long kAccessDeniedError = 5;

struct VerbName {
  std::wstring_view name;
  Verb verb;
  size_t arguments;  // besides /force
  bool takesForce;
};

// /random writes through the same path as /set, so it takes /force too.
constexpr VerbName kVerbs[] = {
    {L"?", Verb::Help, 0, false},     {L"help", Verb::Help, 0, false},    {L"list", Verb::List, 0, false},
    {L"set", Verb::Set, 2, true},     {L"remove", Verb::Remove, 1, false}, {L"random", Verb::Random, 1, true},
    {L"restart", Verb::Restart, 1, false},
};

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

}  // namespace

std::optional<Command> ParseCommandLine(const std::vector<std::wstring>& arguments) {
  if (arguments.empty()) return std::nullopt;
  const std::optional<std::wstring> name = SwitchName(arguments[0]);
  if (!name) return std::nullopt;
  const VerbName* known =
      std::find_if(std::begin(kVerbs), std::end(kVerbs), [&](const VerbName& verb) { return verb.name == *name; });
  if (known == std::end(kVerbs)) return std::nullopt;

  Command command;
  command.verb = known->verb;
  std::vector<std::wstring> rest;
  for (size_t k = 1; k < arguments.size(); ++k) {
    if (known->takesForce && SwitchName(arguments[k]) == L"force") {
      command.force = true;
    } else {
      rest.push_back(arguments[k]);
    }
  }
  if (rest.size() != known->arguments) return std::nullopt;
  if (!rest.empty()) command.adapter = rest[0];
  if (rest.size() > 1) command.address = rest[1];
  return command;
}

std::wstring UsageText() {
  return L"用法：\n"
         L"  quav.exe /list                 列出所有网络适配器，每行一个，以制表符分隔：\n"
         L"                                 ID、活动 (1/0)、伪装 (1/0)、网络适配器、IP 地址、活动 MAC\n"
         L"  quav.exe /set ID MAC [/force]  把伪装的 MAC 地址写入网络适配器 ID\n"
         L"  quav.exe /random ID [/force]   写入一个随机的本地管理 MAC 地址\n"
         L"  quav.exe /remove ID            删除网络适配器 ID 的伪装 MAC 地址\n"
         L"  quav.exe /restart ID           禁用并重新启用网络适配器 ID，检查它使用的 MAC 地址\n"
         L"MAC 是 12 个十六进制数字，可用 \"-\" 或 \":\" 分隔每两个数字。\n"
         L"地址有警告时，只有加上 /force 才会写入。\n"
         L"退出代码见自述文件。\n";
}

std::wstring ListLine(const std::vector<std::wstring>& cells) {
  std::wstring line;
  for (size_t column = 0; column < cells.size(); ++column) {
    std::wstring cell = WithoutControlCharacters(cells[column]);
    if (column == 1 || column == 2) {
      if (cell == L"是") cell = L"1";
      if (cell == L"否") cell = L"0";
    }
    if (column > 0) line += L'\t';
    line += cell;
  }
  return line;
}

ExitCode ChangeExitCode(const ChangeOutcome& outcome, unsigned long logStatus) {
  if (!outcome.done) return outcome.status == kAccessDeniedError ? ExitCode::AccessDenied : ExitCode::RegistryFailure;
  return logStatus == 0 ? ExitCode::Done : ExitCode::NotLogged;
}

ExitCode RestartExitCode(const RestartReport& report, unsigned long logStatus) {
  if (report.restart.status == RestartStatus::LeftDisabled) return ExitCode::AdapterLeftDisabled;
  if (report.restart.status != RestartStatus::Restarted) return ExitCode::RestartNotPossible;
  if (report.check == AddressCheck::Ignored || report.check == AddressCheck::Unknown) return ExitCode::AddressNotUsed;
  return logStatus == 0 ? ExitCode::Done : ExitCode::NotLogged;
}

}  // namespace quav
