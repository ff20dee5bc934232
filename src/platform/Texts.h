#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Every text a person reads, once per language, looked up by what it is for.
// A sentence's variable pieces are written {1} to {9}; both languages use the
// same ones. The program speaks one language from start to end.
namespace quav {

enum class Language : unsigned char { Chinese, English };

enum class TextId : unsigned short {
  // The main window's title markers.
  TitleLoading, TitleWmi, TitleRegistry, TitleNoData,
  // The main window.
  MainActiveOnly, MainNewAddress, MainUpdate, MainRemove, MainRefresh, MainExit, MainSpoofedAddress,
  MainActiveAddress, MenuFile, MenuViewLog, MenuRefresh, MenuRandom, MenuRestart, MenuExit, MenuAbout,
  MenuLanguage, SystemMenuEntry, LanguageFromNextStart, OtherLanguageFromNextStart,
  ColumnId, ColumnActive, ColumnSpoofed, ColumnAdapter, ColumnIpAddress, ColumnActiveMac, Yes, No,
  Disclaimer, RightsMessage, SecondCopy, WindowsVersion, LogCannotOpen, RestartHoldsSession,
  SelectAdapterToRestart, NoRandomInWindow,
  TipClearNew, TipCopyToNew,
  // The row tip and the makers' words.
  TipWithMaker, TipMakerUnknown, TipConnection, TipBurnedIn, TipActive, TipType, TipNone, TipBurnedInUnread,
  TipUnknown, TipWireless, TipWired, MakerGroupAddress, MakerLocalAddress, MakerUnlistedPrefix, ScanFailed,
  TipRandomAddress, TipRandomOn, TipRandomDaily, TipRandomOff, TipBurnedInAsking,
  // The side windows.
  AboutDesignCaption, AboutCaption, AboutAllRights, AboutCopyright, AboutBy, AboutCredit1, AboutCredit2, Ok,
  AgreementDesignCaption, AgreementCaption, AgreementRead, AgreementQuestion, Accept, Decline, LicenseMaker,
  LicenseTitle, LicenseSection1, LicenseClause11, NoticeCaption, Notice, NoticeOk, NoticeHide, NoticeRestart,
  // Errors the program describes itself.
  SystemErrorNumber, ProcedureError, UnexpectedError, OutOfMemory, MissingDll, MissingOrdinal, MissingFunction,
  // Changes, restarts and the log.
  NotTwelveDigits, NoAdapterKey, ReadBackDiffers, StillThereAfterDelete, CannotStore, StoredNotLogged,
  CannotRemove, RemovedNotLogged, RestartNotLogged, LogIsFolder, LogIsLink, LogHasOtherNames, LogBeforeAdapter,
  LogBeforeFromAddress, LogBeforeNewAddress, LogBeforeUser, LogBeforeOnlyNewAddress, LogRemovalBeforeUser,
  LogCheckBeforeActive, LogCheckBeforeResult, LogLeftDisabled, LogUsesNew, LogIgnored, LogUsesOwn, LogUnread,
  WarningHead, WarnAllZero, WarnBroadcast, WarnGroup, WarnNotLocal, WarningQuestion,
  WarnWindowsRandom,
  RestartNoDevice, RestartAccessDenied, RestartWrongArchitecture, RestartLeftDisabled, RestartNeedsReboot,
  RestartFailed, RestartUsesNew, RestartIgnored, RestartIgnoredBurnedIn, RestartUsesBurnedIn, RestartUsesOwn,
  RestartUnread, RestartWindowsRandom,
  AdapterNameAside,
  // The command line.
  Usage, CliCannotReadKey, CliNoSuchAdapter, CliUnread, CliNotWritten, CliStored, CliRemoved, CliNotAnAddress,
  CliNoRandom, CliTermsFirst, CliUnknownLanguage,
  CliListSeparator, CliNothingStored, CliNoCommand, CliUnknownCommand, CliTooFewArguments, CliUnexpectedArgument,
  CliOneMaker, CliMakerNeedsText,
  // A random address from a chosen maker.
  CliMakerNone, CliMakerSeveral, CliMakerLine, CliMakerMore, CliMakerUnknown, CliMakerNoAddress, MenuMakerRandom,
  MakerCaption, MakerSearch, MakerColumnName, MakerColumnPrefixes, MakerMatches, MakerShown, Cancel,
  CliMakerNoIndividual, MakerNoIndividual,
  CliMakerLineOne, MakerMatchesOne, CliPrefixNotIndividual, MakerPrefixNotIndividual,
  // Unattended changes through the Task Scheduler.
  MomentBoot, MomentLogon, MomentWake, MomentConnect, KindRandom, KindMaker, KindKeepMaker, TaskDescription,
  LogRunBeforeMoment, LogRunChanges, LogRunOwnChange, LogRunNoAdapter, LogRunDisabled, LogRunScanFailed,
  LogRunNoRandom, LogRunNoMaker, LogRunNotStored, LogRunNotRestarted, LogRunUnsafeRecord, ScheduleNeedsVista,
  Schedule32On64, InstallFailed, InstallDiffers, InstallUnreadable, InstallUnsafe, TaskSchedulerFailed, RecordFailed,
  Scheduled, MomentJoin, ScheduleLine, ScheduleTaskMissing, NoSchedules, Unscheduled, NotScheduled, UnscheduleFailed,
  NoOverrides, Uninstalled, UninstallAtRestart, UninstallFailed, UninstallOverrides, MenuSchedule, MenuRemoveAll,
  RemoveAllQuestion, ScheduleCaption, ScheduleAdapter, ScheduleMoments, ScheduleKind, ScheduleKindRandom,
  ScheduleKindKeepMaker, ScheduleKindMaker, ScheduleCurrent, ScheduleNone, ScheduleApply, ScheduleRemove,
  ScheduleClose, ScheduleSelectAdapter, MomentBootCheck, MomentLogonCheck, MomentWakeCheck, MomentConnectCheck,
  TaskServiceNotRunning, CliUnknownMoments, UsageSchedule, CliAtNeedsMoments,
  // One address per network.
  NetworkKeyFailed, NetworkKeyUnsafe, NetworkKeyNoRandom,
  KindPerNetwork, KindPerNetworkDaily, KindPerNetworkKeepMaker, LogRunForNetwork, LogRunNoNetwork,
  LogRunUnknownNetwork, LogRunLocationDenied, LogRunWindowsOwn, PerNetworkNoPrefix, NetworkKeyMissing,
  UsagePerNetwork, PerNetworkWireless, PerNetworkWindowsAvailable, TipNetwork, TipNetworkAddress,
  TipNetworkWindows, TipNotConnected, TipLocationDenied, ScheduleKindPerNetwork, ScheduleDaily,
  SchedulePerNetworkMaker, ScheduleWindowsOffer, ScheduleUseWindows, WindowsRandomTurnedOn, WindowsRandomFailed,
  ScheduleWindowsInForce, LogRunNoKey, LogRunNoPrefix, CliPerNetworkMaker, CliDailyAlone,
  Count
};

inline constexpr size_t kTextCount = static_cast<size_t>(TextId::Count);

// The language texts come in until SetLanguage: Chinese, as designed.
Language CurrentLanguage();
void SetLanguage(Language language);

const wchar_t* Say(TextId id);
const wchar_t* SayIn(Language language, TextId id);

// The text with {1}, {2}, ... replaced by the pieces in order; a placeholder
// without a piece stays as it is.
std::wstring Say(TextId id, std::initializer_list<std::wstring_view> pieces);
std::wstring Filled(std::wstring_view text, std::initializer_list<std::wstring_view> pieces);

// {9} stands for an adapter's name beside its ID, " (Intel(R) PRO/1000 MT)"
// (AdapterNameAside), said only in English: the Chinese texts name adapters
// by their ID, as designed. An empty name says nothing.
inline constexpr char kAdapterNamePlaceholder = '9';
std::wstring SayNaming(TextId id, std::wstring_view adapterName, std::initializer_list<std::wstring_view> pieces);

// The placeholders a text uses, as a sorted string of their digits ("12").
std::string Placeholders(std::wstring_view text);

// A text that keeps its name where the program had a constant: it reads as
// the current language's text wherever a string is taken.
struct TextRef {
  TextId id;
  operator const wchar_t*() const { return Say(id); }
  friend bool operator==(TextRef text, std::wstring_view other) { return std::wstring_view(Say(text.id)) == other; }
  friend std::wstring operator+(std::wstring left, TextRef text) { return left += Say(text.id); }
};

// The language a code names ("en", "zh", any case); none for another code.
bool LanguageFromCode(std::wstring_view code, Language& language);
const wchar_t* LanguageCode(Language language);

// The language to speak: the stored choice, else Chinese for a Chinese
// interface language (any LANG_CHINESE) and English for any other.
Language LanguageFor(std::optional<Language> stored, unsigned short interfaceLanguage);

}  // namespace quav
