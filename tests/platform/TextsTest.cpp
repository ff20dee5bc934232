#include "platform/Texts.h"

#include <gtest/gtest.h>

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
    EXPECT_FALSE(english.empty()) << k;
    EXPECT_EQ(Placeholders(chinese), Placeholders(english)) << "text " << k;
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
