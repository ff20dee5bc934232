#include "cli/ConsoleCommands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "change/ChangeLog.h"
#include "support/FakeServices.h"
#include "support/FaultInjectingRegistry.h"
#include "support/Files.h"
#include "support/RegistryFixture.h"
#include "platform/AnsiText.h"
#include "platform/Settings.h"
#include "platform/Texts.h"

namespace quav {
namespace {

int windowsCreated = 0;

LRESULT CALLBACK CountCreations(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) ++windowsCreated;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Counts the windows this thread creates for the scope.
class CreationCount {
 public:
  CreationCount() : hook_(::SetWindowsHookExW(WH_CBT, CountCreations, nullptr, ::GetCurrentThreadId())) {
    windowsCreated = 0;
  }
  ~CreationCount() { ::UnhookWindowsHookEx(hook_); }
  CreationCount(const CreationCount&) = delete;
  CreationCount& operator=(const CreationCount&) = delete;
  bool Counting() const { return hook_ != nullptr; }

 private:
  HHOOK hook_;
};

// The command line in process, on adapter 0007 of the registry pass, with the
// terms accepted and the devices and interface table stood in for. Its log
// goes beside the test program, and is removed before and after.
class ConsoleCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    language = CurrentLanguage();
    adapters.AddAdapter(L"0007", L"Intel(R) PRO/1000 MT", L"{AAAAAAAA-0000-0000-0000-000000000001}", L"10.0.0.7");
    test::SetText(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, L"1");
    ::DeleteFileW(LogFileBesideProgram().c_str());
  }
  void TearDown() override {
    test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV");
    ::DeleteFileW(LogFileBesideProgram().c_str());
    SetLanguage(language);  // /lang sets it for the process
  }
  ExitCode Run(const std::vector<std::wstring>& arguments) { return RunCommandLine(arguments, {devices, facts, random}, out); }
  // Runs the command with the standard output in a file, and gives what was
  // written there.
  std::string RunPrinting(const std::vector<std::wstring>& arguments, ExitCode& code) {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"quav-console-test.txt";
    const HANDLE saved = ::GetStdHandle(STD_OUTPUT_HANDLE);
    {
      UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr));
      EXPECT_TRUE(file);
      ::SetStdHandle(STD_OUTPUT_HANDLE, file.get());
      ConsoleOutput printed;
      code = RunCommandLine(arguments, {devices, facts, random}, printed);
      ::SetStdHandle(STD_OUTPUT_HANDLE, saved);
    }
    const std::string bytes = test::FileBytes(path);
    ::DeleteFileW(path.c_str());
    return bytes;
  }

  test::AdapterRegistry adapters;
  test::FakeDevices devices;
  test::FakeFacts facts;
  test::FakeRandom random;
  ConsoleOutput out;
  Language language = Language::Chinese;
};

// Wine without a display can make no window at all: the listing needs none.
TEST_F(ConsoleCommands, ListMakesNoWindow) {
  ExitCode code = ExitCode::Usage;
  {
    const CreationCount count;
    ASSERT_TRUE(count.Counting());
    code = Run({L"/list"});
  }
  EXPECT_EQ(ExitCode::Done, code);
  EXPECT_EQ(0, windowsCreated);
}

TEST_F(ConsoleCommands, ARestartThatLeavesTheAdapterDisabledHasItsCodeAndIsLogged) {
  devices.result = {RestartStatus::LeftDisabled, 31};
  EXPECT_EQ(ExitCode::AdapterLeftDisabled, Run({L"/restart", L"0007"}));
  EXPECT_EQ(std::vector<std::wstring>{L"0007"}, devices.restarted);
  const std::string log = test::FileBytes(LogFileBesideProgram());
  EXPECT_EQ(1u, test::LineCount(log));
  EXPECT_NE(std::string::npos, log.find(" 31)]")) << log;
}

// What a row may set up before its command runs.
struct Stage {
  test::AdapterRegistry& adapters;
  test::FakeDevices& devices;
  test::FakeFacts& facts;
  test::FakeRandom& random;
  test::FaultInjectingRegistry& registry;
};

// A verb run to its end: the exit code, the stored address, the log and the
// printed text agreeing. piece is ASCII, so it reads the same in any code
// page; it is looked for in the printed text and, when a line is logged, in
// the log.
struct VerbOutcome {
  const char* name;
  void (*arrange)(Stage&);
  std::vector<std::wstring> arguments;
  ExitCode code;
  const wchar_t* stored;  // NetworkAddress afterwards; null when there is none
  size_t logLines;
  const char* piece;
};

void PrintTo(const VerbOutcome& row, std::ostream* os) { *os << row.name; }

class VerbOutcomes : public ConsoleCommands, public ::testing::WithParamInterface<VerbOutcome> {
 protected:
  test::FaultInjectingRegistry registry;
};

TEST_P(VerbOutcomes, CodeRegistryLogAndTextAgree) {
  const VerbOutcome& row = GetParam();
  Stage stage{adapters, devices, facts, random, registry};
  if (row.arrange) row.arrange(stage);
  ExitCode code = ExitCode::Usage;
  std::string printed;
  {
    const ScopedRegistryApi scope(registry);
    printed = RunPrinting(row.arguments, code);
  }
  EXPECT_EQ(static_cast<int>(row.code), static_cast<int>(code)) << printed;
  EXPECT_EQ(row.stored ? row.stored : L"<missing>",
            test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"), L"NetworkAddress"));
  const std::string log = test::FileBytes(LogFileBesideProgram());
  EXPECT_EQ(row.logLines, test::LineCount(log)) << log;
  EXPECT_NE(std::string::npos, printed.find(row.piece)) << printed;
  if (row.logLines > 0) {
    EXPECT_NE(std::string::npos, log.find(row.piece)) << log;
  }
}

void Overridden(Stage& stage) { stage.adapters.SetNetworkAddress(L"0007", L"021122334455"); }

// What a run without a random source prints, as it reaches the file.
const std::string kNoRandomText = ToAnsi(Say(TextId::CliNoRandom));

const VerbOutcome kVerbOutcomes[] = {
    {"SetRefusedByTheRegistry", [](Stage& s) { s.registry.FailCall(test::RegCall::SetValueEx, 1, 1450); },
     {L"/set", L"0007", L"02-11-22-33-44-55"}, ExitCode::RegistryFailure, nullptr, 0, " 1450)"},
    {"RemoveRefusedByTheRegistry",
     [](Stage& s) {
       Overridden(s);
       s.registry.FailCall(test::RegCall::DeleteValue, 1, 1450);
     },
     {L"/remove", L"0007"}, ExitCode::RegistryFailure, L"021122334455", 0, " 1450)"},
    {"RestartTakesTheNewAddress",
     [](Stage& s) {
       Overridden(s);
       s.facts.active[L"0007"] = L"02-11-22-33-44-55";
     },
     {L"/restart", L"0007"}, ExitCode::Done, L"021122334455", 1, "02-11-22-33-44-55"},
    {"RestartKeepsAnotherAddress",
     [](Stage& s) {
       Overridden(s);
       s.facts.active[L"0007"] = L"00-0C-29-00-00-07";
     },
     {L"/restart", L"0007"}, ExitCode::AddressNotUsed, L"021122334455", 1, "00-0C-29-00-00-07"},
    {"RandomWritesTheSourcesBytes", nullptr, {L"/RANDOM", L"0007", L"-force"}, ExitCode::Done, L"021122334455", 1,
     "02-11-22-33-44-55"},
    {"RandomWithoutASource", [](Stage& s) { s.random.works = false; }, {L"/random", L"0007"},
     ExitCode::NoRandomSource, nullptr, 0, kNoRandomText.c_str()},
    // Xensource and Realtek hold one prefix each; "parallels" matches Parallels and Alpha Data Parallel Systems.
    {"RandomOfAMakerByNamePart", nullptr, {L"/random", L"0007", L"/maker", L"xen SOURCE"}, ExitCode::Done,
     L"00163E334455", 1, "00-16-3E-33-44-55"},
    // A prefix typed is the prefix asked for, not any of its maker's.
    {"RandomOfAPrefixKeepsIt", nullptr, {L"/random", L"0007", L"/maker", L"00-1B-21"}, ExitCode::Done,
     L"001B21334455", 1, "00-1B-21-33-44-55"},
    {"RandomOfAMakerOnAWirelessAdapterIsRefused", [](Stage& s) { s.facts.wireless[L"0007"] = true; },
     {L"/random", L"0007", L"/maker", L"00163e"}, ExitCode::Refused, nullptr, 0, "/force"},
    {"SeveralMakersStoreNothing", nullptr, {L"/random", L"0007", L"/maker", L"parallels"}, ExitCode::SeveralMakers,
     nullptr, 0, "00-1C-42  Parallels, Inc."},
    {"NoMakerStoresNothing", nullptr, {L"/random", L"0007", L"/maker", L"no such maker"}, ExitCode::NoMaker, nullptr,
     0, "\"no such maker\""},
    {"KeepTheBurnedInAddresssMaker", [](Stage& s) { s.facts.permanent[L"0007"] = L"00-E0-4C-01-02-03"; },
     {L"/random", L"0007", L"/keep-maker"}, ExitCode::Done, L"00E04C334455", 1, "00-E0-4C-33-44-55"},
    {"KeepAnUnknownMakerStoresNothing", [](Stage& s) { s.facts.permanent[L"0007"] = L"02-E0-4C-01-02-03"; },
     {L"/random", L"0007", L"/keep-maker"}, ExitCode::NoMaker, nullptr, 0, "02-E0-4C-01-02-03"},
    {"RemoveWithNothingStoredChangesAndLogsNothing", nullptr, {L"/remove", L"0007"}, ExitCode::Done, nullptr, 0,
     "0007"},
    {"UnknownVerbIsNamedBeforeTheUsage", nullptr, {L"/bogus", L"0007"}, ExitCode::Usage, nullptr, 0, "\"/bogus\""},
    {"UnreadAdaptersListedInTheLanguageAsked",
     [](Stage& s) {
       s.adapters.AddAdapter(L"0008", L"Spare", L"{BBBBBBBB-0000-0000-0000-000000000002}", L"10.0.0.8");
       for (const char* id : {"0007", "0008"}) s.registry.FailEvery(test::RegCall::OpenKeyEx, id, ERROR_ACCESS_DENIED);
     },
     {L"/list", L"/lang", L"en"}, ExitCode::Unreadable, nullptr, 0, "network adapter 0007, 0008;"},
    {"ListJsonSaysWindowsRandomAddressesAreOn", [](Stage& s) { s.facts.random[L"0007"] = WindowsRandomAddress::On; },
     {L"/list", L"/json"}, ExitCode::Done, nullptr, 0, "\"windowsRandomAddress\":\"on\","},
    {"ListJsonSaysWindowsRandomAddressesChangeDaily",
     [](Stage& s) { s.facts.random[L"0007"] = WindowsRandomAddress::Daily; }, {L"/list", L"/json"}, ExitCode::Done,
     nullptr, 0, "\"windowsRandomAddress\":\"daily\","},
    {"SetWhileWindowsRandomAddressesAreOnIsRefused",
     [](Stage& s) {
       s.facts.wireless[L"0007"] = true;
       s.facts.random[L"0007"] = WindowsRandomAddress::On;
     },
     {L"/set", L"0007", L"02-11-22-33-44-55"}, ExitCode::Refused, nullptr, 0, "Windows"},
    {"SetWhileWindowsRandomAddressesChangeDailyIsRefused",
     [](Stage& s) {
       s.facts.wireless[L"0007"] = true;
       s.facts.random[L"0007"] = WindowsRandomAddress::Daily;
     },
     {L"/set", L"0007", L"02-11-22-33-44-55"}, ExitCode::Refused, nullptr, 0, "Windows"},
    {"ThrownInsideAVerb",
     [](Stage& s) { s.devices.onRestart = [](const std::wstring&) { throw std::runtime_error("stand-in fault"); }; },
     {L"/restart", L"0007"}, ExitCode::Unexpected, nullptr, 0,
     "An error occurred in procedure RunCommandLine. stand-in fault"},
};

INSTANTIATE_TEST_SUITE_P(Rows, VerbOutcomes, ::testing::ValuesIn(kVerbOutcomes),
                         [](const ::testing::TestParamInfo<VerbOutcome>& info) { return std::string(info.param.name); });

// A script cannot answer the window's question: it is told what is wrong
// with the address and how to write it all the same, in either language.
TEST_F(ConsoleCommands, ARefusalStatesTheWarningAndTheWayOnWithoutAQuestion) {
  for (const Language language : {Language::English, Language::Chinese}) {
    ExitCode code = ExitCode::Done;
    const std::wstring printed =
        FromAnsi(RunPrinting({L"/set", L"0007", L"FF-FF-FF-FF-FF-FF", L"/lang", LanguageCode(language)}, code));
    EXPECT_EQ(ExitCode::Refused, code);
    EXPECT_NE(std::wstring::npos, printed.find(SayIn(language, TextId::WarnBroadcast))) << printed;
    EXPECT_NE(std::wstring::npos, printed.find(SayIn(language, TextId::CliNotWritten))) << printed;
    std::wstring question = SayIn(language, TextId::WarningQuestion);
    question.erase(0, question.find_first_not_of(L"\r\n"));
    EXPECT_EQ(std::wstring::npos, printed.find(question)) << printed;
  }
}

}  // namespace
}  // namespace quav
