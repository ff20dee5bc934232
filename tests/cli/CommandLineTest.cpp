#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>

#include "adapters/AddressMaker.h"

namespace quav {
namespace {

using Args = std::vector<std::wstring>;

Command Parsed(const Args& arguments) {
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  EXPECT_TRUE(parsed.command.has_value()) << parsed.problem;
  EXPECT_EQ(L"", parsed.problem);
  return parsed.command.value_or(Command{});
}

TEST(ParseCommandLine, EveryVerbTakesItsArguments) {
  EXPECT_EQ(Verb::List, Parsed({L"/list"}).verb);
  EXPECT_FALSE(Parsed({L"/list"}).json);
  EXPECT_EQ(Verb::Help, Parsed({L"/?"}).verb);
  EXPECT_EQ(Verb::Help, Parsed({L"/help"}).verb);

  const Command set = Parsed({L"/set", L"0007", L"02-00-4C-4F-4F-50"});
  EXPECT_EQ(Verb::Set, set.verb);
  EXPECT_EQ(L"0007", set.adapter);
  EXPECT_EQ(L"02-00-4C-4F-4F-50", set.address) << "checked later, as given";
  EXPECT_FALSE(set.force);

  for (const auto& [name, verb] : {std::pair{L"/remove", Verb::Remove}, std::pair{L"/random", Verb::Random},
                                   std::pair{L"/restart", Verb::Restart}}) {
    const Command command = Parsed({name, L"0012"});
    EXPECT_EQ(verb, command.verb);
    EXPECT_EQ(L"0012", command.adapter);
    EXPECT_EQ(L"", command.address);
  }
}

TEST(ParseCommandLine, SwitchesInAnyCaseWithSlashOrDash) {
  EXPECT_EQ(Verb::List, Parsed({L"-LIST"}).verb);
  EXPECT_EQ(Verb::Restart, Parsed({L"/ReStArT", L"0001"}).verb);
  EXPECT_TRUE(Parsed({L"-Set", L"0001", L"020000000001", L"-FORCE"}).force);
  for (const wchar_t* json : {L"/json", L"-JSON", L"/Json"}) {
    const Command list = Parsed({L"/list", json});
    EXPECT_EQ(Verb::List, list.verb);
    EXPECT_TRUE(list.json) << json;
  }
  // The adapter and the address keep their case.
  const Command set = Parsed({L"/SET", L"Ab", L"02aBcDeF0011"});
  EXPECT_EQ(L"Ab", set.adapter);
  EXPECT_EQ(L"02aBcDeF0011", set.address);
}

TEST(ParseCommandLine, ForceAnywhereAfterTheVerb) {
  for (const Args& arguments : {Args{L"/set", L"/force", L"0007", L"010203040506"},
                                Args{L"/set", L"0007", L"/Force", L"010203040506"},
                                Args{L"/set", L"0007", L"010203040506", L"-force"},
                                Args{L"/set", L"/force", L"0007", L"010203040506", L"/force"}}) {
    const Command command = Parsed(arguments);
    EXPECT_TRUE(command.force);
    EXPECT_EQ(L"0007", command.adapter);
    EXPECT_EQ(L"010203040506", command.address);
  }
  EXPECT_TRUE(Parsed({L"/random", L"0007", L"/force"}).force) << "the same path as /set";
  // The maker's text is taken as it stands, after the ID or before it.
  for (const Args& arguments : {Args{L"/random", L"0007", L"/maker", L"-Intel corp"},
                                Args{L"/random", L"-MAKER", L"-Intel corp", L"0007", L"/force"}}) {
    const Command command = Parsed(arguments);
    EXPECT_EQ(L"0007", command.adapter);
    EXPECT_EQ(L"-Intel corp", command.maker);
    EXPECT_FALSE(command.keepMaker);
  }
  EXPECT_TRUE(Parsed({L"/random", L"/Keep-Maker", L"0007"}).keepMaker);
  EXPECT_NE(std::wstring::npos, UsageText().find(L"/random ID [/force]")) << "the usage shows what it takes";
}

TEST(ParseCommandLine, ScheduleVerbs) {
  const Command listed = Parsed({L"/schedule"});
  EXPECT_EQ(Verb::Schedule, listed.verb);
  EXPECT_TRUE(listed.adapter.empty());
  const Command scheduled = Parsed({L"-Schedule", L"/AT", L"boot,wake", L"0004", L"/keep-maker", L"/xml"});
  EXPECT_EQ(L"0004", scheduled.adapter);
  EXPECT_EQ(L"boot,wake", scheduled.at);
  EXPECT_TRUE(scheduled.keepMaker && scheduled.xml);
  EXPECT_EQ(L"intel", Parsed({L"/schedule", L"0004", L"/maker", L"intel"}).maker);
  const Command run = Parsed({L"/run", L"0004", L"/at", L"connect", L"/maker", L"00-1B-21"});
  EXPECT_EQ(Verb::Run, run.verb);
  EXPECT_EQ(L"connect", run.at);
  const Command perNetwork = Parsed({L"/schedule", L"0004", L"/Per-Network", L"/daily", L"/keep-maker", L"/xml"});
  EXPECT_TRUE(perNetwork.perNetwork && perNetwork.daily && perNetwork.keepMaker && perNetwork.xml);
  EXPECT_TRUE(Parsed({L"/run", L"0004", L"/at", L"connect", L"/per-network"}).perNetwork);
  EXPECT_EQ(L"all", Parsed({L"/unschedule", L"all"}).adapter);
  EXPECT_EQ(Verb::Uninstall, Parsed({L"/uninstall"}).verb);
  EXPECT_TRUE(NamesAllAdapters(Parsed({L"/remove", L"ALL"}).adapter));
}

// What was wrong comes before the usage. A switch a verb does not take is
// never taken for its ID or address.
TEST(ParseCommandLine, AnythingElseIsAUsageErrorThatSaysWhatWasWrong) {
  const auto unexpected = [](const wchar_t* verb, const wchar_t* argument) {
    return Say(TextId::CliUnexpectedArgument, {verb, argument});
  };
  const auto tooFew = [](const wchar_t* what) { return Say(TextId::CliTooFewArguments, {what}); };
  const std::wstring oneMaker = Say(TextId::CliOneMaker);
  const struct {
    Args arguments;
    std::wstring problem;
  } cases[] = {
      {{}, Say(TextId::CliNoCommand)},
      {{L"list"}, Say(TextId::CliUnknownCommand, {L"list"})},  // no switch character
      {{L"/"}, Say(TextId::CliUnknownCommand, {L"/"})},
      {{L"-"}, Say(TextId::CliUnknownCommand, {L"-"})},
      {{L"/lst"}, Say(TextId::CliUnknownCommand, {L"/lst"})},
      {{L"/force", L"/set", L"0007", L"010203040506"}, Say(TextId::CliUnknownCommand, {L"/force"})},
      {{L"/list", L"0007"}, unexpected(L"/list", L"0007")},
      {{L"/list", L"/force"}, unexpected(L"/list", L"/force")},
      {{L"/json"}, Say(TextId::CliUnknownCommand, {L"/json"})},
      {{L"/json", L"/list"}, Say(TextId::CliUnknownCommand, {L"/json"})},
      {{L"/list", L"json"}, unexpected(L"/list", L"json")},
      {{L"/list", L"/json", L"0007"}, unexpected(L"/list", L"0007")},
      {{L"/list", L"/maker", L"intel"}, unexpected(L"/list", L"/maker")},
      {{L"/set", L"0007", L"010203040506", L"/json"}, unexpected(L"/set", L"/json")},
      {{L"/random", L"0007", L"/json"}, unexpected(L"/random", L"/json")},
      {{L"/set"}, tooFew(L"/set")},
      {{L"/SET", L"0007"}, tooFew(L"/set")},
      {{L"/set", L"0007", L"/force"}, tooFew(L"/set")},
      {{L"/set", L"0007", L"010203040506", L"extra"}, unexpected(L"/set", L"extra")},
      {{L"/set", L"0007", L"010203040506", L"/keep-maker"}, unexpected(L"/set", L"/keep-maker")},
      {{L"/set", L"0007", L"/maker", L"intel"}, unexpected(L"/set", L"/maker")},
      {{L"/set", L"/maker", L"intel"}, unexpected(L"/set", L"/maker")},
      {{L"/remove"}, tooFew(L"/remove")},
      {{L"/remove", L"0007", L"0008"}, unexpected(L"/remove", L"0008")},
      {{L"/remove", L"0007", L"/force"}, unexpected(L"/remove", L"/force")},  // nothing to force
      {{L"/remove", L"/maker"}, unexpected(L"/remove", L"/maker")},
      {{L"/remove", L"0007", L"/maker", L"intel"}, unexpected(L"/remove", L"/maker")},
      {{L"/restart", L"/force", L"0007"}, unexpected(L"/restart", L"/force")},
      {{L"/restart", L"0007", L"-Keep-Maker"}, unexpected(L"/restart", L"-Keep-Maker")},
      {{L"/random"}, tooFew(L"/random")},
      {{L"/random", L"/maker", L"intel"}, tooFew(L"/random")},
      {{L"/random", L"0007", L"/maker"}, Say(TextId::CliMakerNeedsText)},
      {{L"/random", L"0007", L"/maker", L"a", L"/keep-maker"}, oneMaker},
      {{L"/random", L"0007", L"/keep-maker", L"/maker", L"a"}, oneMaker},
      {{L"/random", L"0007", L"/maker", L"a", L"/maker", L"b"}, oneMaker},
      {{L"/random", L"0007", L"/keep-maker", L"/keep-maker"}, oneMaker},
      {{L"/random", L"0007", L"/bogus"}, unexpected(L"/random", L"/bogus")},
      {{L"/?", L"list"}, unexpected(L"/?", L"list")},
      {{L"/schedule", L"/xml"}, tooFew(L"/schedule")},  // the listing takes nothing
      {{L"/schedule", L"/at", L"boot"}, tooFew(L"/schedule")},
      {{L"/schedule", L"0004", L"/at"}, Say(TextId::CliAtNeedsMoments)},
      {{L"/schedule", L"0004", L"0007"}, unexpected(L"/schedule", L"0007")},
      {{L"/schedule", L"0004", L"/force"}, unexpected(L"/schedule", L"/force")},
      {{L"/run", L"0004"}, Say(TextId::CliAtNeedsMoments)},  // a run knows its moment
      {{L"/run", L"0004", L"/at", L"boot", L"/xml"}, unexpected(L"/run", L"/xml")},
      {{L"/unschedule"}, tooFew(L"/unschedule")},
      {{L"/uninstall", L"0004"}, unexpected(L"/uninstall", L"0004")},
      {{L"/list", L"/at", L"boot"}, unexpected(L"/list", L"/at")},
      {{L"/schedule", L"0004", L"/daily"}, Say(TextId::CliDailyAlone)},
      {{L"/schedule", L"0004", L"/per-network", L"/maker", L"intel"}, Say(TextId::CliPerNetworkMaker)},
      {{L"/random", L"0004", L"/per-network"}, unexpected(L"/random", L"/per-network")},
  };
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
    EXPECT_FALSE(parsed.command.has_value()) << c.problem;
    EXPECT_EQ(c.problem, parsed.problem);
  }
}

// Both languages fit an 80-column console (a Chinese character takes two
// columns), and name all nine fields of /list.
TEST(CommandLineUsage, FitsEightyColumnsAndNamesEveryListField) {
  const struct {
    Language language;
    std::vector<std::wstring_view> fields;
  } languages[] = {
      {Language::English, {L"connection name", L"burned-in address", L"maker of the active MAC"}},
      {Language::Chinese, {L"连接名称", L"出厂地址", L"活动 MAC 的厂商"}},
  };
  for (const auto& [language, fields] : languages) {
    const std::wstring_view usage = SayIn(language, TextId::Usage);
    size_t start = 0, line = 1;
    for (size_t end; (end = usage.find(L'\n', start)) != std::wstring_view::npos; start = end + 1, ++line) {
      size_t columns = 0;
      for (const wchar_t c : usage.substr(start, end - start)) columns += c >= 0x2E80 ? 2 : 1;
      EXPECT_GT(80u, columns) << "line " << line;
    }
    for (const std::wstring_view field : fields) EXPECT_NE(std::wstring_view::npos, usage.find(field));
  }
}

TEST(CommandLineListLine, TabSeparatedWithYesAndNoAsDigits) {
  EXPECT_EQ(L"0007\t1\t0\tIntel(R) PRO/1000 MT\t192.168.1.5\t00-50-56-C0-00-08",
            ListLine({L"0007", L"是", L"否", L"Intel(R) PRO/1000 MT", L"192.168.1.5", L"00-50-56-C0-00-08"}));
  // Empty cells keep their place; only the two yes/no columns are translated.
  EXPECT_EQ(L"0012\t0\t1\t是\t\t", ListLine({L"0012", L"否", L"是", L"是", L"", L""}));
}

TEST(CommandLineListLine, ControlCharactersCannotSplitFields) {
  EXPECT_EQ(L"0001\t0\t0\tA?B??C?D\t\t", ListLine({L"0001", L"否", L"否", L"A\tB\r\nC\x7F" L"D", L"", L""}));
}

TEST(CommandLineListJson, StringsArePureAsciiWhateverTheName) {
  const struct {
    std::wstring text;
    const wchar_t* json;
  } cases[] = {
      {L"Intel(R) PRO/1000 MT", L"\"Intel(R) PRO/1000 MT\""},
      {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
      {L"C:\\a\\", L"\"C:\\\\a\\\\\""},
      {L"a\tb\r\nc\x01\x7F", L"\"a\\u0009b\\u000d\\u000ac\\u0001\\u007f\""},
      {L"本地连接 2", L"\"\\u672c\\u5730\\u8fde\\u63a5 2\""},
      {L"Wi-Fi \U0001F600", L"\"Wi-Fi \\ud83d\\ude00\""},
      // Half a pair, alone or in the wrong order, is no character.
      {std::wstring(L"x") + wchar_t(0xD800) + L"y", L"\"x\\ufffdy\""},
      {std::wstring(1, wchar_t(0xDE00)) + wchar_t(0xD83D), L"\"\\ufffd\\ufffd\""},
      {L"", L"\"\""},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(json, JsonString(text)) << json;
}

TEST(CommandLineListJson, OneObjectPerAdapterWithNullsForTheUnknown) {
  EXPECT_EQ(L"[]\n", ListJson({}));
  const ListedAdapter read = {L"0007", L"是", L"否", L"A \"NIC\"", L"192.168.1.5", L"00-50-56-C0-00-08",
                              L"本地连接", std::nullopt, L"VMware, Inc."};
  const ListedAdapter unread = {L"0012", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                                std::nullopt, std::nullopt, std::nullopt};
  const ListedAdapter local = {L"0001", L"否", L"是", L"", L"", L"02-00-00-00-00-01", L"", L"00-0C-29-00-00-01",
                               L"本地管理的地址"};
  EXPECT_EQ(L"[\n"
            L"{\"id\":\"0007\",\"ipEnabled\":true,\"override\":false,\"description\":\"A \\\"NIC\\\"\","
            L"\"ipAddress\":\"192.168.1.5\",\"activeAddress\":\"00-50-56-C0-00-08\","
            L"\"connectionName\":\"\\u672c\\u5730\\u8fde\\u63a5\",\"burnedInAddress\":null,"
            L"\"maker\":\"VMware, Inc.\",\"windowsRandomAddress\":null,\"schedule\":null},\n"
            L"{\"id\":\"0012\",\"ipEnabled\":null,\"override\":null,\"description\":null,\"ipAddress\":null,"
            L"\"activeAddress\":null,\"connectionName\":null,\"burnedInAddress\":null,\"maker\":null,"
            L"\"windowsRandomAddress\":null,\"schedule\":null},\n"
            L"{\"id\":\"0001\",\"ipEnabled\":false,\"override\":true,\"description\":\"\",\"ipAddress\":\"\","
            L"\"activeAddress\":\"02-00-00-00-00-01\",\"connectionName\":\"\","
            L"\"burnedInAddress\":\"00-0C-29-00-00-01\",\"maker\":null,\"windowsRandomAddress\":null,"
            L"\"schedule\":null}\n"
            L"]\n",
            ListJson({read, unread, local}));
  ListedAdapter wireless = local;
  wireless.push_back(L"daily");
  wireless.push_back(ScheduleJson({L"0001", {Moment::Boot, Moment::Wake}, {AddressSource::Maker, L"00-1B-21"}}));
  EXPECT_NE(std::wstring::npos,
            ListJson({wireless}).find(L"\"maker\":null,\"windowsRandomAddress\":\"daily\","
                                      L"\"schedule\":{\"at\":[\"boot\",\"wake\"],\"address\":\"maker 00-1B-21\"}}"))
      << ListJson({wireless});
  const Schedule perNetwork{L"0001", {Moment::Connect}, {AddressSource::PerNetwork, L"", true, false}};
  EXPECT_EQ(L"{\"at\":[\"connect\"],\"address\":\"per-network daily\",\"network\":\"Caf\\u00e9\","
            L"\"networkAddress\":\"06-12-34-56-78-9A\",\"networkAddressBy\":\"quav\"}",
            ScheduleJson(perNetwork, NetworkShown{L"Café", L"06-12-34-56-78-9A", false}));
  EXPECT_NE(std::wstring::npos, ScheduleJson(perNetwork, NetworkShown{std::nullopt, std::nullopt, false})
                                    .find(L"\"network\":null,\"networkAddress\":null,\"networkAddressBy\":null"));
  EXPECT_NE(std::wstring::npos, ScheduleJson(perNetwork, NetworkShown{L"Home", std::nullopt, true})
                                    .find(L"\"networkAddress\":null,\"networkAddressBy\":\"windows\""));
  EXPECT_EQ((std::vector<std::wstring>{L"0012", L"?", L"?", L"?", L"?", L"?", L"?", L"?", L"?"}),
            ListCellsShown(unread))
      << "the text list shows the unread as ?";
}

// Only the words for yes and no are booleans, and only a maker's name names
// a maker: the window's words for a group address or an unlisted prefix do not.
TEST(CommandLineListJson, OtherCellsAreNullNotGuesses) {
  for (const TextRef words : {kGroupAddressText, kUnlistedPrefixText}) {
    const wchar_t* maker = words;
    const ListedAdapter odd = {L"0003", L"?", L"1", L"", L"", L"01-00-5E-00-00-01", L"", std::nullopt, maker};
    const std::wstring json = ListJson({odd});
    EXPECT_NE(std::wstring::npos, json.find(L"\"ipEnabled\":null,\"override\":null,")) << json;
    EXPECT_NE(std::wstring::npos, json.find(L"\"maker\":null,")) << json;
  }
}

// Every exit code is the number the readme's table gives it. A code added
// there takes its row here, by the first words of its meaning.
TEST(CommandLineExitCodes, AreTheReadmesNumbers) {
  const std::pair<ExitCode, std::string_view> documented[] = {
      {ExitCode::Done, "done"},
      {ExitCode::Usage, "usage:"},
      {ExitCode::TermsNotAccepted, "the terms have not been accepted"},
      {ExitCode::NoSuchAdapter, "no adapter with that ID"},
      {ExitCode::MalformedAddress, "the address is not 12 hexadecimal digits"},
      {ExitCode::Refused, "refused:"},
      {ExitCode::AccessDenied, "access denied"},
      {ExitCode::RegistryFailure, "any other registry failure"},
      {ExitCode::NotLogged, "the change holds, but its line could not be written"},
      {ExitCode::RestartNotPossible, "the restart was not possible"},
      {ExitCode::AddressNotUsed, "restarted, but the adapter does not present"},
      {ExitCode::NoRandomSource, "the system's random source cannot be used"},
      {ExitCode::AdapterLeftDisabled, "the restart disabled the adapter"},
      {ExitCode::Unreadable, "`/list`: some adapter's class key could not be read"},
      {ExitCode::ScanFailed, "the adapter scan failed"},
      {ExitCode::Unexpected, "an unforeseen error"},
      {ExitCode::SeveralMakers, "`/random /maker`: several makers matched"},
      {ExitCode::NoMaker, "`/random /maker`: no maker matched"},
      {ExitCode::SchedulingNotPossible, "`/schedule`: scheduling is not possible here"},
      {ExitCode::NotSafe, "`/schedule`: the installed copy could not be made"},
      {ExitCode::TaskSchedulerFailed, "`/schedule`, `/unschedule`, `/uninstall`: the Task Scheduler"},
      {ExitCode::AdapterNotStarted, "`/run`: the adapter is disabled or not started"},
      {ExitCode::NoNetwork, "`/run /per-network`: the network the adapter is on cannot be told"},
  };
  std::ifstream readme(QUAV_README);
  ASSERT_TRUE(readme) << QUAV_README;
  std::string line;
  while (std::getline(readme, line) && !line.starts_with("| Code | Meaning |")) {
  }
  ASSERT_TRUE(std::getline(readme, line)) << "the table's rule";
  size_t rows = 0;
  while (std::getline(readme, line) && line.starts_with("| ")) {
    const size_t bar = line.find(" | ", 2);
    ASSERT_NE(std::string::npos, bar) << line;
    const std::string number = line.substr(2, bar - 2), meaning = line.substr(bar + 3);
    const auto row = std::find_if(std::begin(documented), std::end(documented),
                                  [&](const auto& code) { return meaning.starts_with(code.second); });
    ASSERT_NE(std::end(documented), row) << "no ExitCode for the readme's row: " << line;
    EXPECT_EQ(number, std::to_string(static_cast<int>(row->first))) << row->second;
    ++rows;
  }
  EXPECT_EQ(std::size(documented), rows) << "codes the readme's table does not list";
}

TEST(CommandLineExitCodes, ChangeOutcomes) {
  EXPECT_EQ(ExitCode::Done, ChangeExitCode({true, L"", 0}, 0));
  EXPECT_EQ(ExitCode::NotLogged, ChangeExitCode({true, L"", 0}, 32));
  EXPECT_EQ(ExitCode::AccessDenied, ChangeExitCode({false, L"拒绝访问。", 5}, 0));
  EXPECT_EQ(ExitCode::RegistryFailure, ChangeExitCode({false, L"不存在。", 2}, 0));
  EXPECT_EQ(ExitCode::RegistryFailure, ChangeExitCode({false, L"读回的值不一致。", 0}, 0));
}

RestartReport Report(RestartStatus status, AddressCheck check) {
  RestartReport report;
  report.restart.status = status;
  report.check = check;
  return report;
}

TEST(CommandLineExitCodes, RestartOutcomes) {
  for (const RestartStatus status : {RestartStatus::NoDevice, RestartStatus::AccessDenied, RestartStatus::Failed,
                                     RestartStatus::WrongArchitecture}) {
    EXPECT_EQ(ExitCode::RestartNotPossible, RestartExitCode(Report(status, AddressCheck::UsesNew), 0));
  }
  EXPECT_EQ(ExitCode::AdapterLeftDisabled, RestartExitCode(Report(RestartStatus::LeftDisabled, AddressCheck::Unknown), 0));
  EXPECT_EQ(ExitCode::AdapterLeftDisabled, RestartExitCode(Report(RestartStatus::LeftDisabled, AddressCheck::Unknown), 5))
      << "a disabled adapter matters more than the log";
  for (const AddressCheck check : {AddressCheck::Ignored, AddressCheck::Unknown}) {
    EXPECT_EQ(ExitCode::AddressNotUsed, RestartExitCode(Report(RestartStatus::Restarted, check), 0));
    EXPECT_EQ(ExitCode::AddressNotUsed, RestartExitCode(Report(RestartStatus::Restarted, check), 5))
        << "the address matters more than the log";
  }
  for (const AddressCheck check : {AddressCheck::UsesNew, AddressCheck::UsesOwn}) {
    EXPECT_EQ(ExitCode::Done, RestartExitCode(Report(RestartStatus::Restarted, check), 0));
    EXPECT_EQ(ExitCode::NotLogged, RestartExitCode(Report(RestartStatus::Restarted, check), 5));
  }
}

}  // namespace
}  // namespace quav

namespace quav {
namespace {

TEST(ParseCommandLine, LanguageSwitchIsTakenWhereverItStands) {
  using Args = std::vector<std::wstring>;
  Args arguments{L"/set", L"-LANG", L"en", L"0007", L"010203040506"};
  EXPECT_EQ(L"en", TakeLanguageSwitch(arguments).value_or(L"none"));
  EXPECT_EQ((Args{L"/set", L"0007", L"010203040506"}), arguments);
  arguments = {L"/list", L"/lang"};
  EXPECT_EQ(L"", TakeLanguageSwitch(arguments).value_or(L"none")) << "no code: the caller says so";
  EXPECT_EQ(Args{L"/list"}, arguments);
  arguments = {L"/list", L"/json"};
  EXPECT_FALSE(TakeLanguageSwitch(arguments));
  EXPECT_EQ(2u, arguments.size());
}

}  // namespace
}  // namespace quav
