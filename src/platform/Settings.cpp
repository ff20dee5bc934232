#include "platform/Settings.h"

#include <windows.h>

#include "platform/TextRules.h"
#include "platform/modRegistry.h"

namespace quav {
namespace {

bool ReadsSet(const wchar_t* value) {
  DWORD type = 0;
  long status = 0;
  return ReadsAsSet(GetRegValue(HKEY_CURRENT_USER, kSettingsKey, value, type, status));
}

}  // namespace

bool AgreementSet() { return ReadsSet(kAgreementValue); }

bool HideNotifySet() { return ReadsSet(kHideNotifyValue); }

bool StoreAgreement() {
  SetRegValue(HKEY_CURRENT_USER, kSettingsKey, kAgreementValue, REG_SZ, L"1");
  return AgreementSet();
}

void StoreHideNotify(bool hide) {
  SetRegValue(HKEY_CURRENT_USER, kSettingsKey, kHideNotifyValue, REG_SZ, hide ? L"1" : L"0");
}

std::optional<Language> StoredLanguage() {
  std::wstring code;
  Language language = Language::Chinese;
  if (!TryGetRegValue(HKEY_CURRENT_USER, kSettingsKey, kLanguageValue, code) || !LanguageFromCode(code, language)) {
    return std::nullopt;
  }
  return language;
}

void StoreLanguage(Language language) {
  SetRegValue(HKEY_CURRENT_USER, kSettingsKey, kLanguageValue, REG_SZ, LanguageCode(language));
}

Language ChosenLanguage() { return LanguageFor(StoredLanguage(), ::GetUserDefaultUILanguage()); }

}  // namespace quav
