#include "schedule/ScheduleRules.h"

#include <gtest/gtest.h>

#include "schedule/WriterRules.h"

namespace quav {
namespace {

using Moments = std::vector<Moment>;

TEST(ScheduleRules, MomentListsReadAsACanonicalSet) {
  const struct {
    const wchar_t* list;
    std::optional<Moments> moments;
  } cases[] = {
      {L"boot,wake", Moments{Moment::Boot, Moment::Wake}},
      {L"WAKE , Boot", Moments{Moment::Boot, Moment::Wake}},
      {L"connect,logon,boot,wake", Moments{Moment::Boot, Moment::Logon, Moment::Wake, Moment::Connect}},
      {L"connect", Moments{Moment::Connect}},
      {L"", std::nullopt},
      {L"boot,", std::nullopt},
      {L"boot,boot", std::nullopt},
      {L"resume", std::nullopt},
      {L"boot;wake", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.moments, ParseMoments(c.list)) << c.list;
  EXPECT_EQ(L"boot,logon,wake,connect", MomentList(*ParseMoments(L"connect,wake,logon,boot")));
  EXPECT_EQ(DefaultMoments(), *ParseMoments(L"boot,wake"));
  EXPECT_EQ(DefaultMoments(AddressSource::PerNetwork), *ParseMoments(L"boot,wake,connect"));
}

TEST(ScheduleRules, EachKindOfAddressHasOneKeywordAndItsArguments) {
  const struct {
    AddressKind kind;
    const wchar_t* keyword;
    std::vector<std::wstring> arguments;
  } kinds[] = {
      {{AddressSource::Random, L""}, L"random", {}},
      {{AddressSource::KeepMaker, L""}, L"keep-maker", {L"/keep-maker"}},
      {{AddressSource::Maker, L"00-1B-21"}, L"maker 00-1B-21", {L"/maker", L"00-1B-21"}},
      {{AddressSource::Maker, L"JSC \"MASSA-K\""}, L"maker JSC \"MASSA-K\"", {L"/maker", L"JSC \"MASSA-K\""}},
      {{AddressSource::PerNetwork, L""}, L"per-network", {L"/per-network"}},
      {{AddressSource::PerNetwork, L"", true, true}, L"per-network daily keep-maker",
       {L"/per-network", L"/daily", L"/keep-maker"}},
      {{AddressSource::PerNetwork, L"", false, true}, L"per-network keep-maker", {L"/per-network", L"/keep-maker"}},
  };
  for (const auto& k : kinds) {
    EXPECT_EQ(k.keyword, AddressKindKeyword(k.kind));
    EXPECT_EQ(k.kind, AddressKindFromKeyword(k.keyword));
    EXPECT_EQ(k.arguments, AddressKindArguments(k.kind));
    EXPECT_FALSE(AddressKindText(k.kind).empty());
  }
  for (const wchar_t* bad : {L"", L"Random", L"maker", L"maker ", L"maker  x", L"maker x\ty", L"keep-maker x",
                            L"per-network keep-maker daily", L"per-network daily daily", L"per-network dailyx",
                            L"per-network "})
    EXPECT_FALSE(AddressKindFromKeyword(bad)) << bad;
}

TEST(ScheduleRules, ATaskIsNamedByAdapterAndMomentAndRunsWithFixedArguments) {
  EXPECT_EQ(L"\\QUAV\\Adapter 0007 at connect", TaskPath(L"0007", Moment::Connect));
  const Schedule schedule{L"0007", {Moment::Boot, Moment::Wake}, {AddressSource::Maker, L"00-1B-21"}};
  EXPECT_EQ(L"/run 0007 /at wake /maker 00-1B-21 /lang en", RunArguments(schedule, Moment::Wake, Language::English));
  EXPECT_EQ(L"/run 0007 /at boot /lang zh", RunArguments({L"0007", {}, {}}, Moment::Boot, Language::Chinese));
  // A maker's name is quoted as CommandLineToArgvW reads it back.
  EXPECT_EQ(L"/run 7 /at boot /maker \"JSC \\\"MASSA-K\\\" a\\b\\\\\" /lang en",
            RunArguments({L"7", {}, {AddressSource::Maker, L"JSC \"MASSA-K\" a\\b\\"}}, Moment::Boot,
                         Language::English));
  EXPECT_EQ(L"\"\"", QuotedArgument(L""));
  for (const wchar_t* id : {L"0007", L"1", L"12345678"}) EXPECT_TRUE(IsScheduleId(id)) << id;
  for (const wchar_t* id : {L"", L"123456789", L"00 7", L"..\\x", L"Properties"}) EXPECT_FALSE(IsScheduleId(id)) << id;
}

TEST(ScheduleRules, ARunAtConnectSkipsOnlyItsOwnFreshChange) {
  const OwnChange last{L"02-AB-03-CD-04-EF", 1000};
  const struct {
    Moment moment;
    std::optional<OwnChange> last;
    uint64_t now;
    const wchar_t* presented;
    RunDecision decision;
  } cases[] = {
      {Moment::Connect, last, 1030, L"02-AB-03-CD-04-EF", RunDecision::SkipOwnChange},
      {Moment::Connect, last, 1000 + kOwnChangeSeconds, L"02-AB-03-CD-04-EF", RunDecision::SkipOwnChange},
      {Moment::Connect, last, 990, L"02-AB-03-CD-04-EF", RunDecision::SkipOwnChange},  // clock set back
      {Moment::Connect, last, 1001 + kOwnChangeSeconds, L"02-AB-03-CD-04-EF", RunDecision::Change},
      {Moment::Connect, last, 1030, L"00-0C-29-3A-4B-5C", RunDecision::Change},
      {Moment::Connect, last, 1030, L"", RunDecision::Change},
      {Moment::Connect, std::nullopt, 1030, L"02-AB-03-CD-04-EF", RunDecision::Change},
      {Moment::Wake, last, 1030, L"02-AB-03-CD-04-EF", RunDecision::Change},
      {Moment::Boot, last, 1030, L"02-AB-03-CD-04-EF", RunDecision::Change},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.decision, DecideRun(c.moment, c.last, c.now, c.presented)) << c.now << " " << c.presented;
  }
}

TEST(WriterRules, OnlyAdministratorsSystemAndTrustedInstallerMayChangeTheCopy) {
  const std::wstring users = L"S-1-5-32-545", alice = L"S-1-5-21-1-2-3-1001";
  const AccessEntry fullAdmins{true, false, 0x1F01FF, kAdministratorsSid};
  const AccessEntry fullSystem{true, false, 0x1F01FF, kSystemSid};
  const AccessEntry readUsers{true, false, 0x1200A9, users};
  const struct {
    ObjectAccess access;
    std::vector<std::wstring> also;
    std::vector<std::wstring> writers;
  } cases[] = {
      // Program Files as Windows sets it: TrustedInstaller owns, Users read, CREATOR OWNER only passed on.
      {{kTrustedInstallerSid, true, {fullAdmins, fullSystem, readUsers, {true, true, 0x10000000, L"S-1-3-0"}}}, {}, {}},
      {{kAdministratorsSid, true, {fullAdmins, {true, false, 0x1301BF, users}}}, {}, {users}},
      {{kAdministratorsSid, true, {fullAdmins, {true, false, 0x40000000, kEveryoneSid}}}, {}, {kEveryoneSid}},
      {{kAdministratorsSid, true, {fullAdmins, {true, false, 0x00040000, users}}}, {}, {users}},  // WRITE_DAC
      {{kAdministratorsSid, true, {fullAdmins, {false, false, 0x1F01FF, users}}}, {}, {}},        // a deny
      {{kAdministratorsSid, true, {fullAdmins, {true, true, 0x1F01FF, users}}}, {}, {}},          // inherit-only
      {{alice, true, {fullAdmins, readUsers}}, {}, {alice}},                                       // a user owns it
      {{alice, true, {fullAdmins, {true, false, 0x1F01FF, L"S-1-3-4"}}}, {alice}, {}},           // owner rights
      {{kAdministratorsSid, true, {{true, false, 0x1F01FF, alice}}}, {alice}, {}},
      {{kAdministratorsSid, false, {}}, {}, {kEveryoneSid}},                                      // no DACL
  };
  for (const auto& c : cases) EXPECT_EQ(c.writers, OtherWriters(c.access, kChangeRights, c.also)) << c.access.owner;
  // A parent matters only for who may rename or replace what is in it.
  const ObjectAccess parent{kAdministratorsSid, true, {fullAdmins, {true, false, 0x1200A9 | 0x2 | 0x4, users}}};
  EXPECT_TRUE(OtherWriters(parent, kReplaceChildRights, {}).empty());
  const ObjectAccess loose{kAdministratorsSid, true, {fullAdmins, {true, false, 0x1301FF, users}}};
  EXPECT_EQ(std::vector<std::wstring>{users}, OtherWriters(loose, kReplaceChildRights, {}));
}

}  // namespace
}  // namespace quav
