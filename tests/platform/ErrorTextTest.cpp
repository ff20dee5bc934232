#include "platform/ErrorText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/Texts.h"

namespace quav {
namespace {

// The system's words for an error come in the language spoken: in English
// from the system's English texts, though this Windows speaks Chinese.
TEST(ErrorText, TheSystemsWordsComeInTheLanguageSpoken) {
  const std::wstring chinese = SystemErrorText(ERROR_ACCESS_DENIED);
  SetLanguage(Language::English);
  const std::wstring english = SystemErrorText(ERROR_ACCESS_DENIED);
  SetLanguage(Language::Chinese);
  EXPECT_TRUE(chinese.ends_with(L" (错误 5)")) << chinese;
  EXPECT_TRUE(english.ends_with(L" (error 5)")) << english;
  EXPECT_TRUE(std::none_of(english.begin(), english.end(), [](wchar_t c) { return c >= 0x3000 && c <= 0x9FFF; }))
      << english;
  EXPECT_NE(chinese.substr(0, chinese.size() - 8), english.substr(0, english.size() - 10));
}

}  // namespace
}  // namespace quav
