#include "cli/ConsoleCommands.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

#include "adapters/AdapterKeys.h"
#include "adapters/AdapterScan.h"
#include "adapters/AddressMaker.h"
#include "adapters/ScanRowText.h"
#include "change/AddressStore.h"
#include "change/ChangeLog.h"
#include "change/NewAddressRules.h"
#include "change/RandomAddress.h"
#include "change/AdapterRows.h"
#include "change/MakerChoice.h"
#include "change/RecordedChange.h"
#include "change/RemoveAll.h"
#include "schedule/PerNetworkAddress.h"
#include "schedule/ScheduleOperation.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/ScheduledRun.h"
#include "platform/ErrorReporter.h"
#include "platform/ErrorText.h"
#include "platform/NumberText.h"
#include "platform/Settings.h"
#include "platform/TextRules.h"
#include "platform/Texts.h"
#include "platform/modRegistry.h"

namespace quav {
namespace {

struct ArgumentListTraits {
  using Type = LPWSTR*;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::LocalFree(h); }
};

// The registry pass's error reports, on the console (none when out is null,
// counted all the same): a script never waits on a message box.
class ConsoleErrorReporter final : public ErrorReporter {
 public:
  explicit ConsoleErrorReporter(ConsoleOutput* out) : out_(out) {}
  void Report(const std::wstring& text) override {
    if (out_) out_->Write(text + L"\n");
    ++reports_;
  }
  int Reports() const { return reports_; }

 private:
  ConsoleOutput* out_;
  int reports_ = 0;
};

struct Listing {
  std::vector<ScannedAdapter> rows;
  bool failed = false;  // the scan ended early or reported an error: rows may be missing
};

// The rows the window lists with its filter box clear, from the same scan,
// without any window; what went wrong is said on out unless it is null.
Listing ScanAllAdapters(ConsoleOutput* out) {
  ConsoleErrorReporter errors(out);
  AdapterScan scan = ScanAdapters(false, {nullptr, nullptr, &errors});
  Listing listing{std::move(scan.rows), !scan.completed || errors.Reports() > 0};
  // No rows is an answer only when the registry pass could look: the
  // registry layer opens its keys for full access, which a user without the
  // rights is refused, and the pass then finds nothing without a word.
  if (listing.rows.empty()) {
    const std::wstring_view classKey = kNetworkClassKey.substr(0, kNetworkClassKey.size() - 1);
    for (const std::wstring_view key : {kNetworkConnectionsKey, classKey}) {
      UniqueHkey opened;
      long subkeys = 0, values = 0;
      const long status = GetKeyInfo(HKEY_LOCAL_MACHINE, key, opened, subkeys, values, true);
      if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        if (out) {
          out->Write(Say(TextId::CliCannotReadKey, {key, SystemErrorText(status)}) + L"\n");
        }
        listing.failed = true;
      }
    }
  }
  return listing;
}

ExitCode ScanFailed(ConsoleOutput& out) {
  out.Write(Say(TextId::ScanFailed) + std::wstring(L"\n"));
  return ExitCode::ScanFailed;
}

ExitCode NoSuchAdapter(ConsoleOutput& out, const std::wstring& adapterIndex) {
  out.Write(Say(TextId::CliNoSuchAdapter, {adapterIndex}) + L"\n");
  return ExitCode::NoSuchAdapter;
}

// The adapter's row into found, the ID matched as the window takes it from a
// row; Done, or the code for why there is none (said on out).
ExitCode FindAdapter(const std::wstring& adapterIndex, ConsoleOutput& out, std::optional<ScannedAdapter>& found) {
  Listing listing = ScanAllAdapters(&out);
  const auto row = std::find_if(listing.rows.begin(), listing.rows.end(),
                                [&](const ScannedAdapter& r) { return Trimmed(r.cells[0]) == adapterIndex; });
  if (row != listing.rows.end()) {
    found = std::move(*row);
    return ExitCode::Done;
  }
  return listing.failed ? ScanFailed(out) : NoSuchAdapter(out, adapterIndex);
}

// The row's cells, then the connection's name, the burned-in address and the
// active address's maker, each none when it could not be read (the maker
// also when the maker table could not be). An unread class key leaves the
// connection and the driver to ask unknown.
ListedAdapter Listed(const ScannedAdapter& row, AdapterFacts& facts) {
  ListedAdapter values(row.cells.begin(), row.cells.end());
  for (const int column : row.unreadColumns) values[static_cast<size_t>(column)].reset();
  const bool classUnread = !row.unreadColumns.empty();
  values.push_back(classUnread ? std::nullopt : std::optional(row.connectionName));
  values.push_back(classUnread ? std::nullopt : facts.PermanentAddress(row.cells[0]));
  const std::optional<std::wstring> active = values[static_cast<size_t>(kActiveAddressColumn)];
  std::optional<std::wstring> maker;
  if (active) {
    // No maker for no address; for an address, an unknown one.
    const std::wstring address = Trimmed(*active);
    maker = AddressMaker(address);
    if (maker->empty() && !address.empty()) maker.reset();
  }
  values.push_back(maker);
  return values;
}

// For a per-network schedule, the network the adapter is on and its address
// there (the key is not made for it).
std::optional<NetworkShown> NetworkShownOf(const Schedule& schedule, AdapterFacts& facts) {
  if (schedule.address.source != AddressSource::PerNetwork) return std::nullopt;
  const NetworkAddressNow now = AddressOnNetwork(schedule.adapter, schedule.address, facts, false, ClockSeconds());
  NetworkShown shown;
  if (now.network.status == NetworkIdentityStatus::Known) shown.network = now.network.name;
  if (now.address) shown.address = MacDisplay(*now.address);
  if (now.status == NetworkAddressStatus::WindowsOwn) shown.byWindows = true;
  return shown;
}

// One line per adapter; a cell that could not be read shows "?", and the
// lines are followed by which adapters' keys those are and why. With json
// the output is the JSON array alone, whatever happened, so that a script can
// always parse it: the exit code says what went wrong.
ExitCode ListAdapters(ConsoleOutput& out, AdapterFacts& facts, bool json) {
  const Listing listing = ScanAllAdapters(json ? nullptr : &out);
  long scheduleStatus = ERROR_SUCCESS;
  const std::vector<Schedule> schedules = json ? ReadScheduleRecords(scheduleStatus) : std::vector<Schedule>();
  std::vector<ListedAdapter> listed;
  std::wstring unread;
  long readError = 0;
  for (const ScannedAdapter& row : listing.rows) {
    listed.push_back(Listed(row, facts));
    if (json) {
      // Scripts read the plain lines by position, so this value is for JSON only.
      const std::wstring_view state = RandomAddressKeyword(facts.RandomAddress(row.cells[0]));
      listed.back().push_back(state.empty() ? std::nullopt : std::optional<std::wstring>(state));
      const auto schedule = std::find_if(schedules.begin(), schedules.end(),
                                         [&](const Schedule& s) { return s.adapter == Trimmed(row.cells[0]); });
      // "null" when it has none; unknown (also null) when the records could not be read.
      listed.back().push_back(schedule == schedules.end() ? std::optional<std::wstring>(L"null")
                                                         : std::optional(ScheduleJson(*schedule, NetworkShownOf(*schedule, facts))));
      if (scheduleStatus != ERROR_SUCCESS && schedule == schedules.end()) listed.back().back().reset();
    } else {
      out.Write(ListLine(ListCellsShown(listed.back())) + L"\n");
    }
    if (!row.unreadColumns.empty()) {
      unread += (unread.empty() ? L"" : Say(TextId::CliListSeparator)) + ListLine({row.cells[0]});
      readError = row.readError;
    }
  }
  if (json) {
    out.Write(ListJson(listed));
    if (listing.failed) return ExitCode::ScanFailed;
    return unread.empty() ? ExitCode::Done : ExitCode::Unreadable;
  }
  if (listing.failed) return ScanFailed(out);
  if (!unread.empty()) {
    out.Write(Say(TextId::CliUnread, {unread, SystemErrorText(readError)}) + L"\n");
    return ExitCode::Unreadable;
  }
  return ExitCode::Done;
}

// A problem's sentence with the system's words for it on the next line.
void SayProblem(ConsoleOutput& out, const std::wstring& problem, const std::wstring& detail) {
  out.Write(problem + L"\n" + detail + L"\n");
}

ExitCode StoreAddress(const std::wstring& adapterIndex, const ScannedAdapter& row, const MacBytes& address, bool force,
                      const CommandLineServices& services, ConsoleOutput& out) {
  const bool wireless = services.facts.IsWireless(adapterIndex);
  const std::vector<AddressWarning> warnings =
      WarningsFor(address, wireless, wireless && IsWindowsRandomOn(services.facts.RandomAddress(adapterIndex)));
  // The window asks; a script has answered beforehand with /force or not,
  // so it is told what was wrong and how to write the address all the same.
  if (!warnings.empty() && !force) {
    out.Write(WarningStatement(warnings, address, adapterIndex, AdapterNameRead(row)) + L"\n" + Say(TextId::CliNotWritten) +
              L"\n");
    return ExitCode::Refused;
  }
  const std::wstring shown = MacDisplay(address);
  // The from address as the window takes it from the row.
  const std::wstring fromAddress = Replaced(Trimmed(row.cells[size_t{kActiveAddressColumn}]), L':', L'-');
  const std::wstring name = AdapterNameRead(row);
  const RecordedChange change =
      ChangeAndRecord(adapterIndex, name, MacDigits(address), shown, fromAddress, LogFileBesideProgram());
  if (change.registry.done) {
    out.Write(SayNaming(TextId::CliStored, name, {adapterIndex, shown}) + L"\n");
  }
  if (!change.problem.empty()) SayProblem(out, change.problem, change.detail);
  return ChangeExitCode(change.registry, change.logStatus);
}

// The maker /maker or /keep-maker asks for.
MakerChoice ChosenMaker(const Command& command, const ScannedAdapter& row, AdapterFacts& facts) {
  const std::wstring& id = command.adapter;
  return command.keepMaker
             ? ChooseMakerOfAdapter(id, AdapterNameRead(row), facts.PermanentAddress(id), ActiveAddressRead(row))
             : ChooseMakerByText(*command.maker);
}

// Why no maker was chosen, said on out; the exit code for it.
ExitCode NoMakerChosen(const MakerChoice& choice, ConsoleOutput& out) {
  out.Write(choice.sentence);
  return choice.status == MakerChoiceStatus::Several ? ExitCode::SeveralMakers : ExitCode::NoMaker;
}

// A script that removes an address that is not there is told so: nothing is
// deleted and no removal is logged. (The window removes and logs all the same.)
// The scan's answer is read again now, as it may be out of date.
ExitCode RemoveAddress(const std::wstring& adapterIndex, const ScannedAdapter& row, ConsoleOutput& out) {
  const std::wstring name = AdapterNameRead(row);
  const bool overrideRead = std::find(row.unreadColumns.begin(), row.unreadColumns.end(), kOverriddenColumn) ==
                            row.unreadColumns.end();
  if (overrideRead && kNoText == row.cells[size_t{kOverriddenColumn}] && StoredOverrideAddress(adapterIndex).empty()) {
    out.Write(SayNaming(TextId::CliNothingStored, name, {adapterIndex}) + L"\n");
    return ExitCode::Done;
  }
  const RecordedChange change = RemoveAndRecord(adapterIndex, name, LogFileBesideProgram());
  if (change.registry.done) out.Write(SayNaming(TextId::CliRemoved, name, {adapterIndex}) + L"\n");
  if (!change.problem.empty()) SayProblem(out, change.problem, change.detail);
  return ChangeExitCode(change.registry, change.logStatus);
}

ExitCode RestartAdapter(const std::wstring& adapterIndex, const ScannedAdapter& row,
                        const CommandLineServices& services, ConsoleOutput& out) {
  const RecordedRestart restart =
      RestartAndRecord(adapterIndex, services.devices, services.facts, LogFileBesideProgram());
  out.Write(RestartMessage(restart.report, adapterIndex, AdapterNameRead(row)) + L"\n");
  if (!restart.problem.empty()) SayProblem(out, restart.problem, restart.detail);
  return RestartExitCode(restart.report, restart.logStatus);
}

// The Task Scheduler and the installed copy's place, the services' or the system's.
struct SchedulePlumbing {
  std::unique_ptr<TaskStore> owned;
  TaskStore* tasks;
  InstallPlace place;
  explicit SchedulePlumbing(const CommandLineServices& services)
      : owned(services.tasks ? nullptr : SystemTaskStore()),
        tasks(services.tasks ? services.tasks : owned.get()),
        place(services.place ? *services.place : SystemInstallPlace()) {}
};

ExitCode ScheduleExitCode(ScheduleStatus status) {
  switch (status) {
    case ScheduleStatus::Done: return ExitCode::Done;
    case ScheduleStatus::NotPossible: return ExitCode::SchedulingNotPossible;
    case ScheduleStatus::NotInstalled: return ExitCode::NotSafe;
    case ScheduleStatus::TaskRefused: return ExitCode::TaskSchedulerFailed;
    case ScheduleStatus::RecordFailed: return ExitCode::RegistryFailure;
    case ScheduleStatus::KeyUnsafe: return ExitCode::NotSafe;
  }
  return ExitCode::Unexpected;
}

ExitCode Said(ConsoleOutput& out, const ScheduleOutcome& outcome) {
  if (!outcome.sentence.empty()) out.Write(outcome.sentence + L"\n");
  return ScheduleExitCode(outcome.status);
}

// The kind of address /maker or /keep-maker asks for; the adapter's own
// maker must be known now.
ExitCode ChosenKind(const Command& command, const ScannedAdapter& row, AdapterFacts& facts, ConsoleOutput& out,
                    AddressKind& kind) {
  // Wireless drivers take locally administered addresses; a maker's is not one.
  if (command.perNetwork && command.keepMaker && facts.IsWireless(command.adapter)) {
    out.Write(Say(TextId::PerNetworkWireless, {command.adapter}) + L"\n");
    return ExitCode::Refused;
  }
  if (command.maker || command.keepMaker) {
    const MakerChoice choice = ChosenMaker(command, row, facts);
    if (choice.status != MakerChoiceStatus::Chosen) return NoMakerChosen(choice, out);
    kind = command.keepMaker ? AddressKind{AddressSource::KeepMaker, L""} : MakerKind(choice);
  }
  if (command.perNetwork) kind = {AddressSource::PerNetwork, L"", command.daily, command.keepMaker};
  return ExitCode::Done;
}

// A wireless adapter whose network Windows could give a random address of
// its own, said after a per-network schedule: the schedule window offers it.
void SayWindowsAlternative(const std::wstring& adapter, AdapterFacts& facts, ConsoleOutput& out) {
  if (!facts.IsWireless(adapter) || facts.RandomAddress(adapter) != WindowsRandomAddress::Off) return;
  const NetworkIdentity network = facts.Network(adapter);
  if (network.status != NetworkIdentityStatus::Known) return;
  out.Write(Say(TextId::PerNetworkWindowsAvailable, {adapter, network.name}) + L"\n");
}

ExitCode ListSchedulesOn(ConsoleOutput& out, TaskStore& tasks) {
  const ScheduleListing listing = ListSchedules(tasks);
  std::wstring text;
  for (const ScheduleEntry& entry : listing.entries) {
    text += ScheduleText(entry.schedule) + L"\n";
    for (const std::wstring& missing : entry.missingTasks) text += Say(TextId::ScheduleTaskMissing, {missing}) + L"\n";
  }
  if (listing.entries.empty() && listing.status == ScheduleStatus::Done) text = Say(TextId::NoSchedules) + std::wstring(L"\n");
  if (!listing.problem.empty()) text += listing.problem + L"\n";
  out.Write(text);
  return ScheduleExitCode(listing.status);
}

ExitCode ScheduleVerb(const Command& command, const CommandLineServices& services, ConsoleOutput& out) {
  SchedulePlumbing plumbing(services);
  if (command.adapter.empty()) return ListSchedulesOn(out, *plumbing.tasks);
  const std::wstring& id = command.adapter;
  Schedule schedule{id, DefaultMoments(command.perNetwork ? AddressSource::PerNetwork : AddressSource::Random), {}};
  if (command.at) {
    std::optional<std::vector<Moment>> moments = ParseMoments(*command.at);
    if (!moments) {
      out.Write(Say(TextId::CliUnknownMoments, {*command.at}) + L"\n" + UsageText());
      return ExitCode::Usage;
    }
    schedule.moments = std::move(*moments);
  }
  std::optional<ScannedAdapter> row;
  if (const ExitCode found = FindAdapter(id, out, row); found != ExitCode::Done) return found;
  if (!IsScheduleId(id)) return NoSuchAdapter(out, id);
  if (const ExitCode chosen = ChosenKind(command, *row, services.facts, out, schedule.address); chosen != ExitCode::Done) {
    return chosen;
  }
  if (command.xml) {
    out.Write(ScheduleXml(schedule, plumbing.place));
    return ExitCode::Done;
  }
  ScheduleServices scheduling{*plumbing.tasks, plumbing.place};
  const ExitCode code = Said(out, ScheduleAdapter(schedule, scheduling));
  if (code == ExitCode::Done && command.perNetwork) SayWindowsAlternative(id, services.facts, out);
  return code;
}

ExitCode UnscheduleVerb(const Command& command, const CommandLineServices& services, ConsoleOutput& out) {
  SchedulePlumbing plumbing(services);
  const bool all = NamesAllAdapters(command.adapter);
  if (!all && !IsScheduleId(command.adapter)) return NoSuchAdapter(out, command.adapter);
  return Said(out, Unschedule(all ? std::nullopt : std::optional(command.adapter), *plumbing.tasks));
}

ExitCode RunExitCode(const RunOutcome& run) {
  switch (run.status) {
    case RunStatus::SkippedOwn: return run.logStatus == 0 ? ExitCode::Done : ExitCode::NotLogged;
    case RunStatus::NoAdapter: return ExitCode::NoSuchAdapter;
    case RunStatus::ScanFailed: return ExitCode::ScanFailed;
    case RunStatus::Disabled: return ExitCode::AdapterNotStarted;
    case RunStatus::UnsafeRecord: return ExitCode::NotSafe;
    case RunStatus::NoRandom: return ExitCode::NoRandomSource;
    case RunStatus::NoMaker: return ExitCode::NoMaker;
    case RunStatus::NotStored: return ChangeExitCode(run.change.registry, run.change.logStatus);
    case RunStatus::AlreadyThere: return ExitCode::Done;
    case RunStatus::WindowsOwn: return run.logStatus == 0 ? ExitCode::Done : ExitCode::NotLogged;
    case RunStatus::NoNetwork: return ExitCode::NoNetwork;
    case RunStatus::NoKey:
      return run.key == NetworkKeyStatus::Unsafe     ? ExitCode::NotSafe
             : run.key == NetworkKeyStatus::NoRandom ? ExitCode::NoRandomSource
                                                     : ExitCode::RegistryFailure;
    case RunStatus::NotRestarted:
    case RunStatus::Changed: break;
  }
  if (const ExitCode change = ChangeExitCode(run.change.registry, run.change.logStatus); change != ExitCode::Done) {
    return change;
  }
  const ExitCode restart = RestartExitCode(run.restart.report, run.restart.logStatus);
  return restart == ExitCode::Done && run.logStatus != 0 ? ExitCode::NotLogged : restart;
}

ExitCode RunVerb(const Command& command, const CommandLineServices& services, ConsoleOutput& out) {
  const std::optional<std::vector<Moment>> moments = ParseMoments(*command.at);
  if (!moments || moments->size() != 1) {
    out.Write(Say(TextId::CliUnknownMoments, {*command.at}) + L"\n" + UsageText());
    return ExitCode::Usage;
  }
  if (!IsScheduleId(command.adapter)) return NoSuchAdapter(out, command.adapter);
  AddressKind kind;
  if (command.maker) kind = {AddressSource::Maker, *command.maker};
  if (command.keepMaker) kind = {AddressSource::KeepMaker, L""};
  if (command.perNetwork) kind = {AddressSource::PerNetwork, L"", command.daily, command.keepMaker};
  const RunOutcome run = RunScheduled({command.adapter, moments->front(), kind},
                                      {services.devices, services.facts, services.random}, LogFileBesideProgram(),
                                      ClockSeconds());
  out.Write(run.sentence);
  return RunExitCode(run);
}

ExitCode RemoveAllVerb(ConsoleOutput& out) {
  const RemoveAllOutcome outcome = RemoveAllAndRecord(LogFileBesideProgram());
  out.Write(outcome.sentence);
  for (const RemovedAdapter& each : outcome.removed) {
    if (const ExitCode code = ChangeExitCode(each.change.registry, each.change.logStatus); code != ExitCode::Done) {
      return code;
    }
  }
  return outcome.scanFailed ? ExitCode::ScanFailed : ExitCode::Done;
}

ExitCode UninstallVerb(const CommandLineServices& services, ConsoleOutput& out) {
  SchedulePlumbing plumbing(services);
  ScheduleServices scheduling{*plumbing.tasks, plumbing.place};
  const ExitCode code = Said(out, Uninstall(scheduling));
  // A script cannot answer a question: the way back is said instead.
  bool scanFailed = false;
  std::wstring overridden;
  for (const ScannedAdapter& row : AdaptersWithOverride(scanFailed)) {
    overridden += (overridden.empty() ? L"" : Say(TextId::MomentJoin)) + Trimmed(row.cells[0]);
  }
  if (!overridden.empty()) out.Write(Say(TextId::UninstallOverrides, {overridden}) + L"\n");
  return code;
}

ExitCode Run(const Command& command, const CommandLineServices& services, ConsoleOutput& out) {
  const std::wstring& id = command.adapter;
  switch (command.verb) {
    case Verb::Help:
      out.Write(UsageText());
      return ExitCode::Done;
    case Verb::List:
      return ListAdapters(out, services.facts, command.json);
    case Verb::Set: {
      const std::optional<MacBytes> address = ParseMacArgument(command.address);
      if (!address) {
        out.Write(Say(TextId::CliNotAnAddress, {command.address}) + L"\n");
        return ExitCode::MalformedAddress;
      }
      std::optional<ScannedAdapter> row;
      if (const ExitCode found = FindAdapter(id, out, row); found != ExitCode::Done) return found;
      return StoreAddress(id, *row, *address, command.force, services, out);
    }
    case Verb::Random: {
      std::optional<ScannedAdapter> row;
      if (const ExitCode found = FindAdapter(id, out, row); found != ExitCode::Done) return found;
      std::optional<Maker> maker;
      if (command.maker || command.keepMaker) {
        const MakerChoice choice = ChosenMaker(command, *row, services.facts);
        if (choice.status != MakerChoiceStatus::Chosen) return NoMakerChosen(choice, out);
        maker = choice.maker;
      }
      const std::optional<MacBytes> address =
          maker ? RandomAddressOf(maker->prefixes, services.random) : RandomAddress(services.random);
      if (!address) {
        out.Write(std::wstring(Say(TextId::CliNoRandom)) + L"\n");
        return ExitCode::NoRandomSource;
      }
      return StoreAddress(id, *row, *address, command.force, services, out);
    }
    case Verb::Remove: {
      if (NamesAllAdapters(id)) return RemoveAllVerb(out);
      std::optional<ScannedAdapter> row;
      if (const ExitCode found = FindAdapter(id, out, row); found != ExitCode::Done) return found;
      return RemoveAddress(id, *row, out);
    }
    case Verb::Restart: {
      std::optional<ScannedAdapter> row;
      if (const ExitCode found = FindAdapter(id, out, row); found != ExitCode::Done) return found;
      return RestartAdapter(id, *row, services, out);
    }
    case Verb::Schedule:
      return ScheduleVerb(command, services, out);
    case Verb::Unschedule:
      return UnscheduleVerb(command, services, out);
    case Verb::Run:
      return RunVerb(command, services, out);
    case Verb::Uninstall:
      return UninstallVerb(services, out);
  }
  return ExitCode::Usage;
}

}  // namespace

std::vector<std::wstring> ProgramArguments(std::wstring_view commandTail) {
  // The window, started without arguments, need not load the shell's library
  // (under Wine about 1 MB of its working set) to learn that.
  if (commandTail.find_first_not_of(L" \t") == std::wstring_view::npos) return {};
  int count = 0;
  UniqueAny<ArgumentListTraits> list(::CommandLineToArgvW(::GetCommandLineW(), &count));
  if (!list) return {};
  return std::vector<std::wstring>(list.get() + std::min(count, 1), list.get() + count);
}

ExitCode RunCommandLine(const std::vector<std::wstring>& arguments, const CommandLineServices& services,
                        ConsoleOutput& out) {
  // The language switch is taken first, so that everything after speaks it.
  std::vector<std::wstring> rest = arguments;
  if (const std::optional<std::wstring> code = TakeLanguageSwitch(rest)) {
    Language language = CurrentLanguage();
    if (!LanguageFromCode(*code, language)) {
      out.Write(Say(TextId::CliUnknownLanguage, {*code}) + L"\n" + UsageText());
      return ExitCode::Usage;
    }
    SetLanguage(language);
  }
  const ParsedCommandLine parsed = ParseCommandLine(rest);
  if (!parsed.command) {
    out.Write(parsed.problem + L"\n" + UsageText());
    return ExitCode::Usage;
  }
  const std::optional<Command>& command = parsed.command;
  // Help needs no terms: it changes nothing and reads nothing. A scheduled
  // run has no user's settings to read: whoever scheduled it accepted them.
  if (command->verb != Verb::Help && command->verb != Verb::Run && !AgreementSet()) {
    out.Write(std::wstring(Say(TextId::CliTermsFirst)) + L"\n");
    return ExitCode::TermsNotAccepted;
  }
  try {
    return Run(*command, services, out);
  } catch (...) {
    const ExceptionDescription error = DescribeException(std::current_exception());
    out.Write(ProcedureErrorText(L"RunCommandLine", error.description, error.number) + L"\n");
    return ExitCode::Unexpected;
  }
}

}  // namespace quav
