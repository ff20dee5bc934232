#include "schedule/ScheduledRun.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "adapters/AdapterScan.h"
#include "change/ChangeLog.h"
#include "change/MakerChoice.h"
#include "change/NewAddressRules.h"
#include "change/RemoveAll.h"
#include "platform/ErrorText.h"
#include "platform/FileApi.h"
#include "platform/TextRules.h"
#include "platform/Texts.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/WriterRules.h"

namespace quav {
namespace {

struct Step {
  RunStatus status;
  std::wstring result;    // the log line's result
  std::wstring sentence;  // for the console
};

// Whether anyone but administrators may change the record the run trusts.
std::optional<std::wstring> UnsafeRecord(const std::wstring& adapter) {
  ObjectAccess access;
  const DWORD status = CurrentFileApi().ReadAccess(ScheduleRecordObjectName(adapter), true, access);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (status != ERROR_SUCCESS) return SystemErrorText(status);
  const std::vector<std::wstring> writers = OtherWriters(access, kChangeRights, {});
  if (writers.empty()) return std::nullopt;
  std::wstring text;
  for (const std::wstring& sid : writers) text += (text.empty() ? L"" : L", ") + sid;
  return text;
}

// The new address of the kind asked for, or why there is none.
std::optional<MacBytes> DrawAddress(const RunRequest& request, const ScannedAdapter& row, const RunServices& services,
                                    Step& failed) {
  std::optional<Maker> maker;
  if (request.address.source != AddressSource::Random) {
    const MakerChoice choice =
        request.address.source == AddressSource::Maker
            ? ChooseMakerByText(request.address.maker)
            : ChooseMakerOfAdapter(request.adapter, services.facts.PermanentAddress(request.adapter),
                                   ActiveAddressRead(row));
    if (choice.status != MakerChoiceStatus::Chosen) {
      std::wstring reason = choice.sentence;
      while (!reason.empty() && reason.back() == L'\n') reason.pop_back();
      failed = {RunStatus::NoMaker, Say(TextId::LogRunNoAddress, {reason}), choice.sentence};
      return std::nullopt;
    }
    maker = choice.maker;
  }
  std::optional<MacBytes> address =
      maker ? RandomAddressOf(maker->prefixes, services.random) : RandomAddress(services.random);
  if (!address) {
    failed = {RunStatus::NoRandom, Say(TextId::LogRunNoAddress, {Say(TextId::CliNoRandom)}),
              Say(TextId::CliNoRandom) + std::wstring(L"\n")};
  }
  return address;
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
  const auto logRun = [&](const std::wstring& result) {
    outcome.logStatus = AppendLogLine(logPath, ScheduledRunLine(LogFieldsNow(id), MomentText(request.moment), result));
  };
  const auto stop = [&](const Step& step) {
    outcome.status = step.status;
    outcome.sentence = step.sentence;
    logRun(step.result);
    return outcome;
  };

  if (const std::optional<std::wstring> writers = UnsafeRecord(id)) {
    const std::wstring result = Say(TextId::LogRunUnsafeRecord, {*writers});
    return stop({RunStatus::UnsafeRecord, result, result + L"\n"});
  }

  // The scan's reports go nowhere: the run says what it found in its own line.
  bool scanFailed = false;
  const std::vector<ScannedAdapter> rows = ScanEveryAdapter(scanFailed);
  const auto row =
      std::find_if(rows.begin(), rows.end(), [&](const ScannedAdapter& r) { return Trimmed(r.cells[0]) == id; });
  if (row == rows.end()) {
    if (scanFailed) {
      return stop({RunStatus::ScanFailed, Say(TextId::LogRunScanFailed), Say(TextId::ScanFailed) + std::wstring(L"\n")});
    }
    return stop({RunStatus::NoAdapter, Say(TextId::LogRunNoAdapter), Say(TextId::CliNoSuchAdapter, {id}) + L"\n"});
  }
  const std::optional<std::wstring> presented = services.facts.ActiveAddress(id);
  if (!presented) {
    const std::wstring result = Say(TextId::LogRunDisabled);
    return stop({RunStatus::Disabled, result, result + L"\n"});
  }

  const std::optional<OwnChange> last = ReadOwnChange(id);
  if (DecideRun(request.moment, last, nowSeconds, *presented) == RunDecision::SkipOwnChange) {
    const std::wstring result =
        Say(TextId::LogRunOwnChange, {std::to_wstring(nowSeconds >= last->seconds ? nowSeconds - last->seconds : 0)});
    return stop({RunStatus::SkippedOwn, result, result + L"\n"});
  }

  Step failed{RunStatus::Changed, L"", L""};
  const std::optional<MacBytes> address = DrawAddress(request, *row, services, failed);
  if (!address) return stop(failed);

  logRun(Say(TextId::LogRunChanges));
  const std::wstring shown = MacDisplay(*address);
  const std::wstring fromAddress = Replaced(Trimmed(row->cells[size_t{kActiveAddressColumn}]), L':', L'-');
  outcome.change = ChangeAndRecord(id, MacDigits(*address), shown, fromAddress, logPath);
  if (!outcome.change.registry.done) {
    outcome.status = RunStatus::NotStored;
    outcome.sentence = outcome.change.problem + L"\n" + outcome.change.detail + L"\n";
    AppendLogLine(logPath, ScheduledRunLine(LogFieldsNow(id), MomentText(request.moment),
                                            Say(TextId::LogRunNotStored, {outcome.change.detail})));
    return outcome;
  }
  // Written before the restart, whose reconnection starts the connect task.
  WriteOwnChange(id, {shown, nowSeconds});
  outcome.sentence = Say(TextId::CliStored, {id, shown}) + L"\n";
  if (!outcome.change.problem.empty()) outcome.sentence += outcome.change.problem + L"\n" + outcome.change.detail + L"\n";

  outcome.restart = RestartAndRecord(id, services.devices, services.facts, logPath);
  const std::wstring restartSentence = RestartMessage(outcome.restart.report, id);
  outcome.sentence += restartSentence + L"\n";
  if (!outcome.restart.problem.empty()) {
    outcome.sentence += outcome.restart.problem + L"\n" + outcome.restart.detail + L"\n";
  }
  if (!RestartChangedDevice(outcome.restart.report)) {
    outcome.status = RunStatus::NotRestarted;
    AppendLogLine(logPath, ScheduledRunLine(LogFieldsNow(id), MomentText(request.moment),
                                            Say(TextId::LogRunNotRestarted, {restartSentence})));
  }
  return outcome;
}

}  // namespace quav
