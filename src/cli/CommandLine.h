#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "change/AddressStore.h"
#include "change/RestartReport.h"
#include "schedule/ScheduleRules.h"

// The command line for scripts: what the arguments ask for, the exit codes
// that answer, and the text of the listing. The Windows side runs it.
namespace quav {

// What quav.exe returns when started with arguments; README.md lists them.
enum class ExitCode : int {
  Done = 0,
  Usage = 1,               // unknown verb or wrong number of arguments
  TermsNotAccepted = 2,    // the terms were never accepted in the window
  NoSuchAdapter = 3,       // the ID is not a row of the adapter list
  MalformedAddress = 4,    // not twelve hexadecimal digits
  Refused = 5,             // the address draws a warning and /force was not given
  AccessDenied = 6,        // the registry refused the write or delete
  RegistryFailure = 7,     // any other reason the change did not hold
  NotLogged = 8,           // changed, but the log line could not be written
  RestartNotPossible = 9,  // no device, no right to restart it, or it failed
  AddressNotUsed = 10,     // restarted, but the adapter presents another address
  NoRandomSource = 11,     // the system's random source cannot be used
  AdapterLeftDisabled = 12,  // the restart disabled the adapter and could not enable it again
  Unreadable = 13,         // /list: some cells could not be read and show "?"
  ScanFailed = 14,         // the adapter scan failed: adapters may be missing
  Unexpected = 15,         // an unforeseen error stopped the command; its description is printed
  SeveralMakers = 16,      // /random /maker: several makers matched; they are printed, nothing is stored
  NoMaker = 17,            // /random /maker: no maker matched; /keep-maker: the adapter's maker is unknown
  SchedulingNotPossible = 18,  // Windows before Vista, or the 32-bit program on 64-bit Windows
  NotSafe = 19,            // the installed copy could not be made, differs, or others can change it or the record
  TaskSchedulerFailed = 20,  // the Task Scheduler could not be reached or refused a task
  AdapterNotStarted = 21,  // /run: the adapter is disabled or not started; nothing changed
  NoNetwork = 22,          // /run /per-network: the adapter's network cannot be told; nothing changed
};

enum class Verb { Help, List, Set, Remove, Random, Restart, Schedule, Unschedule, Run, Uninstall };

struct Command {
  Verb verb = Verb::Help;
  std::wstring adapter;  // class subkey name, as given
  std::wstring address;  // as given; checked by the Windows side with ParseMacArgument
  bool force = false;
  bool json = false;  // /list /json
  std::optional<std::wstring> maker;  // /random /maker TEXT
  bool keepMaker = false;             // /random /keep-maker
  std::optional<std::wstring> at;     // /schedule ID and /run: /at LIST
  bool xml = false;                   // /schedule ID /xml
  bool perNetwork = false;            // /schedule ID and /run: /per-network
  bool daily = false;                 // with /per-network: /daily
};

// /remove all, /unschedule all: every adapter.
inline constexpr wchar_t kAllAdapters[] = L"all";
bool NamesAllAdapters(std::wstring_view adapter);

// What the arguments ask for, or why they ask for nothing.
struct ParsedCommandLine {
  std::optional<Command> command;
  std::wstring problem;  // when there is no command: what was wrong, one sentence for before the usage
};

// The arguments after the program's name. Verbs and switches in any case,
// with "/" or "-"; /force anywhere after the verb, for /set and /random;
// /json after /list; either /maker TEXT or /keep-maker after /random,
// /schedule ID and /run; /at LIST after /schedule ID and /run (which needs
// it); /xml after /schedule ID; /per-network (and with it /daily, and
// /keep-maker but no /maker) after /schedule ID and /run; /schedule alone
// lists. A switch a verb does not take is a mistake, never an ID or an address.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments);

std::wstring UsageText();

// Takes "/lang CODE" ("-lang" too, any case) out of the arguments, wherever
// it stands: the code given, empty when /lang ends them; none without /lang.
std::optional<std::wstring> TakeLanguageSwitch(std::vector<std::wstring>& arguments);

// One line of /list (without its line end) from a row's six cells as the
// window shows them: the yes/no columns as 1 and 0, and any control
// character as "?", so that tabs and line ends only ever separate fields.
std::wstring ListLine(const std::vector<std::wstring>& cells);

// One adapter as /list gives it: the row's six cells, then the connection's
// name, the burned-in address and the active address's maker (AddressMaker's
// text), and for JSON Windows' random hardware address state ("on", "daily",
// "off") and the adapter's schedule (ScheduleJson's text, written as it
// stands); none for a value that could not be read.
using ListedAdapter = std::vector<std::optional<std::wstring>>;

// The cells of ListLine: a value that could not be read as "?".
std::vector<std::wstring> ListCellsShown(const ListedAdapter& adapter);

// /list /json: one JSON array, one object per adapter on a line of its own,
// with English keys; the yes/no columns as booleans, a value that could not
// be read and a maker that cannot be named as null. Pure ASCII: everything
// else is escaped as \uXXXX, so that no code page can change it.
std::wstring ListJson(const std::vector<ListedAdapter>& adapters);

// A JSON string, quotes included, in pure ASCII.
std::wstring JsonString(std::wstring_view text);

// The answer to a write or delete and the log line after it (logStatus 0
// when the line was written).
ExitCode ChangeExitCode(const ChangeOutcome& outcome, unsigned long logStatus);

// The answer to a restart; logStatus as above, for a restart that happened.
ExitCode RestartExitCode(const RestartReport& report, unsigned long logStatus);

// What /list /json says of a per-network schedule's adapter now: the
// network it is on, the address it gets there, and whether Windows gives it
// a random address of its own there instead; none for what is not known.
struct NetworkShown {
  std::optional<std::wstring> network;
  std::optional<std::wstring> address;
  bool byWindows = false;
};

// /list /json's schedule value: {"at":["boot","wake"],"address":"random"};
// for a per-network schedule also "network", "networkAddress" and
// "networkAddressBy" ("quav" or "windows"; null while there is none).
std::wstring ScheduleJson(const Schedule& schedule, const std::optional<NetworkShown>& network = std::nullopt);

}  // namespace quav
