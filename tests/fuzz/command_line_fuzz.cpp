// The command line's parser from any arguments: a command it accepts names a
// known verb with that verb's number of arguments and only the switches it
// takes, anything else is refused with a reason, and the case of the verb and
// switches and "/" or "-" never change what they mean.
#include <algorithm>
#include <optional>
#include <vector>

#include "FuzzInput.h"
#include "cli/CommandLine.h"

namespace {

struct Expected {
  std::wstring_view name;
  quav::Verb verb;
  size_t arguments;
  bool takesForce;
  bool takesJson;
  bool takesMaker;          // /maker TEXT or /keep-maker
  bool takesAt = false;     // /at LIST, and for /schedule /xml
  bool takesFewer = false;  // the arguments may all be left out
};

constexpr Expected kVerbs[] = {
    {L"?", quav::Verb::Help, 0, false, false, false},        {L"help", quav::Verb::Help, 0, false, false, false},
    {L"list", quav::Verb::List, 0, false, true, false},      {L"set", quav::Verb::Set, 2, true, false, false},
    {L"remove", quav::Verb::Remove, 1, false, false, false}, {L"random", quav::Verb::Random, 1, true, false, true},
    {L"restart", quav::Verb::Restart, 1, false, false, false},
    {L"schedule", quav::Verb::Schedule, 1, false, false, true, true, true},
    {L"unschedule", quav::Verb::Unschedule, 1, false, false, false},
    {L"run", quav::Verb::Run, 1, false, false, true, true},
    {L"uninstall", quav::Verb::Uninstall, 0, false, false, false},
};

// "/name" or "-name" with name in any ASCII case; no other letter folds.
bool IsSwitch(const std::wstring& argument, std::wstring_view name) {
  if (argument.size() != name.size() + 1 || (argument[0] != L'/' && argument[0] != L'-')) return false;
  for (size_t k = 0; k < name.size(); ++k) {
    const wchar_t c = argument[k + 1];
    const wchar_t folded = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c | 0x20) : c;
    if (folded != name[k]) return false;
  }
  return true;
}

bool LooksLikeSwitch(const std::wstring& argument) {
  return argument.size() > 1 && (argument[0] == L'/' || argument[0] == L'-');
}

// The same switch written the other way: each ASCII letter's case flipped
// where the mask says, and "/" and "-" swapped.
std::wstring Respelt(std::wstring argument, uint8_t mask) {
  argument[0] = argument[0] == L'/' ? L'-' : L'/';
  for (size_t k = 1; k < argument.size(); ++k) {
    wchar_t& c = argument[k];
    if (((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z')) && (mask >> (k % 8) & 1)) c ^= 0x20;
  }
  return argument;
}

bool Same(const quav::ParsedCommandLine& a, const quav::ParsedCommandLine& b) {
  if (a.command.has_value() != b.command.has_value()) return false;
  if (!a.command) return true;
  const quav::Command &x = *a.command, &y = *b.command;
  return x.verb == y.verb && x.adapter == y.adapter && x.address == y.address && x.force == y.force &&
         x.json == y.json && x.maker == y.maker && x.keepMaker == y.keepMaker && x.at == y.at && x.xml == y.xml &&
         x.perNetwork == y.perNetwork && x.daily == y.daily;
}

// What the parser must make of the arguments, worked out independently: the
// command, or none; switches holds where the verb's switches stand.
std::optional<quav::Command> Expect(const std::vector<std::wstring>& arguments, std::vector<size_t>& switches) {
  const Expected* verb = nullptr;
  if (!arguments.empty()) {
    for (const Expected& candidate : kVerbs) {
      if (IsSwitch(arguments[0], candidate.name)) verb = &candidate;
    }
  }
  if (!verb) return std::nullopt;
  quav::Command command;
  command.verb = verb->verb;
  std::vector<std::wstring> rest;
  for (size_t k = 1; k < arguments.size(); ++k) {
    const std::wstring& argument = arguments[k];
    const bool maker = IsSwitch(argument, L"maker"), keepMaker = IsSwitch(argument, L"keep-maker");
    if (verb->takesForce && IsSwitch(argument, L"force")) {
      command.force = true;
    } else if (verb->takesJson && IsSwitch(argument, L"json")) {
      command.json = true;
    } else if (verb->takesMaker && (maker || keepMaker)) {
      if (command.maker || command.keepMaker || (maker && k + 1 == arguments.size())) return std::nullopt;
      if (maker) {
        command.maker = arguments[k + 1];
      } else {
        command.keepMaker = true;
      }
      switches.push_back(k);
      k += maker ? 1 : 0;
      continue;
    } else if (verb->takesAt && IsSwitch(argument, L"at")) {
      if (command.at || k + 1 == arguments.size()) return std::nullopt;
      command.at = arguments[k + 1];
      switches.push_back(k++);
      continue;
    } else if (verb->takesAt && verb->takesFewer && IsSwitch(argument, L"xml")) {
      command.xml = true;
    } else if (verb->takesAt && IsSwitch(argument, L"per-network")) {
      command.perNetwork = true;
    } else if (verb->takesAt && IsSwitch(argument, L"daily")) {
      command.daily = true;
    } else if (LooksLikeSwitch(argument) || rest.size() == verb->arguments) {
      return std::nullopt;
    } else {
      rest.push_back(argument);
      continue;
    }
    switches.push_back(k);
  }
  // A network's address takes no other maker; /daily is a network's address's.
  if ((command.perNetwork && command.maker) || (command.daily && !command.perNetwork)) return std::nullopt;
  // /schedule alone lists; a run needs its moment.
  if (rest.size() != verb->arguments && !(verb->takesFewer && arguments.size() == 1)) return std::nullopt;
  if (verb->verb == quav::Verb::Run && !command.at) return std::nullopt;
  command.adapter = rest.empty() ? L"" : rest[0];
  command.address = rest.size() > 1 ? rest[1] : L"";
  return command;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t mask = data[0];
  // The arguments, split at U+FFFF (a character no argument needs).
  std::vector<std::wstring> arguments(1);
  for (wchar_t c : FuzzText(data + 1, size - 1)) {
    if (c == 0xFFFF) {
      arguments.emplace_back();
    } else {
      arguments.back().push_back(c);
    }
  }
  if (mask & 1) arguments.erase(arguments.begin());

  const quav::ParsedCommandLine parsed = quav::ParseCommandLine(arguments);
  std::vector<size_t> switches;
  const std::optional<quav::Command> expected = Expect(arguments, switches);
  FUZZ_CHECK(parsed.command.has_value() == expected.has_value());
  // A refusal says why; an accepted command has nothing to say.
  FUZZ_CHECK(parsed.problem.empty() == expected.has_value());
  if (!expected) return 0;
  FUZZ_CHECK(Same(parsed, {expected, L""}));

  // The verb and its switches respelt: the same command.
  std::vector<std::wstring> respelt = arguments;
  respelt[0] = Respelt(respelt[0], mask);
  for (const size_t k : switches) respelt[k] = Respelt(respelt[k], mask ^ static_cast<uint8_t>(k));
  FUZZ_CHECK(Same(quav::ParseCommandLine(respelt), parsed));
  return 0;
}
