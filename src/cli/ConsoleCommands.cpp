#include "cli/ConsoleCommands.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "adapters/modGlobal.h"
#include "change/AdapterRestart.h"
#include "change/AddressStore.h"
#include "change/ChangeLog.h"
#include "change/NewAddressRules.h"
#include "change/RandomAddress.h"
#include "platform/SystemFacts.h"
#include "platform/TextRules.h"
#include "platform/modRegistry.h"
#include "ui/ListView.h"
#include "ui/main/StartupRules.h"

namespace quav {
namespace {

struct WindowTraits {
  using Type = HWND;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::DestroyWindow(h); }
};
using UniqueWindow = UniqueAny<WindowTraits>;

struct ArgumentListTraits {
  using Type = LPWSTR*;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::LocalFree(h); }
};

using Row = std::vector<std::wstring>;
constexpr int kColumns = 6;
constexpr int kActiveAddressColumn = 5;

// The rows the window lists with its filter box clear, read back from the
// same scan into a list that is never shown.
std::vector<Row> ScanAllAdapters() {
  UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 300, nullptr, nullptr, nullptr,
                                        nullptr));
  if (!window) return {};
  ListView list(::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 780, 200, window.get(), nullptr,
                                  nullptr, nullptr));
  CheckBox filter(::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_AUTOCHECKBOX, 0, 210, 200, 20, window.get(),
                                    nullptr, nullptr, nullptr));
  if (!list.Hwnd()) return {};
  for (int column = 0; column < kColumns; ++column) list.AddColumn(L"", 100);
  filter.SetValue(0);
  std::wstring version;
  GetOSVersion(version);
  FillAdapterList(list, filter, version, {});

  std::vector<Row> rows;
  for (long position = 1; position <= list.Count(); ++position) {
    Row row;
    for (int column = 0; column < kColumns; ++column) row.push_back(list.SubItem(position, column));
    rows.push_back(row);
  }
  return rows;
}

// The adapter's row, the ID matched as the window takes it from a row.
std::optional<Row> FindAdapter(const std::wstring& adapterIndex) {
  std::vector<Row> rows = ScanAllAdapters();
  const auto found =
      std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return Trimmed(row[0]) == adapterIndex; });
  if (found == rows.end()) return std::nullopt;
  return std::move(*found);
}

// The window's rule: the terms count as accepted once the setting reads "1".
bool TermsAccepted() {
  DWORD type = 0;
  long status = 0;
  return ReadsAsSet(GetRegValue(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, type, status));
}

void SayLogFailure(ConsoleOutput& out, const std::wstring& path, DWORD status) {
  out.Write(L"无法把这次操作记入日志 " + path + L"。\n" + LogErrorText(status) + L"\n");
}

ExitCode NoSuchAdapter(ConsoleOutput& out, const std::wstring& adapterIndex) {
  out.Write(L"没有 ID 为 " + adapterIndex + L" 的网络适配器。quav.exe /list 列出所有网络适配器。\n");
  return ExitCode::NoSuchAdapter;
}

ExitCode StoreAddress(const std::wstring& adapterIndex, const Row& row, const MacBytes& address, bool force,
                      const CommandLineServices& services, ConsoleOutput& out) {
  const std::vector<AddressWarning> warnings = WarningsFor(address, services.facts.IsWireless(adapterIndex));
  // The window asks; a script has answered beforehand with /force or not.
  if (!warnings.empty() && !force) {
    out.Write(WarningMessage(warnings, address, adapterIndex) + L"\n没有写入。加上 /force 仍然写入这个地址。\n");
    return ExitCode::Refused;
  }
  const std::wstring shown = MacDisplay(address);
  const ChangeOutcome outcome = StoreOverrideAddress(adapterIndex, MacDigits(address));
  if (!outcome.done) {
    out.Write(L"无法把伪装的 MAC 地址 " + shown + L" 写入网络适配器 " + adapterIndex + L"。\n" + outcome.failure +
              L"\n");
    return ChangeExitCode(outcome, 0);
  }
  out.Write(L"网络适配器 " + adapterIndex + L" 的伪装 MAC 地址已设为 " + shown +
            L"。网络适配器禁用/启用 (quav.exe /restart " + adapterIndex + L") 或重启计算机后生效。\n");
  // The from address as the window takes it from the row.
  const std::wstring fromAddress = Replaced(Trimmed(row[kActiveAddressColumn]), L':', L'-');
  const std::wstring log = LogFileBesideProgram();
  const DWORD logStatus = AppendLogLine(log, AddressChangeLine(LogFieldsNow(adapterIndex), fromAddress, shown));
  if (logStatus != 0) SayLogFailure(out, log, logStatus);
  return ChangeExitCode(outcome, logStatus);
}

ExitCode RemoveAddress(const std::wstring& adapterIndex, ConsoleOutput& out) {
  const ChangeOutcome outcome = DeleteOverrideAddress(adapterIndex);
  if (!outcome.done) {
    out.Write(L"无法删除网络适配器 " + adapterIndex + L" 的伪装 MAC 地址。\n" + outcome.failure + L"\n");
    return ChangeExitCode(outcome, 0);
  }
  out.Write(L"网络适配器 " + adapterIndex + L" 的伪装 MAC 地址已删除。\n");
  const std::wstring log = LogFileBesideProgram();
  const DWORD logStatus = AppendLogLine(log, AddressRemovalLine(LogFieldsNow(adapterIndex)));
  if (logStatus != 0) SayLogFailure(out, log, logStatus);
  return ChangeExitCode(outcome, logStatus);
}

ExitCode RestartAdapter(const std::wstring& adapterIndex, const CommandLineServices& services, ConsoleOutput& out) {
  const RestartReport report = RestartAndVerify(adapterIndex, services.devices, services.facts);
  out.Write(RestartMessage(report, adapterIndex) + L"\n");
  DWORD logStatus = 0;
  if (report.restart.status == RestartStatus::Restarted) {
    const std::wstring log = LogFileBesideProgram();
    logStatus = AppendLogLine(log, AddressCheckLine(LogFieldsNow(adapterIndex), report));
    if (logStatus != 0) SayLogFailure(out, log, logStatus);
  }
  return RestartExitCode(report, logStatus);
}

ExitCode Run(const Command& command, const CommandLineServices& services, ConsoleOutput& out) {
  const std::wstring& id = command.adapter;
  switch (command.verb) {
    case Verb::Help:
      out.Write(UsageText());
      return ExitCode::Done;
    case Verb::List:
      for (const Row& row : ScanAllAdapters()) out.Write(ListLine(row) + L"\n");
      return ExitCode::Done;
    case Verb::Set: {
      const std::optional<MacBytes> address = ParseMacArgument(command.address);
      if (!address) {
        out.Write(L"\"" + command.address + L"\" 不是 MAC 地址：需要 12 个十六进制数字，可用 \"-\" 或 \":\" 分隔每两个数字。\n");
        return ExitCode::MalformedAddress;
      }
      const std::optional<Row> row = FindAdapter(id);
      if (!row) return NoSuchAdapter(out, id);
      return StoreAddress(id, *row, *address, command.force, services, out);
    }
    case Verb::Random: {
      const std::optional<Row> row = FindAdapter(id);
      if (!row) return NoSuchAdapter(out, id);
      const std::optional<MacBytes> address = RandomAddress();
      if (!address) {
        out.Write(L"无法生成随机的 MAC 地址：系统的加密随机数源不可用。\n");
        return ExitCode::NoRandomSource;
      }
      return StoreAddress(id, *row, *address, command.force, services, out);
    }
    case Verb::Remove:
      if (!FindAdapter(id)) return NoSuchAdapter(out, id);
      return RemoveAddress(id, out);
    case Verb::Restart:
      if (!FindAdapter(id)) return NoSuchAdapter(out, id);
      return RestartAdapter(id, services, out);
  }
  return ExitCode::Usage;
}

}  // namespace

std::vector<std::wstring> ProgramArguments() {
  int count = 0;
  UniqueAny<ArgumentListTraits> list(::CommandLineToArgvW(::GetCommandLineW(), &count));
  if (!list) return {};
  return std::vector<std::wstring>(list.get() + std::min(count, 1), list.get() + count);
}

ExitCode RunCommandLine(const std::vector<std::wstring>& arguments, const CommandLineServices& services,
                        ConsoleOutput& out) {
  const std::optional<Command> command = ParseCommandLine(arguments);
  if (!command) {
    out.Write(UsageText());
    return ExitCode::Usage;
  }
  // Help needs no terms: it changes nothing and reads nothing.
  if (command->verb != Verb::Help && !TermsAccepted()) {
    out.Write(L"请先不带参数启动 quav.exe 并接受使用条款，然后才能使用命令行。\n");
    return ExitCode::TermsNotAccepted;
  }
  return Run(*command, services, out);
}

}  // namespace quav
