#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

using Args = std::vector<std::wstring>;

Command Parsed(const Args& arguments) {
  const std::optional<Command> command = ParseCommandLine(arguments);
  EXPECT_TRUE(command.has_value());
  return command.value_or(Command{});
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

TEST(ParseCommandLine, AnythingElseIsAUsageError) {
  for (const Args& arguments : {
           Args{},
           Args{L"list"},                   // no switch character
           Args{L"/"},
           Args{L"-"},
           Args{L"/lst"},
           Args{L"/force", L"/set", L"0007", L"010203040506"},  // /force is no verb
           Args{L"/list", L"0007"},
           Args{L"/list", L"/force"},
           Args{L"/json"},
           Args{L"/json", L"/list"},  // /json is no verb
           Args{L"/list", L"json"},
           Args{L"/list", L"/json", L"0007"},
           Args{L"/set", L"0007", L"010203040506", L"/json"},
           Args{L"/random", L"0007", L"/json"},
           Args{L"/set"},
           Args{L"/set", L"0007"},
           Args{L"/set", L"0007", L"/force"},
           Args{L"/set", L"0007", L"010203040506", L"extra"},
           Args{L"/remove"},
           Args{L"/remove", L"0007", L"0008"},
           Args{L"/remove", L"0007", L"/force"},  // nothing to force
           Args{L"/restart", L"/force", L"0007"},
           Args{L"/random"},
           Args{L"/random", L"0007", L"/maker"},
           Args{L"/random", L"0007", L"/maker", L"a", L"/keep-maker"},
           Args{L"/random", L"0007", L"/maker", L"a", L"/maker", L"b"},
           Args{L"/set", L"0007", L"010203040506", L"/keep-maker"},
           Args{L"/set", L"0007", L"/maker", L"intel"},
           Args{L"/?", L"list"},
           Args{L"/schedule", L"/xml"},  // the listing takes nothing
           Args{L"/schedule", L"/at", L"boot"},
           Args{L"/schedule", L"0004", L"/at"},
           Args{L"/schedule", L"0004", L"0007"},
           Args{L"/schedule", L"0004", L"/force"},
           Args{L"/run", L"0004"},  // a run knows its moment
           Args{L"/run", L"0004", L"/at", L"boot", L"/xml"},
           Args{L"/unschedule"},
           Args{L"/uninstall", L"0004"},
           Args{L"/list", L"/at", L"boot"},
           Args{L"/schedule", L"0004", L"/daily"},  // a new address each day is the random kinds' way anyway
           Args{L"/schedule", L"0004", L"/per-network", L"/maker", L"intel"},
           Args{L"/random", L"0004", L"/per-network"},
       }) {
    EXPECT_FALSE(ParseCommandLine(arguments).has_value()) << arguments.size();
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
