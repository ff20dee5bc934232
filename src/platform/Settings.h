#pragma once

#include <optional>
#include <string>

#include "platform/Texts.h"

// The program's settings, REG_SZ values under the current user's key:
// Agreement ("1" once the terms were accepted), HideNotify ("1": no restart
// notice after a change) and Language ("en" or "zh", the user's choice).
// Everything that reads or writes them goes through here.
namespace quav {

inline constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\ORV\\QUAV12";
inline constexpr wchar_t kAgreementValue[] = L"Agreement";
inline constexpr wchar_t kHideNotifyValue[] = L"HideNotify";
inline constexpr wchar_t kLanguageValue[] = L"Language";

// Whether the value reads "1"; missing or unreadable reads as not set.
bool AgreementSet();
bool HideNotifySet();

// Writes Agreement = "1" (the key is created when missing); true when it
// then reads as set.
bool StoreAgreement();
// Writes HideNotify as "1" or "0"; a failed write is not reported.
void StoreHideNotify(bool hide);

// The language the user chose in the window; none when never chosen or unreadable.
std::optional<Language> StoredLanguage();
void StoreLanguage(Language language);
// The stored choice, else the user's interface language.
Language ChosenLanguage();

}  // namespace quav
