#include "ui/side/LicenseText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/side/OrvContact.h"

namespace quav {
namespace {

std::vector<std::wstring> Paragraphs(const std::wstring& text) {
  std::vector<std::wstring> paragraphs;
  for (size_t start = 0;;) {
    const size_t end = text.find(L"\r\n\r\n", start);
    paragraphs.push_back(text.substr(start, end - start));
    if (end == std::wstring::npos) return paragraphs;
    start = end + 4;
  }
}

TEST(LicenseText, ParagraphsNumberingAndLanguages) {
  const std::wstring text = GetLicenseText();
  const auto p = Paragraphs(text);
  ASSERT_EQ(28u, p.size());
  EXPECT_NE(L'\n', text.back());
  // Headings are whole paragraphs; clauses start with their number and a blank.
  const std::pair<size_t, const wchar_t*> starts[] = {
      {1, L"最终用户许可协议:"}, {2, L"1. 承诺条款"}, {3, L"1.1 "}, {4, L"1.2 "}, {5, L"2. Permitted Use"},
      {6, L"2.1 "}, {7, L"2.2 "}, {8, L"2.3 "}, {9, L"3. Technical Support"}, {10, L"3.1 "},
      {11, L"4. No Express or Implied Warranty"}, {12, L"4.1 "}, {13, L"5. Limitation of Liability"},
      {14, L"5.1 "}, {15, L"5.2 "}, {16, L"6. Indemnification"}, {17, L"6.1 "},
      {18, L"7. Intellectual Property Rights"}, {19, L"7.1 "}, {20, L"8. Miscellaneous"}, {21, L"8.1 "},
      {22, L"8.2 "}, {23, L"8.3 "}, {24, L"8.4 "}, {25, L"8.5 "}, {26, L"8.6 "}};
  for (auto [k, start] : starts) {
    const std::wstring expected = start;
    if (expected.back() == L' ') {
      EXPECT_EQ(0u, p[k].rfind(expected, 0)) << "paragraph " << k + 1;
    } else {
      EXPECT_EQ(expected, p[k]) << "paragraph " << k + 1;
    }
  }
  for (size_t k = 0; k < p.size(); ++k) {
    EXPECT_FALSE(p[k].empty() || p[k].find_first_of(L"\r\n") != std::wstring::npos) << "paragraph " << k + 1;
    // Chinese first (paragraphs 1 to 4), English after.
    const bool chinese = std::any_of(p[k].begin(), p[k].end(), [](wchar_t c) { return c >= 0x4E00 && c <= 0x9FFF; });
    const bool ascii = std::all_of(p[k].begin(), p[k].end(), [](wchar_t c) { return c >= 0x20 && c < 0x7F; });
    EXPECT_TRUE(k < 4 ? chinese : ascii) << "paragraph " << k + 1;
  }
  for (size_t k : {12u, 14u, 15u}) {
    EXPECT_TRUE(std::none_of(p[k].begin(), p[k].end(), [](wchar_t c) { return c >= L'a' && c <= L'z'; })) << "paragraph " << k + 1 << " in capitals";
  }
  EXPECT_NE(std::wstring::npos, p[27].find(kContactEmail));
  EXPECT_NE(std::wstring::npos, p[27].find(kMakerPage));
}

}  // namespace
}  // namespace quav
