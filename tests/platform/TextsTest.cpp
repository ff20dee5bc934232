#include "platform/Texts.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace quav {
namespace {

bool HasCjk(std::wstring_view text) {
  for (const wchar_t c : text) {
    if ((c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF)) return true;
  }
  return false;
}

TEST(Texts, EveryTextInBothLanguagesWithTheSamePieces) {
  for (size_t k = 0; k < kTextCount; ++k) {
    const TextId id = static_cast<TextId>(k);
    const std::wstring_view chinese = SayIn(Language::Chinese, id), english = SayIn(Language::English, id);
    EXPECT_FALSE(chinese.empty()) << k;
    EXPECT_FALSE(english.empty()) << k;
    // English alone names an adapter beside its ID.
    std::string englishPieces = Placeholders(english);
    std::erase(englishPieces, kAdapterNamePlaceholder);
    EXPECT_EQ(Placeholders(chinese), englishPieces) << "text " << k;
    // The language entry names both languages, so that either reader finds it.
    if (id != TextId::MenuLanguage) {
      EXPECT_FALSE(HasCjk(english)) << "text " << k;
    }
  }
}

TEST(Texts, PiecesGoWhereTheirNumbersStand) {
  EXPECT_EQ(L"b then a, a", Filled(L"{2} then {1}, {1}", {L"a", L"b"}));
  EXPECT_EQ(L"{2} {x} {0} a", Filled(L"{2} {x} {0} {1}", {L"a"})) << "placeholders without a piece stay";
  EXPECT_EQ(L"{1}", Filled(L"{1}", {L"{1}"})) << "a piece is not filled again";
  EXPECT_EQ("123", Placeholders(L"{3}{1}{2}{1} {x}"));
}

TEST(Texts, AnAdapterIsNamedBesideItsIdInEnglishOnly) {
  SetLanguage(Language::English);
  EXPECT_EQ(L"Cannot remove the spoofed MAC address of network adapter 0007 (Intel(R) PRO/1000 {1}).",
            SayNaming(TextId::CannotRemove, L"Intel(R) PRO/1000 {1}", {L"0007"}));
  EXPECT_EQ(L"Cannot remove the spoofed MAC address of network adapter 0007.",
            SayNaming(TextId::CannotRemove, L"", {L"0007"}));
  SetLanguage(Language::Chinese);
  EXPECT_EQ(L"无法删除网络适配器 0007 的伪装 MAC 地址。", SayNaming(TextId::CannotRemove, L"Intel", {L"0007"}));
}

// In English each button and the check box of the main window has an access
// key of its own, none of the menu bar's; the Chinese design has none.
TEST(Texts, TheEnglishMainWindowHasAnAccessKeyForEachControl) {
  const auto key = [](TextId id) {
    const std::wstring_view text = SayIn(Language::English, id);
    const size_t at = text.find(L'&');
    return at + 1 < text.size() ? static_cast<wchar_t>(std::towupper(text[at + 1])) : L'\0';
  };
  std::wstring taken{key(TextId::MenuFile), key(TextId::MenuAbout)};
  for (const TextId id : {TextId::MainActiveOnly, TextId::MainUpdate, TextId::MainRemove, TextId::MainRefresh,
                          TextId::MainExit}) {
    EXPECT_NE(L'\0', key(id)) << SayIn(Language::English, id);
    EXPECT_EQ(std::wstring::npos, taken.find(key(id))) << SayIn(Language::English, id);
    taken += key(id);
    EXPECT_EQ(std::wstring::npos, std::wstring_view(SayIn(Language::Chinese, id)).find(L'&'));
  }
}

TEST(Texts, LanguageFromChoiceElseInterface) {
  EXPECT_EQ(Language::Chinese, LanguageFor(std::nullopt, 0x0804));
  EXPECT_EQ(Language::Chinese, LanguageFor(std::nullopt, 0x0404)) << "any Chinese";
  EXPECT_EQ(Language::English, LanguageFor(std::nullopt, 0x0409));
  EXPECT_EQ(Language::English, LanguageFor(std::nullopt, 0x0411));
  EXPECT_EQ(Language::English, LanguageFor(Language::English, 0x0804)) << "the stored choice wins";
  Language language = Language::Chinese;
  EXPECT_TRUE(LanguageFromCode(L"EN", language));
  EXPECT_EQ(Language::English, language);
  EXPECT_FALSE(LanguageFromCode(L"fr", language));
  EXPECT_FALSE(LanguageFromCode(L"", language));
}

TEST(Texts, SpeaksTheLanguageSet) {
  SetLanguage(Language::English);
  EXPECT_STREQ(L"Yes", Say(TextId::Yes));
  EXPECT_EQ(L"About QUAV 1.2", Say(TextId::AboutCaption, {L"QUAV 1.2"}));
  SetLanguage(Language::Chinese);
  EXPECT_STREQ(L"是", Say(TextId::Yes));
}

}  // namespace
}  // namespace quav
