#pragma once

#include <string>

// The texts and readings of the main window's start-up.
namespace quav {

// The probe of write rights below HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kRightsProbeKey[] = L"SYSTEM\\CurrentControlSet";
inline constexpr wchar_t kRightsProbeValue[] = L"Access";

inline constexpr wchar_t kSecondCopyMessage[] = L"该程序已经载入到内存。";
inline constexpr wchar_t kWindowsVersionMessage[] = L"该程序要求运行于 Windows 2000 或 Windows XP。";

// The risk notice at the foot of the main window.
std::wstring DisclaimerText();

// The message for a user who may not write below SYSTEM\CurrentControlSet:
// three texts, each padded with its run of blanks.
std::wstring RightsMessageText();

}  // namespace quav
