#include "platform/TextTable.h"

// The English texts, in the words of Windows' own Network Connections and
// Device Manager.
namespace quav {

extern const TextTable kEnglishTexts;

constinit const TextTable kEnglishTexts = MakeTextTable({
    {TextId::TitleLoading, L"  [Loading......]"},
    {TextId::TitleWmi, L"  [WBEM  on]"},
    {TextId::TitleRegistry, L"  [WBEM   off]"},
    {TextId::TitleNoData, L"  [  No data  ]"},

    {TextId::MainActiveOnly, L"&Show active network adapters only"},
    {TextId::MainNewAddress, L"New spoofed MAC address"},
    {TextId::MainUpdate, L"&Update MAC"},
    {TextId::MainRemove, L"Re&move MAC"},
    {TextId::MainRefresh, L"&Refresh"},
    {TextId::MainExit, L"E&xit"},
    {TextId::MainSpoofedAddress, L"Spoofed MAC address"},
    {TextId::MainActiveAddress, L"Active MAC address"},
    {TextId::MenuFile, L"&File"},
    {TextId::MenuViewLog, L"&View log"},
    {TextId::MenuRefresh, L"&Refresh"},
    {TextId::MenuRandom, L"Random &MAC address"},
    {TextId::MenuRestart, L"Re&start adapter"},
    {TextId::MenuExit, L"E&xit"},
    {TextId::MenuAbout, L"&About"},
    {TextId::MenuLanguage, L"Language / 语言"},
    {TextId::SystemMenuEntry, L"ORV 2003"},
    {TextId::LanguageFromNextStart, L"QUAV will speak English from its next start."},
    {TextId::OtherLanguageFromNextStart, L"QUAV will speak Chinese (Simplified) from its next start."},
    {TextId::ColumnId, L"ID"},
    {TextId::ColumnActive, L"Active"},
    {TextId::ColumnSpoofed, L"Spoofed"},
    {TextId::ColumnAdapter, L"Network adapter"},
    {TextId::ColumnIpAddress, L"IP address"},
    {TextId::ColumnActiveMac, L"Active MAC"},
    {TextId::Yes, L"Yes"},
    {TextId::No, L"No"},
    {TextId::Disclaimer,
     L"Caution: use at your own risk. We are not liable for damage to your system. Use QUAV only for legal and "
     L"ethical purposes, and only if you accept this caution."},
    {TextId::RightsMessage,
     L"QUAV does not have the rights it needs: the current user must be allowed to change the network settings "
     L"in the registry (HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet). Run QUAV as an administrator."},
    {TextId::SecondCopy, L"QUAV is already running."},
    {TextId::WindowsVersion, L"QUAV needs Windows 2000 or later."},
    {TextId::LogCannotOpen, L"Cannot open the log {1}.\r\n\r\n{2}"},
    {TextId::RestartHoldsSession, L"Restarting a network adapter and writing to the log. Please wait."},
    {TextId::SelectAdapterToRestart, L"First select the network adapter to restart in the list."},
    {TextId::NoRandomInWindow,
     L"The system's cryptographic random number source gave no numbers, so no random MAC address was made."},
    {TextId::TipClearNew, L"Clear the new spoofed MAC address"},
    {TextId::TipCopyToNew, L"Copy to the new spoofed MAC address"},

    {TextId::TipWithMaker, L"{1} ({2})"},
    {TextId::TipMakerUnknown, L"maker unknown"},
    {TextId::TipConnection, L"Connection: "},
    {TextId::TipBurnedIn, L"\r\nBurned-in address: "},
    {TextId::TipActive, L"\r\nActive address: "},
    {TextId::TipType, L"\r\nType: "},
    {TextId::TipNone, L"none"},
    {TextId::TipBurnedInUnread, L"cannot be read (the driver did not answer)"},
    {TextId::TipUnknown, L"unknown"},
    {TextId::TipWireless, L"wireless"},
    {TextId::TipWired, L"wired"},
    {TextId::MakerGroupAddress, L"group address (multicast or broadcast)"},
    {TextId::MakerLocalAddress, L"locally administered address"},
    {TextId::MakerUnlistedPrefix, L"unlisted prefix"},
    {TextId::ScanFailed, L"An error occurred while scanning the network adapters: not all of them could be listed."},
    {TextId::TipRandomAddress, L"\r\nWindows random hardware addresses: "},
    {TextId::TipRandomOn, L"on"},
    {TextId::TipRandomDaily, L"change daily"},
    {TextId::TipRandomOff, L"off"},
    {TextId::TipBurnedInAsking, L"being read (waiting for the driver)"},

    {TextId::AboutDesignCaption, L"About"},
    {TextId::AboutCaption, L"About {1}"},
    {TextId::AboutAllRights, L"All rights reserved."},
    {TextId::AboutCopyright, L"Copyright (C) 2002-2003 ORV"},
    {TextId::AboutBy, L"Written by the ORV team"},
    {TextId::AboutCredit1, L"Interface and translations"},
    {TextId::AboutCredit2, L"ORV localization team"},
    {TextId::Ok, L"OK"},
    {TextId::AgreementDesignCaption, L"QUAV License Agreement"},
    {TextId::AgreementCaption, L"{1} License Agreement"},
    {TextId::AgreementRead, L"Please read the following license agreement. Use the scroll bar to see all of it."},
    {TextId::AgreementQuestion,
     L"Do you accept all the terms of the license agreement above? If you choose Decline, QUAV closes. To "
     L"continue, accept the agreement."},
    {TextId::Accept, L"&Accept"},
    {TextId::Decline, L"&Decline"},
    {TextId::LicenseMaker, L"ORV Software"},
    {TextId::LicenseTitle, L"End-User License Agreement:"},
    {TextId::LicenseSection1, L"1. Acceptance"},
    {TextId::LicenseClause11,
     L"1.1 Read this agreement carefully before you accept it. If you do not accept all of its terms, you may "
     L"not use the tools."},
    {TextId::NoticeCaption, L"About updating"},
    {TextId::Notice,
     L"The new MAC address takes effect once the adapter is disabled and enabled, or the computer restarts. "
     L"See 'Activating the new MAC address' in the readme."},
    {TextId::NoticeOk, L"OK"},
    {TextId::NoticeHide, L"Don't show this again"},
    {TextId::NoticeRestart, L"Restart adapter now"},

    {TextId::SystemErrorNumber, L"(error {1})"},
    {TextId::ProcedureError, L"An error occurred in procedure {1}. {2} ({3})"},
    {TextId::UnexpectedError, L"Unexpected error"},
    {TextId::OutOfMemory, L"Out of memory"},
    {TextId::MissingDll, L"This version of Windows lacks {1}, so QUAV cannot continue."},
    {TextId::MissingOrdinal,
     L"{1} of this version of Windows lacks the function with ordinal {2}, so QUAV cannot continue."},
    {TextId::MissingFunction, L"{1} of this version of Windows lacks the function {2}, so QUAV cannot continue."},

    {TextId::NotTwelveDigits, L"The new MAC address must be 12 hexadecimal digits."},
    {TextId::NoAdapterKey, L"The network adapter's registry key does not exist."},
    {TextId::ReadBackDiffers, L"The value read back after writing differs from the value written."},
    {TextId::StillThereAfterDelete, L"The value is still there after deleting it."},
    {TextId::CannotStore, L"Cannot write the spoofed MAC address {1} to network adapter {2}{9}."},
    {TextId::StoredNotLogged, L"The spoofed MAC address was stored, but its log entry could not be written to {1}."},
    {TextId::CannotRemove, L"Cannot remove the spoofed MAC address of network adapter {1}{9}."},
    {TextId::RemovedNotLogged, L"The spoofed MAC address was removed, but its log entry could not be written to {1}."},
    {TextId::RestartNotLogged, L"The log entry for this restart could not be written to {1}."},
    {TextId::LogIsFolder, L"QUAV.log is a folder, not a file."},
    {TextId::LogIsLink,
     L"QUAV.log is a link (a symbolic link or junction) that points elsewhere; QUAV does not follow it."},
    {TextId::LogHasOtherNames, L"QUAV.log has other names (hard links); QUAV does not use such a file."},
    {TextId::LogBeforeAdapter, L"]   Adapter   ["},
    {TextId::LogBeforeFromAddress, L"]         Spoofed MAC address from       ["},
    {TextId::LogBeforeNewAddress, L"]  to ["},
    {TextId::LogBeforeUser, L"]   User  ["},
    {TextId::LogBeforeOnlyNewAddress, L"]       Spoofed MAC address set to       ["},
    {TextId::LogRemovalBeforeUser, L"]         Spoofed MAC address removed         User   ["},
    {TextId::LogCheckBeforeActive, L"]         MAC address after restart ["},
    {TextId::LogCheckBeforeResult, L"]  Result ["},
    {TextId::LogLeftDisabled, L"Adapter disabled, could not be enabled again (error {1})"},
    {TextId::LogUsesNew, L"Spoofed MAC address in use"},
    {TextId::LogIgnored, L"Driver ignored the spoofed MAC address"},
    {TextId::LogUsesOwn, L"Uses its own MAC address"},
    {TextId::LogUnread, L"Cannot be read"},
    {TextId::WarningHead, L"The new MAC address {1} may not work on network adapter {2}{9}:\r\n"},
    {TextId::WarnAllZero, L"An address of all zeros belongs to no network adapter: the driver will keep using its own address."},
    {TextId::WarnBroadcast, L"This is the broadcast address: a network adapter cannot use it as its own address."},
    {TextId::WarnGroup,
     L"This is a group (multicast) address: the lowest bit of the first byte is 1. Drivers usually refuse it."},
    {TextId::WarnNotLocal,
     L"This is a wireless network adapter, and the address is not a locally administered address (the "
     L"second-lowest bit of the first byte is 0). Many wireless drivers only accept addresses whose second "
     L"hexadecimal digit is 2, 6, A or E."},
    {TextId::WarningQuestion, L"\r\n\r\nUpdate the MAC address anyway?"},
    {TextId::WarnWindowsRandom,
     L"\"Random hardware addresses\" is on for this wireless network adapter: Windows uses a random address of its "
     L"own instead of the spoofed MAC address. Turn it off in Settings > Network & Internet > Wi-Fi > Random "
     L"hardware addresses (for all networks, or in each network's properties)."},
    {TextId::RestartNoDevice,
     L"Cannot restart network adapter {1}{9}: no device in the system matches its registry key. Disable and enable "
     L"the adapter in Network Connections in Control Panel, or restart the computer."},
    {TextId::RestartAccessDenied,
     L"Cannot restart network adapter {1}{9}: access is denied. Run this program as an administrator."},
    {TextId::RestartWrongArchitecture,
     L"Cannot restart network adapter {1}{9}: this is the 32-bit quav.exe. On 64-bit Windows, use the 64-bit "
     L"quav.exe to restart network adapters."},
    {TextId::RestartLeftDisabled,
     L"Cannot restart network adapter {1}{9}: it was disabled, but enabling it again failed twice (error code {2}), "
     L"so it is still disabled. Enable it in Network Connections in Control Panel, or use Restart adapter again "
     L"(quav.exe /restart {1})."},
    {TextId::RestartNeedsReboot, L"Network adapter {1}{9} uses the new settings only after the computer restarts."},
    {TextId::RestartFailed, L"Cannot restart network adapter {1}{9} (error code {2})."},
    {TextId::RestartUsesNew, L"Network adapter {1}{9} restarted and now uses the new MAC address {2}."},
    {TextId::RestartIgnored,
     L"Network adapter {1}{9} restarted, but the driver ignored the spoofed MAC address {2} and still uses {3}."},
    {TextId::RestartIgnoredBurnedIn,
     L"Network adapter {1}{9} restarted, but the driver ignored the spoofed MAC address {2} and still uses its "
     L"burned-in address {3}."},
    {TextId::RestartUsesBurnedIn, L"Network adapter {1}{9} restarted and now uses its burned-in address {2}."},
    {TextId::RestartUsesOwn, L"Network adapter {1}{9} restarted and now uses its own MAC address {2}."},
    {TextId::RestartUnread,
     L"Network adapter {1}{9} restarted, but the MAC address it now uses cannot be read (the adapter may be "
     L"disconnected or disabled)."},
    {TextId::RestartWindowsRandom,
     L" The likely reason: Windows' \"Random hardware addresses\" is on; turn it off in Settings > Network & "
     L"Internet > Wi-Fi > Random hardware addresses."},
    {TextId::AdapterNameAside, L" ({1})"},

    {TextId::Usage,
     L"Usage:\n"
     L"  quav.exe /list [/json]\n"
     L"      Lists every network adapter, one per line, in nine fields separated by\n"
     L"      tabs: ID, active (1/0), spoofed (1/0), network adapter, IP address,\n"
     L"      active MAC, connection name, burned-in address, maker of the active MAC.\n"
     L"      With /json, lists them as one JSON array for scripts instead: English\n"
     L"      keys, ASCII only, and null for a value that cannot be read.\n"
     L"  quav.exe /set ID MAC [/force]\n"
     L"      Writes MAC as the spoofed MAC address of network adapter ID.\n"
     L"  quav.exe /random ID [/force]\n"
     L"      Writes a random locally administered MAC address.\n"
     L"  quav.exe /random ID /maker TEXT [/force]\n"
     L"      Writes a random MAC address of one maker. TEXT is either a prefix\n"
     L"      (00-1B-21), which the address then starts with, or part of the maker's\n"
     L"      name (case and spaces do not matter).\n"
     L"  quav.exe /random ID /keep-maker [/force]\n"
     L"      Writes a random MAC address of the maker of the adapter's burned-in\n"
     L"      address.\n"
     L"  quav.exe /remove ID\n"
     L"      Removes the spoofed MAC address of network adapter ID.\n"
     L"  quav.exe /restart ID\n"
     L"      Disables and enables network adapter ID, then checks which MAC address\n"
     L"      it uses.\n"
     L"MAC is 12 hexadecimal digits; \"-\" or \":\" may separate each pair of digits.\n"
     L"If an address may not work on the adapter (a multicast address, for example),\n"
     L"nothing is written and the reason is shown; add /force to write it anyway.\n"
     L"Add /lang en or /lang zh to any command to get its output in English or\n"
     L"Chinese. The exit codes are listed in the readme.\n"},
    {TextId::CliCannotReadKey, L"Cannot read the registry key HKEY_LOCAL_MACHINE\\{1}. {2}"},
    {TextId::CliNoSuchAdapter, L"There is no network adapter with ID {1}. quav.exe /list lists every network adapter."},
    {TextId::CliUnread, L"Cannot read the registry key of network adapter {1}; cells shown as ? are unknown. {2}"},
    {TextId::CliNotWritten, L"Nothing was written. Add /force to write this address anyway."},
    {TextId::CliStored,
     L"The spoofed MAC address of network adapter {1}{9} is now {2}. It takes effect when the adapter is disabled "
     L"and enabled (quav.exe /restart {1}) or the computer restarts."},
    {TextId::CliRemoved, L"The spoofed MAC address of network adapter {1}{9} was removed."},
    {TextId::CliNotAnAddress,
     L"\"{1}\" is not a MAC address: it takes 12 hexadecimal digits, and \"-\" or \":\" may separate each pair."},
    {TextId::CliNoRandom, L"Cannot make a random MAC address: the system's cryptographic random number source cannot be used."},
    {TextId::CliTermsFirst,
     L"Start quav.exe once without arguments and accept the terms of use before using the command line."},
    {TextId::CliUnknownLanguage, L"/lang takes en (English) or zh (Chinese), not \"{1}\"."},
    {TextId::CliListSeparator, L", "},
    {TextId::CliNothingStored, L"Network adapter {1}{9} has no spoofed MAC address to remove. Nothing was changed."},
    {TextId::CliNoCommand, L"No command was given."},
    {TextId::CliUnknownCommand, L"\"{1}\" is not a command."},
    {TextId::CliTooFewArguments, L"Too few arguments for {1}."},
    {TextId::CliUnexpectedArgument, L"{1} does not take \"{2}\"."},
    {TextId::CliOneMaker, L"Give either /maker TEXT or /keep-maker, and only once."},
    {TextId::CliMakerNeedsText, L"/maker needs a maker's name or prefix after it."},
    {TextId::CliMakerNone, L"No maker's name or prefix matches \"{1}\". Nothing was written."},
    {TextId::CliMakerSeveral,
     L"{1} makers match \"{2}\". Nothing was written. Give more of the name, or one of these prefixes:"},
    {TextId::CliMakerLine, L"  {1}  {2} ({3} prefixes)"},
    {TextId::CliMakerMore, L"  ... and {1} more."},
    {TextId::CliMakerUnknown,
     L"The maker of the address {2} of network adapter {1}{9} is not known (a locally administered address, or a "
     L"prefix no maker is listed for). Nothing was written."},
    {TextId::CliMakerNoAddress,
     L"Cannot read the MAC address of network adapter {1}{9}, so its maker is not known. Nothing was written."},
    {TextId::MenuMakerRandom, L"Random MAC address of a ma&ker..."},
    {TextId::MakerCaption, L"Random MAC address of a maker"},
    {TextId::MakerSearch, L"&Maker's name or prefix:"},
    {TextId::MakerColumnName, L"Maker"},
    {TextId::MakerColumnPrefixes, L"Prefixes"},
    {TextId::MakerMatches, L"{1} makers match."},
    {TextId::MakerShown, L"{1} makers match; the first {2} are shown."},
    {TextId::Cancel, L"Cancel"},
    {TextId::CliMakerNoIndividual,
     L"Every prefix of {1} makes a group or locally administered address. Nothing was written."},
    {TextId::MakerNoIndividual,
     L"Every prefix of {1} makes a group or locally administered address, so no random address of this maker can "
     L"be made."},
    {TextId::CliMakerLineOne, L"  {1}  {2} (1 prefix)"},
    {TextId::MakerMatchesOne, L"1 maker matches."},
    {TextId::CliPrefixNotIndividual,
     L"The prefix {1} of {2} makes a group or locally administered address. Nothing was written."},
    {TextId::MakerPrefixNotIndividual,
     L"The prefix {1} of {2} makes a group or locally administered address, so no random address can be made "
     L"with it."},

    {TextId::MomentBoot, L"startup"},
    {TextId::MomentLogon, L"logon"},
    {TextId::MomentWake, L"wake from sleep"},
    {TextId::MomentConnect, L"network connection"},
    {TextId::KindRandom, L"a random locally administered address"},
    {TextId::KindMaker, L"a random address of the maker of prefix {1}"},
    {TextId::KindKeepMaker, L"a random address of the adapter's own maker"},
    {TextId::TaskDescription, L"At {2}, QUAV gives network adapter {1} {3} and restarts it."},
    {TextId::LogRunBeforeMoment, L"]         Scheduled run at ["},
    {TextId::LogRunChanges, L"changing the MAC address"},
    {TextId::LogRunOwnChange, L"the adapter already presents the address this schedule gave it {1} s ago; nothing changed"},
    {TextId::LogRunNoAdapter, L"there is no such network adapter; nothing changed"},
    {TextId::LogRunDisabled, L"the adapter is disabled or not started; nothing changed"},
    {TextId::LogRunScanFailed, L"the network adapters could not be listed; nothing changed"},
    {TextId::LogRunNoRandom,
     L"the system's random number source cannot be used, so no new address was made; nothing changed"},
    {TextId::LogRunNoMaker, L"the maker of {1} is not known; nothing changed"},
    {TextId::LogRunNotStored, L"the new address could not be stored (error {1})"},
    {TextId::LogRunNotRestarted,
     L"the address was stored, but the adapter could not be restarted (error {1})"},
    {TextId::LogRunUnsafeRecord, L"others than administrators can change the schedule's record ({1}); nothing changed"},
    {TextId::ScheduleNeedsVista, L"Scheduling MAC address changes needs Windows Vista or later."},
    {TextId::Schedule32On64, L"This is the 32-bit quav.exe. On 64-bit Windows, use the 64-bit quav.exe to schedule MAC address changes."},
    {TextId::InstallFailed, L"Cannot install QUAV as {1}, so nothing was scheduled. {2}"},
    {TextId::InstallDiffers, L"The copy {1} is not identical to this program, so nothing was scheduled."},
    {TextId::InstallUnreadable, L"Cannot read who may change {1}, so nothing was scheduled. {2}"},
    {TextId::InstallUnsafe, L"{2} can change {1}, not only Administrators, SYSTEM and TrustedInstaller, so nothing was scheduled: a task that runs as SYSTEM must run a program only administrators can change. Correct its permissions, or delete it and schedule again."},
    {TextId::TaskSchedulerFailed, L"The Task Scheduler did not accept the task {1}, so nothing was scheduled. {2}"},
    {TextId::RecordFailed, L"Cannot write the schedule's record HKEY_LOCAL_MACHINE\\{1}, so nothing was scheduled. {2}"},
    {TextId::Scheduled, L"Network adapter {1} now gets {3} at each {2}. The Task Scheduler runs {4} as SYSTEM, and each run is logged in {5}."},
    {TextId::MomentJoin, L", "},
    {TextId::ScheduleLine, L"Network adapter {1}: at each {2}, {3}"},
    {TextId::ScheduleTaskMissing, L"  The task {1} is not in the Task Scheduler: schedule the adapter again."},
    {TextId::NoSchedules, L"No network adapter has a schedule."},
    {TextId::Unscheduled, L"The schedule of network adapter {1} was removed."},
    {TextId::NotScheduled, L"Network adapter {1} has no schedule."},
    {TextId::UnscheduleFailed, L"Cannot delete the task {1}. {2}"},
    {TextId::NoOverrides, L"No network adapter has a spoofed MAC address."},
    {TextId::Uninstalled, L"QUAV's schedules and its installed copy in {1} were removed."},
    {TextId::UninstallAtRestart, L"{1} is in use and will be deleted when Windows restarts."},
    {TextId::UninstallFailed, L"Cannot delete {1}. {2}"},
    {TextId::UninstallOverrides, L"Network adapters {1} still have a spoofed MAC address; quav.exe /remove all puts every adapter back to its own address."},
    {TextId::MenuSchedule, L"&Schedule MAC address changes..."},
    {TextId::MenuRemoveAll, L"Put every adapter back to its &own address..."},
    {TextId::RemoveAllQuestion, L"Remove the spoofed MAC address of every network adapter, so that each uses its own address again? This takes effect when the adapters are disabled and enabled, or the computer restarts."},
    {TextId::ScheduleCaption, L"Schedule MAC Address Changes"},
    {TextId::ScheduleAdapter, L"Network adapter {1}: {2}"},
    {TextId::ScheduleMoments, L"Change the address at:"},
    {TextId::ScheduleKind, L"New address:"},
    {TextId::ScheduleKindRandom, L"&Random, locally administered"},
    {TextId::ScheduleKindKeepMaker, L"Of the adapter's own ma&ker"},
    {TextId::ScheduleKindMaker, L"Of this &maker:"},
    {TextId::ScheduleCurrent, L"Current schedule:"},
    {TextId::ScheduleNone, L"None"},
    {TextId::ScheduleApply, L"&Schedule"},
    {TextId::ScheduleRemove, L"&Remove"},
    {TextId::ScheduleClose, L"Close"},
    {TextId::ScheduleSelectAdapter, L"First select the network adapter to schedule in the list."},
    {TextId::MomentBootCheck, L"Windows &startup"},
    {TextId::MomentLogonCheck, L"Any user's &logon"},
    {TextId::MomentWakeCheck, L"&Wake from sleep"},
    {TextId::CliUnknownMoments, L"/at takes boot, logon, wake and connect, separated by commas, not \"{1}\"."},
    {TextId::UsageSchedule,
     L"Unattended changes (Windows Vista or later):\n"
     L"  quav.exe /schedule ID [/at boot,logon,wake,connect]\n"
     L"                      [/maker TEXT | /keep-maker] [/xml]\n"
     L"      Copies QUAV to %ProgramFiles%\\QUAV and has the Task Scheduler run it as\n"
     L"      SYSTEM at each startup, logon, wake from sleep or network connection\n"
     L"      (boot,wake unless /at says), to give network adapter ID a new random MAC\n"
     L"      address. With /xml, writes the tasks' XML instead.\n"
     L"  quav.exe /schedule\n"
     L"      Lists the schedules.\n"
     L"  quav.exe /unschedule ID|all\n"
     L"      Removes the schedule of network adapter ID, or every schedule.\n"
     L"  quav.exe /remove all\n"
     L"      Removes the spoofed MAC address of every network adapter.\n"
     L"  quav.exe /uninstall\n"
     L"      Removes every schedule and the installed copy.\n"},
    {TextId::CliAtNeedsMoments,
     L"/at needs the moments to change the address at: boot, logon, wake or connect, separated by commas."},
    {TextId::TaskServiceNotRunning, L"The Task Scheduler service is not running. "},
    {TextId::MomentConnectCheck, L"&Network connection"},
    // One address per network.
    {TextId::NetworkKeyFailed, L"The key that per-network addresses are made from ({1}) could not be read or made. {2}"},
    {TextId::NetworkKeyUnsafe,
     L"Others than Administrators and SYSTEM can read the key that per-network addresses are made from ({1}): {2}. "
     L"It is not used. quav.exe /uninstall removes it; scheduling again then makes a new one."},
    {TextId::NetworkKeyNoRandom,
     L"Windows' random number generator cannot be used, so no key for per-network addresses could be made."},
    {TextId::KindPerNetwork, L"the address of the network it is on{1}{2}"},
    {TextId::KindPerNetworkDaily, L", a new one each day"},
    {TextId::KindPerNetworkKeepMaker, L", with its own maker's prefix"},
    {TextId::LogRunForNetwork, L"changing the MAC address to the address of network {1}"},
    {TextId::LogRunNoNetwork, L"the adapter is not connected to a network; nothing changed"},
    {TextId::LogRunUnknownNetwork, L"the network the adapter is connected to cannot be told apart from others; nothing changed"},
    {TextId::LogRunLocationDenied,
     L"Windows gives the Wi-Fi network's name only to apps allowed to use location (Settings > Privacy & security > "
     L"Location); nothing changed"},
    {TextId::LogRunWindowsOwn, L"Windows gives the adapter a random hardware address of its own on this network; nothing changed"},
    {TextId::PerNetworkNoPrefix,
     L"The maker's prefix of network adapter {1} cannot be kept: neither its burned-in nor its active address is one "
     L"a maker assigned."},
    {TextId::NetworkKeyMissing, L"The key that per-network addresses are made from is made when an adapter is first scheduled."},
    {TextId::UsagePerNetwork,
     L"  quav.exe /schedule ID /per-network [/daily] [/keep-maker] [/at LIST] [/xml]\n"
     L"      Gives network adapter ID one address per network: the same each time on\n"
     L"      the same network, another on every other (/daily: another each day;\n"
     L"      /keep-maker: with its maker's prefix), at each startup, wake from sleep\n"
     L"      and network connection unless /at says.\n"},
    {TextId::PerNetworkWireless,
     L"Network adapter {1} is a wireless adapter: many wireless drivers accept only locally administered addresses, "
     L"so its per-network address cannot keep its maker's prefix. Schedule it without /keep-maker."},
    {TextId::PerNetworkWindowsAvailable,
     L"Windows can also give network adapter {1} a random hardware address of its own on {2}, which it uses from the "
     L"first moment of each connection: the schedule window turns it on for that network."},
    {TextId::TipNetwork, L"\r\nNetwork: "},
    {TextId::TipNetworkAddress, L"\r\nAddress on this network: "},
    {TextId::TipNetworkWindows, L"Windows' own random hardware address"},
    {TextId::TipNotConnected, L"not connected"},
    {TextId::TipLocationDenied, L"hidden: Windows gives Wi-Fi names only to apps allowed to use location"},
    {TextId::ScheduleKindPerNetwork, L"One address &per network:"},
    {TextId::ScheduleDaily, L"A new one each &day"},
    {TextId::SchedulePerNetworkMaker, L"With its own mak&er's prefix"},
    {TextId::ScheduleWindowsOffer, L"Windows can give this adapter a random address of its own on {1}, from the first moment of each connection."},
    {TextId::ScheduleUseWindows, L"Use W&indows'"},
    {TextId::WindowsRandomTurnedOn,
     L"Windows now gives network adapter {1} a random hardware address of its own on {2}, from its next connection. "
     L"On that network, a per-network schedule leaves the adapter's address to Windows."},
    {TextId::WindowsRandomFailed, L"Windows' random hardware address could not be turned on for {1}. {2}"},
    {TextId::ScheduleWindowsInForce,
     L"Windows gives this adapter a random address of its own on {1}; there, a per-network schedule leaves it alone."},
    {TextId::LogRunNoKey, L"the key that per-network addresses are made from cannot be used; nothing changed"},
    {TextId::LogRunNoPrefix, L"the maker's prefix of the adapter's address cannot be kept; nothing changed"},
    {TextId::CliPerNetworkMaker, L"/per-network keeps the adapter's own maker (/keep-maker) or none: it takes no /maker."},
    {TextId::CliDailyAlone, L"/daily goes with /per-network."},
});

}  // namespace quav
