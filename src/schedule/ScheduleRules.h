#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Texts.h"

// What an unattended change is made of, without any system call: the moments
// that start it, the kind of address it draws, the name and arguments of its
// task, and whether a run changes anything.
namespace quav {

// The moments Windows starts a scheduled run at.
enum class Moment : unsigned char { Boot, Logon, Wake, Connect };

inline constexpr Moment kMoments[] = {Moment::Boot, Moment::Logon, Moment::Wake, Moment::Connect};

// "boot", "logon", "wake", "connect": the word of /at and of the task's name.
std::wstring_view MomentKeyword(Moment moment);
std::optional<Moment> MomentFromKeyword(std::wstring_view keyword);

// A comma-separated list of moments (any case, blanks around the words
// allowed, each at most once), in the order of kMoments; none for an empty
// list or an unknown word.
std::optional<std::vector<Moment>> ParseMoments(std::wstring_view list);
// The list as ParseMoments reads it: "boot,wake".
std::wstring MomentList(const std::vector<Moment>& moments);

// Where a run's address comes from. A new kind is a new value here and a
// row in ScheduleRules.cpp's table: its keyword, its arguments, its words.
enum class AddressSource : unsigned char {
  Random,     // a random locally administered address, as /random draws it
  Maker,      // a random address of one maker, named by one of its prefixes
  KeepMaker,  // a random address of the maker of the adapter's own address
  PerNetwork, // the address of the network the adapter is on, derived from a secret key
};

struct AddressKind {
  AddressSource source = AddressSource::Random;
  std::wstring maker;  // Maker: the prefix typed (00-1B-21, that prefix alone) or the maker's whole name
  bool daily = false;      // PerNetwork: another address each day
  bool keepMaker = false;  // PerNetwork: the adapter's own maker's prefix and three derived bytes

  friend bool operator==(const AddressKind&, const AddressKind&) = default;
};

// /schedule without /at: at each start of Windows and each wake from sleep,
// and for the address of the network at each connection too.
std::vector<Moment> DefaultMoments(AddressSource source = AddressSource::Random);

// The kind as the schedule's record and /list /json write it: "random",
// "keep-maker", "maker 00-1B-21", "maker Intel Corporate", "per-network daily
// keep-maker"; and back (none for anything else).
std::wstring AddressKindKeyword(const AddressKind& kind);
std::optional<AddressKind> AddressKindFromKeyword(std::wstring_view keyword);
// The arguments that ask a run for the kind: none, /keep-maker, /maker TEXT,
// /per-network [/daily] [/keep-maker].
std::vector<std::wstring> AddressKindArguments(const AddressKind& kind);
// What a person reads for the kind, in the language spoken.
std::wstring AddressKindText(const AddressKind& kind);

// One adapter's schedule: its ID (class subkey), its moments, its kind of address.
struct Schedule {
  std::wstring adapter;
  std::vector<Moment> moments;
  AddressKind address;
};

// An adapter ID that may name a task and a registry key: 1 to 8 digits, as
// the network class key's subkeys are named (0007).
bool IsScheduleId(std::wstring_view adapter);

// The Task Scheduler folder of the program's tasks, and one task per adapter
// and moment in it: "Adapter 0007 at boot". A run learns its moment from the
// task's fixed arguments.
inline constexpr wchar_t kTaskFolder[] = L"\\QUAV";
std::wstring TaskName(std::wstring_view adapter, Moment moment);
std::wstring TaskPath(std::wstring_view adapter, Moment moment);

// An argument as a command line holds it, for CommandLineToArgvW to read
// back as it was: quoted when it holds blanks or quotes, or is empty.
std::wstring QuotedArgument(std::wstring_view argument);

// The verb a task starts the program with: "/run 0007 /at boot [kind] /lang zh".
inline constexpr wchar_t kRunVerb[] = L"run";
std::wstring RunArguments(const Schedule& schedule, Moment moment, Language language);

// A moment in the words of the log and the window, and its text's name.
std::wstring MomentText(Moment moment);
TextId MomentTextId(Moment moment);

// The change a schedule made last: the address it stored and when, in
// seconds of the system's clock (FILETIME / 10^7).
struct OwnChange {
  std::wstring address;  // display form, 02-AB-03-CD-04-EF
  uint64_t seconds = 0;
};

// How long after its own change a run at connect takes a connection for the
// one its restart made: a restart, DHCP and Windows' naming of the network
// take well under a minute.
inline constexpr uint64_t kOwnChangeSeconds = 180;

enum class RunDecision { Change, SkipOwnChange };

// Whether a run of a random kind goes ahead (a run for the network's address
// goes ahead unless the adapter presents it). The restart a run makes connects the adapter
// again, which starts the connect task: that run finds the adapter
// presenting the address its schedule stored moments ago and does nothing,
// so a schedule at connect never loops. presented is the address the
// adapter presents now (display form, empty when unknown).
RunDecision DecideRun(Moment moment, const std::optional<OwnChange>& last, uint64_t nowSeconds,
                      std::wstring_view presented);

}  // namespace quav
