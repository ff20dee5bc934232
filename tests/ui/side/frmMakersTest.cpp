#include "ui/side/frmMakers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <regex>

#include "ui/side/SideWindowFixture.h"

namespace quav {
namespace {

using namespace frmMakersControls;
using Clock = std::chrono::steady_clock;

class MakersTest : public test::SideWindowTest {
 protected:
  void SetUp() override {
    test::SideWindowTest::SetUp();
    ASSERT_TRUE(makers.Create(main.Hwnd()));
  }
  // Types one character into the search box as a key would.
  void Type(wchar_t c) { ::SendMessageW(makers.Item(txtSearch), WM_CHAR, c, 1); }

  frmMakers makers;
};

// Each key answers at once over the whole table (the slowest key is
// printed), and OK takes the selected maker with its prefixes.
TEST_F(MakersTest, ListsTheMatchesAtEveryKeyAndOkTakesTheSelectedOne) {
  EXPECT_EQ(0, makers.lvwMakers.Count()) << "nothing typed, nothing listed";
  EXPECT_EQ(L"", makers.Text(lblCount)) << "and nothing counted";
  EXPECT_FALSE(makers.Enabled(cmdOK));
  // Counts end at the column's right edge, as Windows shows numbers.
  LVCOLUMNW column{};
  column.mask = LVCF_FMT;
  ASSERT_TRUE(ListView_GetColumn(makers.lvwMakers.Hwnd(), 1, &column));
  EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);
  Clock::duration slowest{};
  for (const wchar_t c : std::wstring(L"a parallels")) {
    const Clock::time_point start = Clock::now();
    Type(c);
    slowest = std::max(slowest, Clock::now() - start);
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(slowest).count();
  std::printf("== Maker search: slowest key %lld ms\n", static_cast<long long>(ms));
  EXPECT_GT(150, ms) << "the slowest key took " << ms << " ms";

  ASSERT_EQ(1, makers.lvwMakers.Count()) << "\"a parallels\": only Alpha Data Parallel Systems";
  EXPECT_EQ(L"Alpha Data Parallel Systems, Ltd.", makers.lvwMakers.Text(1));
  EXPECT_EQ(L"1", makers.lvwMakers.SubItem(1, 1));
  EXPECT_EQ(1, makers.lvwMakers.SelectedPosition());
  SetLanguage(Language::English);
  makers.txtSearch_Change();
  const std::wstring one = makers.Text(lblCount);
  SetLanguage(Language::Chinese);
  EXPECT_EQ(L"1 maker matches.", one);

  // Thousands grouped as the user's locale writes them ("7,925").
  makers.SetText(txtSearch, L"inc");
  EXPECT_EQ(200, makers.lvwMakers.Count()) << "the first 200 of many";
  EXPECT_TRUE(std::regex_search(makers.Text(lblCount), std::wregex(L"[0-9],[0-9]{3}.*200"))) << makers.Text(lblCount);

  // The maker whose name starts with the text first; a prefix typed is the
  // one drawn from, not any of its maker's.
  makers.SetText(txtSearch, L"intel");
  EXPECT_EQ(L"Intel Corporate", makers.lvwMakers.Text(1));
  makers.SetText(txtSearch, L"00-1b-21");
  ASSERT_EQ(1, makers.lvwMakers.Count());
  EXPECT_NE(L"1", makers.lvwMakers.SubItem(1, 1)) << "all of the maker's prefixes are counted";
  makers.cmdOK_Click();
  ASSERT_TRUE(makers.Chosen);
  EXPECT_EQ(L"Intel Corporate", makers.Chosen->name);
  EXPECT_EQ(std::vector<uint32_t>{0x001B21}, makers.Chosen->prefixes);
  EXPECT_EQ(nullptr, makers.Hwnd());
}

}  // namespace
}  // namespace quav
