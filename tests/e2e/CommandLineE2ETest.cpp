// The program started with arguments, as a script starts it: output through
// a pipe, the exit code, the registry and the log afterwards.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "adapters/AdapterKeys.h"
#include "adapters/AddressMaker.h"
#include "change/LogLine.h"
#include "change/NewAddressRules.h"
#include "cli/CommandLine.h"
#include "e2e/E2EFixture.h"
#include "platform/AnsiText.h"
#include "platform/SystemFacts.h"
#include "support/Files.h"
#include "platform/Settings.h"

namespace quav::e2e {
namespace {

using namespace frmMainControls;

constexpr wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";

DWORD Code(ExitCode code) { return static_cast<DWORD>(code); }

std::vector<std::wstring> SplitCrLf(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(text.size(), start) << "every line ends in CR LF";
  return lines;
}

// The objects of /list /json, after checking that the output is one JSON
// array of flat objects, one a line, in ASCII, as a strict parser reads it.
std::vector<std::wstring> JsonObjects(const ConsoleRun& run) {
  EXPECT_TRUE(std::all_of(run.output.begin(), run.output.end(), [](char c) { return c > 0 && c < 0x7F; }))
      << run.output;
  const std::wstring value = LR"((null|true|false|"([ !#-\[\]-~]|\\["\\/bfnrt]|\\u[0-9a-fA-F]{4})*"))";
  const std::wstring member = LR"("[A-Za-z]+":)" + value;
  const std::wregex object(L"\\{" + member + L"(," + member + L")*\\}");
  std::vector<std::wstring> lines = SplitCrLf(FromAnsi(run.output));
  if (lines == std::vector<std::wstring>{L"[]"}) return {};
  EXPECT_LE(2u, lines.size()) << run.output;
  if (lines.size() < 2) return {};
  EXPECT_EQ(L"[", lines.front());
  EXPECT_EQ(L"]", lines.back());
  std::vector<std::wstring> objects(lines.begin() + 1, lines.end() - 1);
  for (size_t k = 0; k < objects.size(); ++k) {
    if (k + 1 < objects.size()) {
      EXPECT_TRUE(objects[k].ends_with(L',')) << objects[k];
      if (objects[k].ends_with(L',')) objects[k].pop_back();
    }
    EXPECT_TRUE(std::regex_match(objects[k], object)) << objects[k];
  }
  return objects;
}

// The fields of a line the program wrote, its time taken from the line itself.
LogLineFields FieldsOf(const std::wstring& line, const std::wstring& adapter) {
  return {line.substr(0, line.find(L" [")), GetCurrentComputerName(), adapter, GetCurrentUserName()};
}

// Two adapters: 0004 with this machine's address (so ARP gives its hardware
// address), 0007 without one and so without an active address.
class CommandLine : public E2E {
 protected:
  void SetUp() override {
    E2E::SetUp();
    own = test::FirstOwnInterface();
    ASSERT_TRUE(own);
    adapters.AddAdapter(L"0004", L"Intel(R) PRO/1000 MT", kGuidA, own->address);
    adapters.AddAdapter(L"0007", L"Spare\tadapter", kGuidB, L"0.0.0.0");
  }
  ConsoleRun Run(const std::wstring& arguments) {
    if (!app) {
      app = std::make_unique<QuavApp>(TestName());
      SwitchWmi(false);  // the registry pass, as Launch() has it
    }
    return app->Run(arguments);
  }
  static std::wstring Text(const ConsoleRun& run) { return FromAnsi(run.output); }
  // The output with the program's CR LF line ends as the texts have them.
  static std::wstring TextWithLf(const ConsoleRun& run) {
    std::wstring text;
    for (const std::wstring& line : SplitCrLf(Text(run))) text += line + L"\n";
    return text;
  }
  static std::wstring Stored(const std::wstring& adapter) {
    return test::StoredString(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(adapter),
                              std::wstring(kNetworkAddressValue));
  }
  std::vector<std::wstring> LogLines() const { return SplitCrLf(FromAnsi(test::FileBytes(app->LogPath()))); }
  bool LogExists() const { return std::filesystem::exists(std::filesystem::path(app->LogPath())); }

  std::optional<test::OwnInterface> own;
};

// The window's rows, then the connection's name, the burned-in address (Wine
// has no driver to tell it) and the active address's maker; the window's row
// tip shows the connection's name too.
TEST_F(CommandLine, ListPrintsTheWindowsRowsOfAllAdapters) {
  adapters.SetNetworkAddress(L"0007", L"020000000007");
  adapters.SetConnectionName(kGuidA, L"本地连接 2");
  QuavApp& window = Launch();
  window.Click(chkFilterActive);
  ASSERT_FALSE(window.Checked(chkFilterActive));
  const std::vector<std::vector<std::wstring>> rows = window.Rows();
  ASSERT_EQ(2u, rows.size());
  const HWND tip = window.RowTip(2);
  ASSERT_TRUE(tip);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(tip).find(L"连接名称：本地连接 2") != std::wstring::npos; }))
      << WindowText(tip);
  EXPECT_NE(std::wstring::npos, WindowText(tip).find(L"出厂地址：无法读取")) << WindowText(tip);
  window.Screenshot(window.Main(), L"row-tip");
  // Sorted by ID, the second row holds the other adapter, and so does its tip.
  window.ClickHeader(0);
  ASSERT_EQ(L"0007", window.Rows()[1][0]);
  const HWND sortedTip = window.RowTip(2);
  ASSERT_TRUE(sortedTip);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(sortedTip).find(L"连接名称：无") != std::wstring::npos; }))
      << WindowText(sortedTip);
  window.Kill();

  const ConsoleRun run = Run(L"/list");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode);
  const std::wstring appended[] = {L"\t\t?\t", L"\t本地连接 2\t?\t" + AddressMaker(own->hardwareAddress)};
  std::wstring expected;
  for (size_t i = 0; i < rows.size(); ++i) expected += ListLine(rows[i]) + appended[i] + L"\r\n";
  EXPECT_EQ(expected, Text(run));
  EXPECT_EQ((std::vector<std::wstring>{L"0007\t0\t1\tSpare?adapter\t\t" + appended[0],
                                       L"0004\t1\t0\tIntel(R) PRO/1000 MT\t" + own->address + L"\t" +
                                           own->hardwareAddress + appended[1]}),
            SplitCrLf(Text(run)));

  // The same rows for a script, the names escaped; Wine's driver tells no
  // burned-in address, and 0007 has no active address to name a maker by.
  const ConsoleRun json = Run(L"-list -JSON");
  EXPECT_EQ(Code(ExitCode::Done), json.exitCode);
  const std::vector<std::wstring> objects = JsonObjects(json);
  ASSERT_EQ(2u, objects.size()) << json.output;
  EXPECT_EQ(L"{\"id\":\"0007\",\"ipEnabled\":false,\"override\":true,\"description\":\"Spare\\u0009adapter\","
            L"\"ipAddress\":\"\",\"activeAddress\":\"\",\"connectionName\":\"\",\"burnedInAddress\":null,"
            L"\"maker\":null,\"windowsRandomAddress\":null,\"schedule\":null}",
            objects[0]);
  EXPECT_EQ(0u, objects[1].find(L"{\"id\":\"0004\",\"ipEnabled\":true,\"override\":false,")) << objects[1];
  EXPECT_NE(std::wstring::npos,
            objects[1].find(L"\"connectionName\":\"\\u672c\\u5730\\u8fde\\u63a5 2\",\"burnedInAddress\":null,"))
      << objects[1];
  EXPECT_FALSE(LogExists());
}

// A class key the registry layer cannot open: what came from it shows "?",
// never a guess, and the exit code says so.
TEST_F(CommandLine, ListMarksWhatItCouldNotRead) {
  adapters.SetNetworkAddress(L"0007", L"020000000007");
  ConsoleRun run;
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"));
    run = Run(L"/list");
  }
  EXPECT_EQ(Code(ExitCode::Unreadable), run.exitCode) << Text(run);
  const std::vector<std::wstring> lines = SplitCrLf(Text(run));
  ASSERT_EQ(3u, lines.size()) << Text(run);
  EXPECT_EQ(L"0004\t1\t0\tIntel(R) PRO/1000 MT\t" + own->address + L"\t" + own->hardwareAddress + L"\t\t?\t" +
                AddressMaker(own->hardwareAddress),
            lines[0]);
  EXPECT_EQ(L"0007\t?\t?\t?\t?\t?\t?\t?\t?", lines[1]);
  EXPECT_EQ(0u, lines[2].find(L"无法读取网络适配器 0007 ")) << lines[2];
  EXPECT_NE(std::wstring::npos, lines[2].find(L"(错误 5)")) << lines[2];
  // For a script the same as nulls, and no sentence around the array.
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"));
    run = Run(L"/list /json");
  }
  EXPECT_EQ(Code(ExitCode::Unreadable), run.exitCode) << run.output;
  const std::vector<std::wstring> objects = JsonObjects(run);
  ASSERT_EQ(2u, objects.size()) << run.output;
  EXPECT_EQ(0u, objects[0].find(L"{\"id\":\"0004\",\"ipEnabled\":true,")) << objects[0];
  EXPECT_EQ(L"{\"id\":\"0007\",\"ipEnabled\":null,\"override\":null,\"description\":null,\"ipAddress\":null,"
            L"\"activeAddress\":null,\"connectionName\":null,\"burnedInAddress\":null,\"maker\":null,"
            L"\"windowsRandomAddress\":null,\"schedule\":null}",
            objects[1]);

  // Without the class key there is no list to give: a failure, not an empty list.
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, std::wstring(kNetworkClassKey.substr(0, kNetworkClassKey.size() - 1)));
    run = Run(L"/list");
  }
  EXPECT_EQ(Code(ExitCode::ScanFailed), run.exitCode) << Text(run);
  EXPECT_NE(std::wstring::npos, Text(run).find(L"(错误 5)")) << Text(run);
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, std::wstring(kNetworkClassKey.substr(0, kNetworkClassKey.size() - 1)));
    run = Run(L"/list /json");
  }
  EXPECT_EQ(Code(ExitCode::ScanFailed), run.exitCode) << run.output;
  EXPECT_EQ("[]\r\n", run.output) << "an array still, the error in the exit code alone";
}

TEST_F(CommandLine, ChangesAreStoredAndLoggedAsTheWindowDoesThem) {
  ConsoleRun run = Run(L"/set 0004 02:00:4c:4f:4f:50");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << Text(run);
  EXPECT_NE(std::wstring::npos, Text(run).find(L"02-00-4C-4F-4F-50"));
  EXPECT_EQ(L"02004C4F4F50", Stored(L"0004"));

  // A group address only with /force, wherever it stands.
  run = Run(L"-SET 0007 01-00-5E-00-00-01");
  EXPECT_EQ(Code(ExitCode::Refused), run.exitCode);
  EXPECT_NE(std::wstring::npos, Text(run).find(L"/force"));
  EXPECT_EQ(L"<missing>", Stored(L"0007"));
  run = Run(L"/set /Force 0007 01005E000001");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << Text(run);
  EXPECT_EQ(L"01005E000001", Stored(L"0007"));

  // A run in English on this Chinese Windows logs in the log's one language.
  run = Run(L"/remove 0004 /lang en");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << Text(run);
  EXPECT_EQ(L"<missing>", Stored(L"0004"));

  run = Run(L"/random 0004");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << Text(run);
  const std::optional<MacBytes> random = ParseMacArgument(Stored(L"0004"));
  ASSERT_TRUE(random);
  EXPECT_TRUE(IsLocallyAdministered(*random));
  EXPECT_FALSE(IsGroupAddress(*random));

  const std::vector<std::wstring> lines = LogLines();
  ASSERT_EQ(4u, lines.size());
  EXPECT_EQ(AddressChangeLine(FieldsOf(lines[0], L"0004"), own->hardwareAddress, L"02-00-4C-4F-4F-50"), lines[0]);
  EXPECT_EQ(AddressChangeLine(FieldsOf(lines[1], L"0007"), L"", L"01-00-5E-00-00-01"), lines[1])
      << "no active address: the line without a from address";
  EXPECT_EQ(AddressRemovalLine(FieldsOf(lines[2], L"0004")), lines[2]);
  EXPECT_EQ(AddressChangeLine(FieldsOf(lines[3], L"0004"), own->hardwareAddress, MacDisplay(*random)), lines[3]);
}

TEST_F(CommandLine, MistakesAndRefusalsChangeNothing) {
  const test::RegistrySnapshot seeded = test::AdapterRegistry::Snapshot();
  struct Case {
    const wchar_t* arguments;
    ExitCode code;
  };
  for (const Case& mistake : {
           Case{L"/bogus", ExitCode::Usage},
           Case{L"/set 0004", ExitCode::Usage},
           Case{L"/remove 0004 /force", ExitCode::Usage},
           Case{L"/set 0099 02-00-00-00-00-01", ExitCode::NoSuchAdapter},
           Case{L"/remove 0099", ExitCode::NoSuchAdapter},
           Case{L"/random 0099", ExitCode::NoSuchAdapter},
           Case{L"/restart 0099", ExitCode::NoSuchAdapter},
           Case{L"/set 0004 02-00-00:00-00-01", ExitCode::MalformedAddress},
           Case{L"/set 0004 0200", ExitCode::MalformedAddress},
           Case{L"/set 0004 FF-FF-FF-FF-FF-FF", ExitCode::Refused},
           // Wine has no network devices to restart.
           Case{L"/restart 0004", ExitCode::RestartNotPossible},
       }) {
    const ConsoleRun run = Run(mistake.arguments);
    EXPECT_EQ(Code(mistake.code), run.exitCode) << mistake.arguments << "\n" << run.output;
    EXPECT_FALSE(run.output.empty()) << mistake.arguments;
    if (mistake.code == ExitCode::Usage) {
      // What was wrong, in a line of its own, then the usage.
      const std::wstring text = TextWithLf(run);
      EXPECT_TRUE(text.ends_with(L"\n" + UsageText())) << mistake.arguments;
      EXPECT_NE(0u, text.find(L'\n')) << mistake.arguments;
    }
  }
  // The 32-bit program runs under Wine's WoW64 here, as on 64-bit Windows,
  // where only the 64-bit program can restart a device.
  if constexpr (sizeof(void*) == 4) {
    const std::wstring restart = Text(Run(L"/restart 0004"));
    EXPECT_EQ(0u, restart.find(L"无法重启网络适配器 0004")) << restart;
    EXPECT_NE(std::wstring::npos, restart.find(L"64 位的 quav.exe")) << restart;
  }
  const ConsoleRun help = Run(L"/?");
  EXPECT_EQ(Code(ExitCode::Done), help.exitCode);
  EXPECT_EQ(UsageText(), TextWithLf(help));

  EXPECT_EQ(std::vector<std::wstring>{}, test::ChangedEntries(seeded, test::AdapterRegistry::Snapshot()));
  EXPECT_FALSE(LogExists());
}

// One maker matched: its prefix and a random rest, logged as any change;
// several: listed, and nothing stored or logged.
TEST_F(CommandLine, RandomOfAMakerStoresOnlyWhenOneMatches) {
  ConsoleRun run = Run(L"/random 0007 /maker parallels");
  EXPECT_EQ(Code(ExitCode::SeveralMakers), run.exitCode) << Text(run);
  EXPECT_NE(std::wstring::npos, Text(run).find(L"00-1C-42  Parallels, Inc.")) << Text(run);
  EXPECT_EQ(L"<missing>", Stored(L"0007"));
  EXPECT_FALSE(LogExists());

  run = Run(L"/random 0007 /maker \"Intel Corporate\"");
  EXPECT_EQ(Code(ExitCode::Done), run.exitCode) << Text(run);
  EXPECT_EQ(L"Intel Corporate", AddressMaker(Stored(L"0007")));
  EXPECT_EQ(1u, LogLines().size());
}

TEST_F(CommandLine, NothingRunsBeforeTheTermsAreAccepted) {
  adapters.SetNetworkAddress(L"0004", L"020000000004");
  const test::RegistrySnapshot seeded = test::AdapterRegistry::Snapshot();
  ForgetSettings();
  for (const wchar_t* arguments : {L"/list", L"/set 0004 020000000001", L"/remove 0004"}) {
    const ConsoleRun run = Run(arguments);
    EXPECT_EQ(Code(ExitCode::TermsNotAccepted), run.exitCode) << arguments;
    EXPECT_EQ(std::string::npos, run.output.find("0004")) << run.output;
  }
  EXPECT_FALSE(test::KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "no setting written";
  SetSetting(kAgreementValue, L"0");
  EXPECT_EQ(Code(ExitCode::TermsNotAccepted), Run(L"/random 0004").exitCode);
  EXPECT_EQ(L"0", Setting(kAgreementValue));

  EXPECT_EQ(std::vector<std::wstring>{}, test::ChangedEntries(seeded, test::AdapterRegistry::Snapshot()));
  EXPECT_FALSE(LogExists());
}

TEST_F(CommandLine, RefusedRegistryAndUnwritableLogHaveTheirCodes) {
  adapters.SetNetworkAddress(L"0007", L"020000000007");
  {
    test::DeniedKey denied(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0007"));
    ConsoleRun run = Run(L"/set 0007 020000000001");
    EXPECT_EQ(Code(ExitCode::AccessDenied), run.exitCode) << Text(run);
    run = Run(L"/remove 0007");
    EXPECT_EQ(Code(ExitCode::AccessDenied), run.exitCode) << Text(run);
  }
  EXPECT_EQ(L"020000000007", Stored(L"0007"));
  EXPECT_FALSE(LogExists());

  // A folder where the log should be: the change holds, the line cannot be
  // written, and the output says why.
  ASSERT_TRUE(::CreateDirectoryW(app->LogPath().c_str(), nullptr));
  const std::wstring notLogged = L"无法把这次操作记入日志 " + app->LogPath() + L"。\r\n" + LogRefusalText(kLogIsFolder);
  ConsoleRun run = Run(L"/set 0004 020000000001");
  EXPECT_EQ(Code(ExitCode::NotLogged), run.exitCode) << Text(run);
  EXPECT_NE(std::wstring::npos, Text(run).find(notLogged)) << Text(run);
  EXPECT_EQ(L"020000000001", Stored(L"0004"));
  // In English the adapter is named, and only the log entry is said to be missing.
  run = Run(L"/remove 0004 /lang en");
  EXPECT_EQ(Code(ExitCode::NotLogged), run.exitCode) << Text(run);
  EXPECT_EQ(L"The spoofed MAC address of network adapter 0004 (Intel(R) PRO/1000 MT) was removed.\r\nThe spoofed MAC "
            L"address was removed, but its log entry could not be written to " + app->LogPath() +
                L".\r\nQUAV.log is a folder, not a file.\r\n",
            Text(run));
  EXPECT_EQ(L"<missing>", Stored(L"0004"));
}

// The text goes to a file given as the standard output, byte for byte as to
// a pipe; given none, to the console of the program that started it.
TEST_F(CommandLine, WritesToAFileAndToTheStartersConsole) {
  const ConsoleRun piped = Run(L"/list");
  ASSERT_EQ(Code(ExitCode::Done), piped.exitCode);
  const std::wstring path = app->LogPath() + L".out";
  {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const UniqueHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file);
    EXPECT_EQ(Code(ExitCode::Done), app->RunTo(L"/list", file.get()));
  }
  EXPECT_EQ(piped.output, test::FileBytes(path));
  ::DeleteFileW(path.c_str());

  // A console of this test's own, the program started without handles.
  const HANDLE savedOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE savedError = ::GetStdHandle(STD_ERROR_HANDLE);
  const HANDLE savedInput = ::GetStdHandle(STD_INPUT_HANDLE);
  ::FreeConsole();
  ASSERT_TRUE(::AllocConsole());
  const UniqueHandle console(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  const DWORD code = app->RunTo(L"/?", nullptr);
  CONSOLE_SCREEN_BUFFER_INFO buffer{};
  std::wstring shown;
  if (console && ::GetConsoleScreenBufferInfo(console.get(), &buffer)) {
    shown.resize(static_cast<size_t>(buffer.dwSize.X) * static_cast<size_t>(buffer.dwCursorPosition.Y + 1));
    DWORD read = 0;
    ::ReadConsoleOutputCharacterW(console.get(), shown.data(), static_cast<DWORD>(shown.size()), {0, 0}, &read);
    shown.resize(read);
  }
  ::FreeConsole();
  ::SetStdHandle(STD_OUTPUT_HANDLE, savedOutput);
  ::SetStdHandle(STD_ERROR_HANDLE, savedError);
  ::SetStdHandle(STD_INPUT_HANDLE, savedInput);
  EXPECT_EQ(Code(ExitCode::Done), code);
  EXPECT_NE(std::wstring::npos, shown.find(L"quav.exe /restart ID")) << shown.c_str();
}

}  // namespace
}  // namespace quav::e2e
