#include "schedule/ScheduledRun.h"

#include <windows.h>

#include <optional>

#include "change/AdapterRows.h"
#include "change/ChangeLog.h"
#include "change/MakerChoice.h"
#include "change/NewAddressRules.h"
#include "platform/ErrorText.h"
#include "platform/FileApi.h"
#include "platform/TextRules.h"
#include "platform/Texts.h"
#include "schedule/PerNetworkAddress.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/WriterRules.h"

namespace quav {
namespace {

// How a run ended: the status, the result in its log line, the sentence for
// a console that may be watching.
struct Step {
  RunStatus status;
  std::wstring result;
  std::wstring sentence;
};

// The log's words for a result: the log speaks the machine's language,
// whatever the run speaks; its pieces are numbers, addresses and SIDs.
std::wstring LogText(TextId id, std::initializer_list<std::wstring_view> pieces = {}) {
  return Filled(SayIn(LogLanguage(), id), pieces);
}

// Who but administrators may change the record the run trusts (SIDs), or the
// error that kept its DACL from being read; none when no one.
std::optional<std::wstring> UnsafeRecord(const std::wstring& adapter) {
  ObjectAccess access;
  const DWORD status = CurrentFileApi().ReadAccess(ScheduleRecordObjectName(adapter), true, access);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (status != ERROR_SUCCESS) return Filled(SayIn(LogLanguage(), TextId::SystemErrorNumber), {std::to_wstring(status)});
  std::wstring writers;
  for (const std::wstring& sid : OtherWriters(access, kChangeRights, {})) writers += (writers.empty() ? L"" : L", ") + sid;
  if (writers.empty()) return std::nullopt;
  return writers;
}

// The new address of the kind asked for, or why there is none.
std::optional<MacBytes> DrawAddress(const RunRequest& request, const ScannedAdapter& row, const RunServices& services,
                                    Step& failed) {
  std::optional<Maker> maker;
  if (request.address.source != AddressSource::Random) {
    const std::optional<std::wstring> burnedIn = services.facts.PermanentAddress(request.adapter);
    const std::optional<std::wstring> active = ActiveAddressRead(row);
    const MakerChoice choice =
        request.address.source == AddressSource::Maker
            ? ChooseMakerByText(request.address.maker)
            : ChooseMakerOfAdapter(request.adapter, AdapterNameRead(row), burnedIn, active);
    if (choice.status != MakerChoiceStatus::Chosen) {
      const std::wstring of = request.address.source == AddressSource::Maker ? request.address.maker
                                                                              : burnedIn.value_or(active.value_or(L"?"));
      failed = {RunStatus::NoMaker, LogText(TextId::LogRunNoMaker, {of}), choice.sentence};
      return std::nullopt;
    }
    maker = choice.maker;
  }
  std::optional<MacBytes> address =
      maker ? RandomAddressOf(maker->prefixes, services.random) : RandomAddress(services.random);
  if (!address) {
    failed = {RunStatus::NoRandom, LogText(TextId::LogRunNoRandom), Say(TextId::CliNoRandom) + std::wstring(L"\n")};
  }
  return address;
}

// Why a run for the network's address changes nothing: the log's words and the console's.
Step PerNetworkFailure(const NetworkAddressNow& now) {
  RunStatus status = RunStatus::NoKey;
  switch (now.status) {
    case NetworkAddressStatus::WindowsOwn: status = RunStatus::WindowsOwn; break;
    case NetworkAddressStatus::NotConnected:
    case NetworkAddressStatus::Unknown:
    case NetworkAddressStatus::LocationDenied: status = RunStatus::NoNetwork; break;
    case NetworkAddressStatus::NoPrefix: status = RunStatus::NoMaker; break;
    case NetworkAddressStatus::NoKey:
    case NetworkAddressStatus::Derived: break;
  }
  return {status, LogText(now.logReason), now.reason + L"\n"};
}

}  // namespace

uint64_t ClockSeconds() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return ((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000000u;
}

RunOutcome RunScheduled(const RunRequest& request, const RunServices& services, const std::wstring& logPath,
                        uint64_t nowSeconds) {
  RunOutcome outcome;
  const std::wstring& id = request.adapter;
  const std::wstring moment = SayIn(LogLanguage(), MomentTextId(request.moment));
  // The run's own line, with the moment that started it; its status counts
  // for the exit code when nothing else was logged.
  const auto logRun = [&](const std::wstring& result) {
    const DWORD status = AppendLogLine(logPath, ScheduledRunLine(LogFieldsNow(id), moment, result));
    if (outcome.logStatus == 0) outcome.logStatus = status;
  };
  const auto stop = [&](const Step& step) {
    outcome.status = step.status;
    outcome.sentence = step.sentence;
    logRun(step.result);
    return outcome;
  };

  if (const std::optional<std::wstring> writers = UnsafeRecord(id)) {
    return stop({RunStatus::UnsafeRecord, LogText(TextId::LogRunUnsafeRecord, {*writers}),
                 Say(TextId::LogRunUnsafeRecord, {*writers}) + L"\n"});
  }

  // The scan's reports go nowhere: the run says what it found in its own line.
  bool scanFailed = false;
  const std::optional<ScannedAdapter> row = RowOfAdapter(ScanEveryAdapter(scanFailed), id);
  if (!row) {
    if (scanFailed) {
      return stop({RunStatus::ScanFailed, LogText(TextId::LogRunScanFailed), Say(TextId::ScanFailed) + std::wstring(L"\n")});
    }
    return stop({RunStatus::NoAdapter, LogText(TextId::LogRunNoAdapter), Say(TextId::CliNoSuchAdapter, {id}) + L"\n"});
  }
  const std::wstring name = AdapterNameRead(*row);
  const std::optional<std::wstring> presented = services.facts.ActiveAddress(id);
  if (!presented) return stop({RunStatus::Disabled, LogText(TextId::LogRunDisabled), Say(TextId::LogRunDisabled) + std::wstring(L"\n")});

  std::optional<MacBytes> address;
  std::wstring changes = LogText(TextId::LogRunChanges);
  if (request.address.source == AddressSource::PerNetwork) {
    // Its own reconnection finds the address there: no own-change guard needed.
    const NetworkAddressNow now = AddressOnNetwork(id, request.address, services.facts, true, nowSeconds);
    if (now.status == NetworkAddressStatus::Derived && SameAddress(*presented, MacDisplay(*now.address))) {
      outcome.status = RunStatus::AlreadyThere;
      return outcome;
    }
    if (now.status != NetworkAddressStatus::Derived) {
      outcome.key = now.key;
      return stop(PerNetworkFailure(now));
    }
    address = now.address;
    changes = LogText(TextId::LogRunForNetwork, {now.network.name});
  } else {
    const std::optional<OwnChange> last = ReadOwnChange(id);
    if (DecideRun(request.moment, last, nowSeconds, *presented) == RunDecision::SkipOwnChange) {
      const std::wstring age = std::to_wstring(nowSeconds >= last->seconds ? nowSeconds - last->seconds : 0);
      return stop({RunStatus::SkippedOwn, LogText(TextId::LogRunOwnChange, {age}),
                   Say(TextId::LogRunOwnChange, {age}) + L"\n"});
    }
    Step failed{RunStatus::Changed, L"", L""};
    address = DrawAddress(request, *row, services, failed);
    if (!address) return stop(failed);
  }

  logRun(changes);
  const std::wstring shown = MacDisplay(*address);
  const std::wstring fromAddress = Replaced(Trimmed(row->cells[size_t{kActiveAddressColumn}]), L':', L'-');
  outcome.change = ChangeAndRecord(id, name, MacDigits(*address), shown, fromAddress, logPath);
  if (!outcome.change.registry.done) {
    outcome.status = RunStatus::NotStored;
    outcome.sentence = outcome.change.problem + L"\n" + outcome.change.detail + L"\n";
    logRun(LogText(TextId::LogRunNotStored, {std::to_wstring(outcome.change.registry.status)}));
    return outcome;
  }
  // Written before the restart, whose reconnection starts the connect task.
  WriteOwnChange(id, {shown, nowSeconds});
  outcome.sentence = SayNaming(TextId::CliStored, name, {id, shown}) + L"\n";
  if (!outcome.change.problem.empty()) outcome.sentence += outcome.change.problem + L"\n" + outcome.change.detail + L"\n";

  outcome.restart = RestartAndRecord(id, services.devices, services.facts, logPath);
  outcome.sentence += RestartMessage(outcome.restart.report, id, name) + L"\n";
  if (!outcome.restart.problem.empty()) {
    outcome.sentence += outcome.restart.problem + L"\n" + outcome.restart.detail + L"\n";
  }
  if (!RestartChangedDevice(outcome.restart.report)) {
    outcome.status = RunStatus::NotRestarted;
    logRun(LogText(TextId::LogRunNotRestarted, {std::to_wstring(outcome.restart.report.restart.error)}));
  }
  return outcome;
}

}  // namespace quav
