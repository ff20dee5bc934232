#include "platform/TextTable.h"

// The Chinese texts, to the character as the program has always shown them.
namespace quav {

extern const TextTable kChineseTexts;

constinit const TextTable kChineseTexts = MakeTextTable({
    {TextId::TitleLoading, L"  [正在载入......]"},
    {TextId::TitleWmi, L"  [WBEM  开]"},
    {TextId::TitleRegistry, L"  [WBEM   关]"},
    {TextId::TitleNoData, L"  [  无数据  ]"},

    {TextId::MainActiveOnly, L"仅显示活动的网络适配器"},
    {TextId::MainNewAddress, L"新伪装的 MAC 地址"},
    {TextId::MainUpdate, L"更新 MAC"},
    {TextId::MainRemove, L"删除 MAC"},
    {TextId::MainRefresh, L"刷新"},
    {TextId::MainExit, L"退出"},
    {TextId::MainSpoofedAddress, L"伪装的 MAC 地址"},
    {TextId::MainActiveAddress, L"活动的 MAC 地址"},
    {TextId::MenuFile, L"文件(&F)"},
    {TextId::MenuViewLog, L"查看日志(&V)"},
    {TextId::MenuRefresh, L"刷新(&R)"},
    {TextId::MenuRandom, L"随机 MAC 地址(&M)"},
    {TextId::MenuRestart, L"重启适配器(&S)"},
    {TextId::MenuExit, L"退出(&E)"},
    {TextId::MenuAbout, L"关于(&A)"},
    {TextId::MenuLanguage, L"Language / 语言"},
    {TextId::SystemMenuEntry, L"ORV 2003"},
    {TextId::LanguageFromNextStart, L"QUAV 将在下次启动时使用简体中文。"},
    {TextId::OtherLanguageFromNextStart, L"QUAV 将在下次启动时使用英文。"},
    {TextId::ColumnId, L"ID"},
    {TextId::ColumnActive, L"活动"},
    {TextId::ColumnSpoofed, L"伪装"},
    {TextId::ColumnAdapter, L"网络适配器"},
    {TextId::ColumnIpAddress, L"IP 地址"},
    {TextId::ColumnActiveMac, L"活动 MAC"},
    {TextId::Yes, L"是"},
    {TextId::No, L"否"},
    {TextId::Disclaimer,
     L"注意: 使用该程序有风险。我们不承担对你的系统可能造成的任何损害的责任，该程序不能用于非法或不道德目的。"
     L"如果你不同意这些注意事项，请你不要使用本程序。"},
    {TextId::RightsMessage, L"QUAV 发现没有足够的登录权限。                                                QUAV 要求当前用户有                             完全控制权限。                                  "},
    {TextId::SecondCopy, L"该程序已经载入到内存。"},
    {TextId::WindowsVersion, L"该程序要求运行于 Windows 2000 或 Windows XP。"},
    {TextId::LogCannotOpen, L"无法打开日志 {1}。\r\n\r\n{2}"},
    {TextId::RestartHoldsSession, L"正在重启网络适配器并记录到日志，请稍候。"},
    {TextId::SelectAdapterToRestart, L"请先在列表中选择要重启的网络适配器。"},
    {TextId::NoRandomInWindow, L"无法从系统的加密随机数源取得随机数，没有生成随机 MAC 地址。"},
    {TextId::TipClearNew, L"清除新伪装的 MAC 地址"},
    {TextId::TipCopyToNew, L"复制到新伪装的 MAC 地址"},

    {TextId::TipWithMaker, L"{1}（{2}）"},
    {TextId::TipMakerUnknown, L"厂商未知"},
    {TextId::TipConnection, L"连接名称："},
    {TextId::TipBurnedIn, L"\r\n出厂地址："},
    {TextId::TipActive, L"\r\n活动地址："},
    {TextId::TipType, L"\r\n类型："},
    {TextId::TipNone, L"无"},
    {TextId::TipBurnedInUnread, L"无法读取（驱动程序没有回答）"},
    {TextId::TipUnknown, L"未知"},
    {TextId::TipWireless, L"无线"},
    {TextId::TipWired, L"有线"},
    {TextId::MakerGroupAddress, L"组地址（多播或广播）"},
    {TextId::MakerLocalAddress, L"本地管理的地址"},
    {TextId::MakerUnlistedPrefix, L"未登记的前缀"},
    {TextId::ScanFailed, L"扫描网络适配器时出错，无法列出全部网络适配器。"},
    {TextId::TipRandomAddress, L"\r\nWindows 随机硬件地址："},
    {TextId::TipRandomOn, L"开"},
    {TextId::TipRandomDaily, L"每天更改"},
    {TextId::TipRandomOff, L"关"},

    {TextId::AboutDesignCaption, L"关于"},
    {TextId::AboutCaption, L"关于    {1}"},
    {TextId::AboutAllRights, L"保留所有权利。"},
    {TextId::AboutCopyright, L"Copyright (C) 2002-2003 ORV"},
    {TextId::AboutBy, L"作者: ORV 开发组"},
    {TextId::AboutCredit1, L"界面与简体中文翻译"},
    {TextId::AboutCredit2, L"ORV 本地化小组"},
    {TextId::Ok, L"确定"},
    {TextId::AgreementDesignCaption, L"QUAV 许可协议"},
    {TextId::AgreementCaption, L"{1}许可协议"},
    {TextId::AgreementRead, L"请阅读下面的许可协议。使用滚动条查看所有协议。"},
    {TextId::AgreementQuestion,
     L"你同意前面的许可协议的所有条款吗？如果你选择了[拒绝]，该程序将关闭。如果想继续，你必须同意该协议。"},
    {TextId::Accept, L"同意(&A)"},
    {TextId::Decline, L"拒绝(&D)"},
    {TextId::LicenseMaker, L"ORV 软件公司"},
    {TextId::LicenseTitle, L"最终用户许可协议:"},
    {TextId::LicenseSection1, L"1. 承诺条款"},
    {TextId::LicenseClause11,
     L"1.1 在同意本协议之前，请仔细阅读 ORV 软件公司的最终用户许可协议。如果你不同意本协议的全部条款，"
     L"你就不能使用本工具。"},
    {TextId::NoticeCaption, L"更新注意"},
    {TextId::Notice,
     L"MAC 地址更新后将在网络适配器禁用/启用或重启计算机后生效。请参照自述文件的 '激活新的 MAC 地址 '"
     L" 附加信息部分。"},
    {TextId::NoticeOk, L"好"},
    {TextId::NoticeHide, L"不再次显示"},
    {TextId::NoticeRestart, L"立即重启适配器"},

    {TextId::SystemErrorNumber, L"(错误 {1})"},
    {TextId::ProcedureError, L"An error occurred in procedure {1}. {2} ({3})"},
    {TextId::UnexpectedError, L"Unexpected error"},
    {TextId::OutOfMemory, L"Out of memory"},
    {TextId::MissingDll, L"这个 Windows 缺少 {1}，程序无法继续运行。"},
    {TextId::MissingOrdinal, L"这个 Windows 的 {1} 缺少序号为 {2} 的函数，程序无法继续运行。"},
    {TextId::MissingFunction, L"这个 Windows 的 {1} 缺少函数 {2}，程序无法继续运行。"},

    {TextId::NotTwelveDigits, L"新的 MAC 地址必须是 12 个十六进制数字。"},
    {TextId::NoAdapterKey, L"该网络适配器的注册表项不存在。"},
    {TextId::ReadBackDiffers, L"写入后读回的值与写入的值不一致。"},
    {TextId::StillThereAfterDelete, L"删除后该值仍然存在。"},
    {TextId::CannotStore, L"无法把伪装的 MAC 地址 {1} 写入网络适配器 {2}。"},
    {TextId::StoredNotLogged, L"伪装的 MAC 地址已写入，但无法把这次操作记入日志 {1}。"},
    {TextId::CannotRemove, L"无法删除网络适配器 {1} 的伪装 MAC 地址。"},
    {TextId::RemovedNotLogged, L"伪装的 MAC 地址已删除，但无法把这次操作记入日志 {1}。"},
    {TextId::RestartNotLogged, L"无法把这次重启的结果记入日志 {1}。"},
    {TextId::LogIsFolder, L"QUAV.log 是一个文件夹，不是文件，因此没有写入任何内容。"},
    {TextId::LogIsLink, L"QUAV.log 是一个链接（符号链接或联接），指向别处，因此没有写入任何内容。"},
    {TextId::LogHasOtherNames, L"QUAV.log 还有其他名称（硬链接），因此没有写入任何内容。"},
    {TextId::LogBeforeAdapter, L"]   设备   ["},
    {TextId::LogBeforeFromAddress, L"]         伪装 MAC 地址从       ["},
    {TextId::LogBeforeNewAddress, L"]  为 ["},
    {TextId::LogBeforeUser, L"]   操作用户  ["},
    {TextId::LogBeforeOnlyNewAddress, L"]       伪装 MAC 地址为       ["},
    {TextId::LogRemovalBeforeUser, L"]         删除伪装的 MAC 地址         操作用户   ["},
    {TextId::LogCheckBeforeActive, L"]         重启后使用的 MAC 地址 ["},
    {TextId::LogCheckBeforeResult, L"]  结果 ["},
    {TextId::LogLeftDisabled, L"适配器已禁用，无法重新启用 (错误 {1})"},
    {TextId::LogUsesNew, L"伪装的 MAC 地址已生效"},
    {TextId::LogIgnored, L"驱动程序忽略了伪装的 MAC 地址"},
    {TextId::LogUsesOwn, L"使用原来的 MAC 地址"},
    {TextId::LogUnread, L"无法读取"},
    {TextId::WarningHead, L"新的 MAC 地址 {1} 可能无法用于网络适配器 {2}：\r\n"},
    {TextId::WarnAllZero, L"全部为零的地址不属于任何网络适配器，驱动程序将继续使用原来的地址。"},
    {TextId::WarnBroadcast, L"这是广播地址，网络适配器不能把它用作自己的地址。"},
    {TextId::WarnGroup, L"这是组播（多播）地址：第一个字节的最低位为 1。驱动程序通常不接受它。"},
    {TextId::WarnNotLocal,
     L"这是无线网络适配器，而该地址不是本地管理的地址（第一个字节的第二低位为 0）。"
     L"许多无线驱动程序只接受第二个十六进制数字为 2、6、A 或 E 的地址。"},
    {TextId::WarningQuestion, L"\r\n\r\n仍要更新 MAC 地址吗？"},
    {TextId::WarnWindowsRandom,
     L"这个无线网络适配器的“随机硬件地址”已打开：Windows 会用自己的随机地址代替伪装的 MAC 地址。"
     L"可在 设置 → 网络和 Internet → WLAN → 随机硬件地址 中关闭（对所有网络，或在各网络的属性中逐个关闭）。"},
    {TextId::RestartNoDevice, L"无法重启网络适配器 {1}：系统中没有与它的注册表项对应的设备。"},
    {TextId::RestartAccessDenied, L"无法重启网络适配器 {1}：拒绝访问，请以管理员身份运行本程序。"},
    {TextId::RestartWrongArchitecture,
     L"无法重启网络适配器 {1}：这是 32 位的 quav.exe，在 64 位 Windows 上请使用 64 位的 quav.exe 重启网络适配器。"},
    {TextId::RestartLeftDisabled,
     L"无法重启网络适配器 {1}：它已被禁用，但两次重新启用都失败了（错误代码 {2}），现在仍处于禁用状态；"
     L"请在控制面板的“网络连接”中启用它，或再用一次“重启适配器” (quav.exe /restart {1})。"},
    {TextId::RestartNeedsReboot, L"网络适配器 {1} 要在重启计算机后才能使用新的设置。"},
    {TextId::RestartFailed, L"无法重启网络适配器 {1}（错误代码 {2}）。"},
    {TextId::RestartUsesNew, L"网络适配器 {1} 已重启，现在使用新的 MAC 地址 {2}。"},
    {TextId::RestartIgnored, L"网络适配器 {1} 已重启，但驱动程序忽略了伪装的 MAC 地址 {2}，仍在使用 {3}。"},
    {TextId::RestartIgnoredBurnedIn,
     L"网络适配器 {1} 已重启，但驱动程序忽略了伪装的 MAC 地址 {2}，仍在使用出厂地址 {3}。"},
    {TextId::RestartUsesBurnedIn, L"网络适配器 {1} 已重启，现在使用它的出厂地址 {2}。"},
    {TextId::RestartUsesOwn, L"网络适配器 {1} 已重启，现在使用它自己的 MAC 地址 {2}。"},
    {TextId::RestartUnread, L"网络适配器 {1} 已重启，但无法读取它现在使用的 MAC 地址（适配器可能未连接或未启用）。"},
    {TextId::RestartWindowsRandom,
     L"可能的原因：Windows 的“随机硬件地址”已打开，可在 设置 → 网络和 Internet → WLAN → 随机硬件地址 中关闭。"},
    {TextId::AdapterNameAside, L"（{1}）"},

    {TextId::Usage,
     L"用法：\n"
     L"  quav.exe /list [/json]\n"
     L"      列出所有网络适配器，每行一个，共九项，以制表符分隔：ID、活动 (1/0)、\n"
     L"      伪装 (1/0)、网络适配器、IP 地址、活动 MAC、连接名称、出厂地址、\n"
     L"      活动 MAC 的厂商。\n"
     L"      加上 /json 则改为以一个 JSON 数组列出，供脚本读取：键为英文，只含\n"
     L"      ASCII 字符，无法读取的值为 null。\n"
     L"  quav.exe /set ID MAC [/force]\n"
     L"      把 MAC 作为伪装的 MAC 地址写入网络适配器 ID。\n"
     L"  quav.exe /random ID [/force]\n"
     L"      写入一个随机的本地管理 MAC 地址。\n"
     L"  quav.exe /random ID /maker TEXT [/force]\n"
     L"      写入一个属于某个厂商的随机 MAC 地址。TEXT 可以是前缀 (00-1B-21)，\n"
     L"      地址即以该前缀开头；也可以是厂商名称的一部分（不分大小写，忽略空格），\n"
     L"      地址即取该厂商的任一前缀。\n"
     L"  quav.exe /random ID /keep-maker [/force]\n"
     L"      写入一个随机的 MAC 地址，厂商与网络适配器的出厂地址相同。\n"
     L"  quav.exe /remove ID\n"
     L"      删除网络适配器 ID 的伪装 MAC 地址。\n"
     L"  quav.exe /restart ID\n"
     L"      禁用并重新启用网络适配器 ID，然后检查它使用的 MAC 地址。\n"
     L"MAC 是 12 个十六进制数字，可用 \"-\" 或 \":\" 分隔每两个数字。\n"
     L"地址可能无法用于网络适配器时（例如多播地址），只说明原因，不写入；\n"
     L"加上 /force 仍然写入。\n"
     L"任何命令加上 /lang en 或 /lang zh，即以英文或中文输出。\n"
     L"退出代码见自述文件。\n"},
    {TextId::CliCannotReadKey, L"无法读取注册表项 HKEY_LOCAL_MACHINE\\{1}。{2}"},
    {TextId::CliNoSuchAdapter, L"没有 ID 为 {1} 的网络适配器。quav.exe /list 列出所有网络适配器。"},
    {TextId::CliUnread, L"无法读取网络适配器 {1} 的注册表项，标为 ? 的内容未知。{2}"},
    {TextId::CliNotWritten, L"没有写入。加上 /force 仍然写入这个地址。"},
    {TextId::CliStored,
     L"网络适配器 {1} 的伪装 MAC 地址已设为 {2}。网络适配器禁用/启用 (quav.exe /restart {1}) 或重启计算机后生效。"},
    {TextId::CliRemoved, L"网络适配器 {1} 的伪装 MAC 地址已删除。"},
    {TextId::CliNotAnAddress, L"\"{1}\" 不是 MAC 地址：需要 12 个十六进制数字，可用 \"-\" 或 \":\" 分隔每两个数字。"},
    {TextId::CliNoRandom, L"无法生成随机的 MAC 地址：系统的加密随机数源不可用。"},
    {TextId::CliTermsFirst, L"请先不带参数启动 quav.exe 并接受使用条款，然后才能使用命令行。"},
    {TextId::CliUnknownLanguage, L"/lang 后面要跟 en（英文）或 zh（中文），而不是 \"{1}\"。"},
    {TextId::CliListSeparator, L"、"},
    {TextId::CliNothingStored, L"网络适配器 {1} 没有伪装的 MAC 地址可删除。没有做任何更改。"},
    {TextId::CliNoCommand, L"没有给出命令。"},
    {TextId::CliUnknownCommand, L"\"{1}\" 不是命令。"},
    {TextId::CliTooFewArguments, L"{1} 缺少参数。"},
    {TextId::CliUnexpectedArgument, L"{1} 不接受 \"{2}\"。"},
    {TextId::CliOneMaker, L"/maker TEXT 和 /keep-maker 只能给出其中一个，且只能给出一次。"},
    {TextId::CliMakerNeedsText, L"/maker 后面要跟厂商名称或前缀。"},
    {TextId::CliMakerNone, L"没有名称或前缀与 \"{1}\" 相符的厂商。没有写入。"},
    {TextId::CliMakerSeveral, L"有 {1} 个厂商与 \"{2}\" 相符。没有写入。请写出更完整的名称，或使用下列前缀之一："},
    {TextId::CliMakerLine, L"  {1}  {2}（{3} 个前缀）"},
    {TextId::CliMakerMore, L"  ……另有 {1} 个。"},
    {TextId::CliMakerUnknown, L"无法确定网络适配器 {1} 的地址 {2} 属于哪个厂商（本地管理地址，或未登记厂商的前缀）。没有写入。"},
    {TextId::CliMakerNoAddress, L"无法读取网络适配器 {1} 的 MAC 地址，因此不知道它的厂商。没有写入。"},
    {TextId::MenuMakerRandom, L"指定厂商的随机 MAC 地址(&K)..."},
    {TextId::MakerCaption, L"指定厂商的随机 MAC 地址"},
    {TextId::MakerSearch, L"厂商名称或前缀(&M)："},
    {TextId::MakerColumnName, L"厂商"},
    {TextId::MakerColumnPrefixes, L"前缀数"},
    {TextId::MakerMatches, L"相符的厂商：{1} 个。"},
    {TextId::MakerShown, L"相符的厂商：{1} 个，列出前 {2} 个。"},
    {TextId::Cancel, L"取消"},
    {TextId::CliMakerNoIndividual, L"{1} 的每个前缀都会构成组地址或本地管理地址。没有写入。"},
    {TextId::MakerNoIndividual, L"{1} 的每个前缀都会构成组地址或本地管理地址，无法生成这个厂商的随机地址。"},
    {TextId::CliMakerLineOne, L"  {1}  {2}（1 个前缀）"},
    {TextId::MakerMatchesOne, L"相符的厂商：1 个。"},
    {TextId::CliPrefixNotIndividual, L"{2} 的前缀 {1} 会构成组地址或本地管理地址。没有写入。"},
    {TextId::MakerPrefixNotIndividual, L"{2} 的前缀 {1} 会构成组地址或本地管理地址，无法用它生成随机地址。"},

    {TextId::MomentBoot, L"开机"},
    {TextId::MomentLogon, L"用户登录"},
    {TextId::MomentWake, L"从睡眠中唤醒"},
    {TextId::MomentConnect, L"连接网络"},
    {TextId::KindRandom, L"随机的本地管理地址"},
    {TextId::KindMaker, L"前缀为 {1} 的厂商的随机地址"},
    {TextId::KindKeepMaker, L"与适配器同一厂商的随机地址"},
    {TextId::TaskDescription, L"QUAV 在{2}时为网络适配器 {1} 设置{3}，然后重启适配器。"},
    {TextId::LogRunBeforeMoment, L"]         计划任务 ["},
    {TextId::LogRunChanges, L"更换 MAC 地址"},
    {TextId::LogRunOwnChange, L"适配器已在使用本计划 {1} 秒前设定的地址，未作更改"},
    {TextId::LogRunNoAdapter, L"没有这个网络适配器，未作更改"},
    {TextId::LogRunDisabled, L"适配器已禁用或未启动，未作更改"},
    {TextId::LogRunScanFailed, L"无法列出网络适配器，未作更改"},
    {TextId::LogRunNoRandom, L"系统的随机数源不可用，无法生成新的地址，未作更改"},
    {TextId::LogRunNoMaker, L"无法确定 {1} 的厂商，未作更改"},
    {TextId::LogRunNotStored, L"无法写入新的地址 (错误 {1})"},
    {TextId::LogRunNotRestarted, L"地址已写入，但无法重启适配器 (错误 {1})"},
    {TextId::LogRunUnsafeRecord, L"除管理员外还有人能更改计划的记录 ({1})，未作更改"},
    {TextId::ScheduleNeedsVista, L"计划更换 MAC 地址需要 Windows Vista 或更高版本。"},
    {TextId::Schedule32On64, L"这是 32 位的 quav.exe。在 64 位 Windows 上，请用 64 位的 quav.exe 计划更换 MAC 地址。"},
    {TextId::InstallFailed, L"无法把 QUAV 安装为 {1}，因此没有计划任何更换。{2}"},
    {TextId::InstallDiffers, L"副本 {1} 与本程序不完全相同，因此没有计划任何更换。"},
    {TextId::InstallUnreadable, L"无法读取谁可以更改 {1}，因此没有计划任何更换。{2}"},
    {TextId::InstallUnsafe, L"除 Administrators、SYSTEM 和 TrustedInstaller 外，{2} 也能更改 {1}，因此没有计划任何更换：以 SYSTEM 身份运行的任务只能运行仅管理员能更改的程序。请更正它的权限，或删除它后重新计划。"},
    {TextId::TaskSchedulerFailed, L"任务计划程序没有接受任务 {1}，因此没有计划任何更换。{2}"},
    {TextId::RecordFailed, L"无法写入计划的记录 HKEY_LOCAL_MACHINE\\{1}，因此没有计划任何更换。{2}"},
    {TextId::Scheduled, L"网络适配器 {1} 将在每次{2}时获得{3}。任务计划程序以 SYSTEM 身份运行 {4}，每次运行都记入 {5}。"},
    {TextId::MomentJoin, L"、"},
    {TextId::ScheduleLine, L"网络适配器 {1}：每次{2}时，{3}"},
    {TextId::ScheduleTaskMissing, L"  任务计划程序中没有任务 {1}：请重新计划这个适配器。"},
    {TextId::NoSchedules, L"没有任何网络适配器设有计划。"},
    {TextId::Unscheduled, L"网络适配器 {1} 的计划已删除。"},
    {TextId::NotScheduled, L"网络适配器 {1} 没有计划。"},
    {TextId::UnscheduleFailed, L"无法删除任务 {1}。{2}"},
    {TextId::NoOverrides, L"没有任何网络适配器设有伪装的 MAC 地址。"},
    {TextId::Uninstalled, L"QUAV 的计划和安装的副本 {1} 已删除。"},
    {TextId::UninstallAtRestart, L"{1} 正在使用中，将在 Windows 重启时删除。"},
    {TextId::UninstallFailed, L"无法删除 {1}。{2}"},
    {TextId::UninstallOverrides, L"网络适配器 {1} 仍设有伪装的 MAC 地址；quav.exe /remove all 可使所有适配器恢复原来的地址。"},
    {TextId::MenuSchedule, L"计划更换 MAC 地址(&S)..."},
    {TextId::MenuRemoveAll, L"恢复所有适配器原来的地址(&O)..."},
    {TextId::RemoveAllQuestion, L"删除所有网络适配器的伪装 MAC 地址，使它们恢复原来的地址吗？适配器禁用/启用或重启计算机后生效。"},
    {TextId::ScheduleCaption, L"计划更换 MAC 地址"},
    {TextId::ScheduleAdapter, L"网络适配器 {1}：{2}"},
    {TextId::ScheduleMoments, L"更换时机："},
    {TextId::ScheduleKind, L"新的地址："},
    {TextId::ScheduleKindRandom, L"随机的本地管理地址(&R)"},
    {TextId::ScheduleKindKeepMaker, L"与适配器同一厂商(&K)"},
    {TextId::ScheduleKindMaker, L"指定厂商(&M)："},
    {TextId::ScheduleCurrent, L"当前的计划："},
    {TextId::ScheduleNone, L"无"},
    {TextId::ScheduleApply, L"计划(&S)"},
    {TextId::ScheduleRemove, L"删除(&D)"},
    {TextId::ScheduleClose, L"关闭"},
    {TextId::ScheduleSelectAdapter, L"请先在列表中选择要计划的网络适配器。"},
    {TextId::MomentBootCheck, L"开机(&B)"},
    {TextId::MomentLogonCheck, L"用户登录(&L)"},
    {TextId::MomentWakeCheck, L"从睡眠中唤醒(&W)"},
    {TextId::CliUnknownMoments, L"/at 后面要跟以逗号分隔的 boot、logon、wake、connect，而不是 \"{1}\"。"},
    {TextId::UsageSchedule,
     L"计划更换（Windows Vista 或更高版本）：\n"
     L"  quav.exe /schedule ID [/at boot,logon,wake,connect]\n"
     L"                      [/maker TEXT | /keep-maker] [/xml]\n"
     L"      把 QUAV 复制到 %ProgramFiles%\\QUAV，由任务计划程序以 SYSTEM\n"
     L"      身份在每次开机、用户登录、从睡眠中唤醒或连接网络时（默认\n"
     L"      boot,wake）运行它，为网络适配器 ID 设置新的随机 MAC 地址。\n"
     L"      加上 /xml 则只输出任务的 XML。\n"
     L"  quav.exe /schedule\n"
     L"      列出所有计划。\n"
     L"  quav.exe /unschedule ID|all\n"
     L"      删除网络适配器 ID 的计划，或所有计划。\n"
     L"  quav.exe /remove all\n"
     L"      删除所有网络适配器的伪装 MAC 地址。\n"
     L"  quav.exe /uninstall\n"
     L"      删除所有计划和安装的副本。\n"},
    {TextId::CliAtNeedsMoments, L"/at 后面要跟更换时机：boot、logon、wake 或 connect，以逗号分隔。"},
    {TextId::TaskServiceNotRunning, L"任务计划程序服务没有运行。"},
    {TextId::MomentConnectCheck, L"连接网络(&N)"},
});

}  // namespace quav
