#pragma once

#include <string>

// The program's two settings, REG_SZ values under the current user's key:
// Agreement ("1" once the terms were accepted) and HideNotify ("1": no
// restart notice after a change). Everything that reads or writes them goes
// through here.
namespace quav {

inline constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\ORV\\QUAV12";
inline constexpr wchar_t kAgreementValue[] = L"Agreement";
inline constexpr wchar_t kHideNotifyValue[] = L"HideNotify";

// Whether the value reads "1"; missing or unreadable reads as not set.
bool AgreementSet();
bool HideNotifySet();

// Writes Agreement = "1" (the key is created when missing); true when it
// then reads as set.
bool StoreAgreement();
// Writes HideNotify as "1" or "0"; a failed write is not reported.
void StoreHideNotify(bool hide);

}  // namespace quav
