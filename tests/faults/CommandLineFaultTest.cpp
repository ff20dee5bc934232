// The command line under faults, one at a time: each registry call that
// /set, /remove and /list make fails in turn with 2, 5 and 1450. Every case
// must end with an exit code, the registry, the change log and the printed
// text telling one story, and leave no key open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterKeys.h"
#include "change/ChangeLog.h"
#include "cli/ConsoleCommands.h"
#include "platform/RegistryApi.h"
#include "platform/Settings.h"
#include "support/FakeServices.h"
#include "support/FaultInjectingRegistry.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "support/ScratchFolder.h"

namespace quav {
namespace {

constexpr LONG kCodes[] = {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_NO_SYSTEM_RESOURCES};
constexpr wchar_t kAdapter[] = L"0007";
constexpr wchar_t kOld[] = L"00AABBCCDDEE";
constexpr wchar_t kNew[] = L"0212345678AB";

enum class Effect { Set, Remove, List };

struct Outcome {
  ExitCode code = ExitCode::Unexpected;
  std::optional<std::wstring> stored;  // NetworkAddress of the adapter afterwards
  size_t newLogLines = 0;
  std::string printed;  // in the ANSI code page
  std::vector<test::RegCallRecord> calls;
  int keysLeftOpen = 0;
};

std::optional<std::wstring> Stored() {
  const std::wstring text = test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(kAdapter),
                                              std::wstring(kNetworkAddressValue));
  if (text.empty() || text == L"<missing>") return std::nullopt;
  return text;
}

// The standard output goes to a file for the command's run.
class CapturedOutput {
 public:
  CapturedOutput() : path_(folder_.Path() + L"\\out.txt") {
    file_ = ::CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    previous_ = ::GetStdHandle(STD_OUTPUT_HANDLE);
    ::SetStdHandle(STD_OUTPUT_HANDLE, file_);
  }
  ~CapturedOutput() {
    Restore();
    ::DeleteFileW(path_.c_str());
  }
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;
  std::string Text() {
    Restore();
    return test::FileBytes(path_);
  }

 private:
  void Restore() {
    if (file_ == INVALID_HANDLE_VALUE) return;
    ::SetStdHandle(STD_OUTPUT_HANDLE, previous_);
    ::CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
  }
  test::ScratchFolder folder_;
  std::wstring path_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE previous_ = nullptr;
};

// One run on a machine of two adapters (0007 with an override, 0001
// without), the terms accepted; the given call fails with the code.
Outcome Run(const std::vector<std::wstring>& arguments, std::optional<int> failing, LONG code) {
  test::AdapterRegistry adapters;
  adapters.AddAdapter(L"0001", L"Other", L"{BBBBBBBB-0000-0000-0000-000000000002}", L"10.0.0.11");
  adapters.AddAdapter(kAdapter, L"Adapter", L"{AAAAAAAA-0000-0000-0000-000000000001}", L"10.0.0.17");
  adapters.SetNetworkAddress(kAdapter, kOld);
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
  ::DeleteFileW(LogFileBesideProgram().c_str());
  test::FakeDevices devices;
  test::FakeFacts facts;
  Outcome outcome;
  test::FaultInjectingRegistry faults;
  {
    CapturedOutput captured;
    {
      ConsoleOutput out;
      ScopedRegistryApi scope(faults);
      if (failing) faults.FailCall(std::nullopt, *failing, code);
      outcome.code = RunCommandLine(arguments, {devices, facts}, out);
    }
    outcome.printed = captured.Text();
  }
  outcome.calls = faults.Calls();
  outcome.keysLeftOpen = faults.KeysOpened() - faults.KeysClosed();
  outcome.stored = Stored();
  outcome.newLogLines = test::LineCount(test::FileBytes(LogFileBesideProgram()));
  ::DeleteFileW(LogFileBesideProgram().c_str());
  test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
  return outcome;
}

// What must agree after one case; empty when it does. A key or value that
// is "not found" reads as not there, which the listing may then show.
std::vector<std::string> Disagreements(Effect effect, const Outcome& o, LONG code = 0) {
  std::vector<std::string> problems;
  if (o.keysLeftOpen != 0) problems.push_back(std::to_string(o.keysLeftOpen) + " keys left open");
  if (o.code == ExitCode::Unexpected) problems.push_back("an unforeseen error");
  if (o.code != ExitCode::Done && o.printed.empty()) problems.push_back("failed without a word");
  if (effect == Effect::List) {
    if (o.stored != kOld) problems.push_back("/list changed the registry");
    if (o.newLogLines != 0) problems.push_back("/list wrote to the log");
    const bool answered = o.code == ExitCode::Done || o.code == ExitCode::Unreadable ||
                          o.code == ExitCode::ScanFailed || o.code == ExitCode::TermsNotAccepted;
    if (!answered) problems.push_back("/list ended with code " + std::to_string(static_cast<int>(o.code)));
    // The adapter's line shows the override the registry holds, or "?".
    const size_t line = o.printed.find("0007\t");
    if ((o.code == ExitCode::Done || o.code == ExitCode::Unreadable) && code != ERROR_FILE_NOT_FOUND) {
      const size_t third = line == std::string::npos ? line : o.printed.find('\t', o.printed.find('\t', line) + 1);
      const char shown = third == std::string::npos ? '\0' : o.printed[third + 1];
      if (shown != '1' && !(shown == '?' && o.code == ExitCode::Unreadable)) {
        problems.push_back("the listing does not show 0007's override");
      }
    }
    return problems;
  }
  const bool done = effect == Effect::Set ? o.stored == kNew : !o.stored;
  const bool untouched = o.stored == kOld;
  if (!done && !untouched) problems.push_back("the registry holds neither the old nor the new value");
  if (done) {
    if (o.code != ExitCode::Done && o.code != ExitCode::NotLogged) {
      problems.push_back("done, but the exit code is " + std::to_string(static_cast<int>(o.code)));
    }
    if ((o.code == ExitCode::Done) != (o.newLogLines == 1)) problems.push_back("done, but the log does not agree");
    if (o.printed.find("0007") == std::string::npos) problems.push_back("done, but not said");
    if (effect == Effect::Set && o.printed.find("02-12-34-56-78-AB") == std::string::npos) {
      problems.push_back("done, but the address stored is not said");
    }
  } else {
    if (o.code == ExitCode::Done || o.code == ExitCode::NotLogged) problems.push_back("not done, but said done");
    if (o.newLogLines != 0) problems.push_back("not done, but logged");
  }
  return problems;
}

void RunMatrix(const char* name, Effect effect, const std::vector<std::wstring>& arguments) {
  const Outcome clean = Run(arguments, std::nullopt, 0);
  ASSERT_EQ(ExitCode::Done, clean.code) << clean.printed;
  ASSERT_TRUE(Disagreements(effect, clean).empty());
  int cases = 0, disagreements = 0;
  for (size_t n = 0; n < clean.calls.size(); ++n) {
    for (const LONG code : kCodes) {
      ++cases;
      const Outcome o = Run(arguments, static_cast<int>(n + 1), code);
      const std::vector<std::string> problems = Disagreements(effect, o, code);
      if (problems.empty()) continue;
      if (++disagreements <= 30) {
        std::printf("   %s / call %zu %s(%s) fails with %ld (exit %d):\n", name, n + 1,
                    test::RegCallName(clean.calls[n].call), clean.calls[n].detail.c_str(), code,
                    static_cast<int>(o.code));
        for (const std::string& problem : problems) std::printf("      %s\n", problem.c_str());
      }
    }
  }
  std::printf("== Fault matrix, command line %s: %d cases, 0 crashes, 0 hangs, %d disagreements\n", name, cases,
              disagreements);
  std::fflush(stdout);
  EXPECT_GT(cases, 0);
  EXPECT_EQ(0, disagreements) << "see the cases listed above";
}

TEST(FaultMatrix, CommandLineSet) { RunMatrix("/set", Effect::Set, {L"/set", kAdapter, kNew}); }

TEST(FaultMatrix, CommandLineRemove) { RunMatrix("/remove", Effect::Remove, {L"/remove", kAdapter}); }

TEST(FaultMatrix, CommandLineList) { RunMatrix("/list", Effect::List, {L"/list"}); }

}  // namespace
}  // namespace quav
