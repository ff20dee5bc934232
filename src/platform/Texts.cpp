#include "platform/Texts.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <span>

#include "platform/TextTable.h"

namespace quav {

extern const TextTable kChineseTexts;
extern const TextTable kEnglishTexts;

namespace {

Language current = Language::Chinese;

bool IsPlaceholderAt(std::wstring_view text, size_t at) {
  return at + 2 < text.size() && text[at] == L'{' && text[at + 1] >= L'1' && text[at + 1] <= L'9' &&
         text[at + 2] == L'}';
}

std::wstring Filled(std::wstring_view text, std::span<const std::wstring_view> pieces) {
  std::wstring result;
  result.reserve(text.size() + 64);
  for (size_t at = 0; at < text.size(); ++at) {
    const size_t piece = IsPlaceholderAt(text, at) ? static_cast<size_t>(text[at + 1] - L'1') : pieces.size();
    if (piece < pieces.size()) {
      result += pieces[piece];
      at += 2;
    } else {
      result += text[at];
    }
  }
  return result;
}

}  // namespace

Language CurrentLanguage() { return current; }

void SetLanguage(Language language) { current = language; }

const wchar_t* SayIn(Language language, TextId id) {
  const TextTable& table = language == Language::English ? kEnglishTexts : kChineseTexts;
  return table[static_cast<size_t>(id)];
}

const wchar_t* Say(TextId id) { return SayIn(current, id); }

std::wstring Filled(std::wstring_view text, std::initializer_list<std::wstring_view> pieces) {
  return Filled(text, std::span(pieces.begin(), pieces.size()));
}

std::wstring Say(TextId id, std::initializer_list<std::wstring_view> pieces) { return Filled(Say(id), pieces); }

std::wstring SayNaming(TextId id, std::wstring_view adapterName, std::initializer_list<std::wstring_view> pieces) {
  const std::wstring aside = adapterName.empty() ? std::wstring() : Say(TextId::AdapterNameAside, {adapterName});
  constexpr size_t kName = kAdapterNamePlaceholder - '1';
  std::array<std::wstring_view, kName + 1> all{};
  std::copy_n(pieces.begin(), std::min(pieces.size(), kName), all.begin());
  all[kName] = aside;
  return Filled(Say(id), all);
}

std::string Placeholders(std::wstring_view text) {
  std::string digits;
  for (size_t at = 0; at < text.size(); ++at) {
    if (IsPlaceholderAt(text, at) && digits.find(static_cast<char>(text[at + 1])) == std::string::npos) {
      digits += static_cast<char>(text[at + 1]);
    }
  }
  std::sort(digits.begin(), digits.end());
  return digits;
}

bool LanguageFromCode(std::wstring_view code, Language& language) {
  std::wstring lower(code);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
  if (lower == L"en") {
    language = Language::English;
  } else if (lower == L"zh") {
    language = Language::Chinese;
  } else {
    return false;
  }
  return true;
}

Language LanguageFor(std::optional<Language> stored, unsigned short interfaceLanguage) {
  constexpr unsigned short kPrimaryChinese = 0x04;  // LANG_CHINESE
  if (stored) return *stored;
  return (interfaceLanguage & 0x3FF) == kPrimaryChinese ? Language::Chinese : Language::English;
}

const wchar_t* LanguageCode(Language language) { return language == Language::English ? L"en" : L"zh"; }

}  // namespace quav
