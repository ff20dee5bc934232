#pragma once

#include <string>

#include "platform/Texts.h"

// The texts and readings of the main window's start-up.
namespace quav {

// The probe of write rights below HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kRightsProbeKey[] = L"SYSTEM\\CurrentControlSet";
inline constexpr wchar_t kRightsProbeValue[] = L"Access";


// The risk notice at the foot of the main window.
std::wstring DisclaimerText();

// The message for a user who may not write below SYSTEM\CurrentControlSet
// (in Chinese three texts, each padded with its run of blanks).
std::wstring RightsMessageText();

}  // namespace quav
