// The command line's parser from any arguments: a command it accepts names a
// known verb with that verb's number of arguments, and the verb's case and
// "/" or "-" never change what it means.
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
};

constexpr Expected kVerbs[] = {
    {L"?", quav::Verb::Help, 0, false},       {L"help", quav::Verb::Help, 0, false},
    {L"list", quav::Verb::List, 0, false},    {L"set", quav::Verb::Set, 2, true},
    {L"remove", quav::Verb::Remove, 1, false}, {L"random", quav::Verb::Random, 1, true},
    {L"restart", quav::Verb::Restart, 1, false},
    {L"schedule", quav::Verb::Schedule, 1, false},   {L"unschedule", quav::Verb::Unschedule, 1, false},
    {L"run", quav::Verb::Run, 1, false},             {L"uninstall", quav::Verb::Uninstall, 0, false},
};

// Switches that take or change what follows them; a command holding one is
// left to the parser's own tests.
constexpr std::wstring_view kOptions[] = {L"json", L"maker", L"keep-maker", L"at", L"xml"};

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

bool Same(const std::optional<quav::Command>& a, const std::optional<quav::Command>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->verb == b->verb && a->adapter == b->adapter && a->address == b->address && a->force == b->force);
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

  const std::optional<quav::Command> parsed = quav::ParseCommandLine(arguments);

  // What the parser must make of them, worked out independently.
  const Expected* verb = nullptr;
  if (!arguments.empty()) {
    for (const Expected& candidate : kVerbs) {
      if (IsSwitch(arguments[0], candidate.name)) verb = &candidate;
    }
  }
  if (verb) {
    for (size_t k = 1; k < arguments.size(); ++k) {
      for (const std::wstring_view option : kOptions) {
        if (IsSwitch(arguments[k], option)) return 0;
      }
    }
    // A run needs its moment; /schedule alone lists.
    if (verb->verb == quav::Verb::Run) return 0;
    if (verb->verb == quav::Verb::Schedule && arguments.size() == 1) {
      FUZZ_CHECK(parsed && parsed->verb == quav::Verb::Schedule && parsed->adapter.empty());
      return 0;
    }
  }
  std::vector<std::wstring> rest;
  bool force = false;
  if (verb) {
    for (size_t k = 1; k < arguments.size(); ++k) {
      if (verb->takesForce && IsSwitch(arguments[k], L"force")) {
        force = true;
      } else {
        rest.push_back(arguments[k]);
      }
    }
  }
  if (!verb || rest.size() != verb->arguments) {
    FUZZ_CHECK(!parsed);
    return 0;
  }
  FUZZ_CHECK(parsed);
  FUZZ_CHECK(parsed->verb == verb->verb);
  FUZZ_CHECK(parsed->force == force);
  FUZZ_CHECK(parsed->adapter == (rest.empty() ? L"" : rest[0]));
  FUZZ_CHECK(parsed->address == (rest.size() > 1 ? rest[1] : L""));

  // The verb and any /force respelt: the same command.
  std::vector<std::wstring> respelt = arguments;
  respelt[0] = Respelt(respelt[0], mask);
  for (size_t k = 1; k < respelt.size(); ++k) {
    if (verb->takesForce && IsSwitch(respelt[k], L"force")) respelt[k] = Respelt(respelt[k], mask ^ static_cast<uint8_t>(k));
  }
  FUZZ_CHECK(Same(quav::ParseCommandLine(respelt), parsed));
  return 0;
}
