#include "ui/main/MacText.h"

#include <gtest/gtest.h>

namespace quav {
namespace {

using Boxes = std::array<std::wstring, 6>;

TEST(FormatMac, NormalisesCaseAndSeparators) {
  EXPECT_EQ(L"00-50-56-C0-00-08", FormatMacText(L"00-50-56-c0-00-08", false).display);
  EXPECT_EQ(L"00-50-56-8C-00-08", FormatMacText(L"0050568c0008", false).display);
  EXPECT_EQ(L"00-50-56-8C-00-08", FormatMacText(L"0050568c000899", false).display) << "first 12 digits kept";
  EXPECT_FALSE(FormatMacText(L"00-50", false).boxes) << "boxes untouched without fill";
}

TEST(FormatMac, ColonsBlanksAndOtherCharactersMakeTheTextInvalid) {
  for (const wchar_t* text : {L"00:50:56:C0:00:08", L"00 50 56 C0 00 08", L"00-50-56-G0-00-08", L"中文"}) {
    EXPECT_EQ(L"", FormatMacText(text, false).display);
    const MacFormat filled = FormatMacText(text, true);
    EXPECT_EQ(L"", filled.display);
    ASSERT_TRUE(filled.boxes);
    EXPECT_EQ(Boxes{}, *filled.boxes) << "the boxes are left empty";
  }
}

TEST(FormatMac, ShortTextsPadDifferentlyWithAndWithoutFillingTheBoxes) {
  EXPECT_EQ(L"12-03-00-00-00-00", FormatMacText(L"123", false).display);
  const MacFormat filled = FormatMacText(L"123", true);
  EXPECT_EQ(L"00-00-00-00-01-23", filled.display);
  EXPECT_EQ((Boxes{L"00", L"00", L"00", L"00", L"01", L"23"}), *filled.boxes);

  EXPECT_EQ(L"AB-0C-00-00-00-00", FormatMacText(L"ABC", false).display);
  EXPECT_EQ((Boxes{L"00", L"00", L"00", L"00", L"0A", L"BC"}), *FormatMacText(L"ABC", true).boxes);
}

TEST(FormatMac, DashesOnlyAndEmptyTexts) {
  const MacFormat dashes = FormatMacText(L"-----", true);
  EXPECT_EQ(L"00-00-00-00-00-00", dashes.display);
  EXPECT_EQ((Boxes{L"00", L"00", L"00", L"00", L"00", L"00"}), *dashes.boxes);
  EXPECT_EQ(L"", FormatMacText(L"-----", false).display);
  const MacFormat empty = FormatMacText(L"", true);
  EXPECT_EQ(L"", empty.display);
  EXPECT_EQ(Boxes{}, *empty.boxes) << "emptied";
}

TEST(EntryKeys, OnlyHexadecimalDigitsAndBackspacePass) {
  EXPECT_EQ(L'B', FilterEntryKey(L'b'));
  EXPECT_EQ(L'F', FilterEntryKey(L'F'));
  EXPECT_EQ(L'7', FilterEntryKey(L'7'));
  EXPECT_EQ(8, FilterEntryKey(8));
  for (int key : {int{L'g'}, int{L'-'}, int{L' '}, int{L':'}, 0x16 /* Ctrl+V */, 0x03, 13, 27, int{L'Ａ'}, 0x0661}) {
    EXPECT_EQ(0, FilterEntryKey(key)) << key;
  }
}

TEST(EntryKeys, ALoneDigitIsCompleted) {
  EXPECT_EQ(L"0A", CompleteEntryBox(L"A"));
  EXPECT_EQ(L"", CompleteEntryBox(L""));
  EXPECT_EQ(L"AB", CompleteEntryBox(L"AB"));
}

TEST(EntryKeys, ButtonStatesFollowTheBoxesAndTheList) {
  struct Case {
    size_t length;
    long rows;
    bool update;
    bool clear;
  };
  for (const Case& c : {Case{0, 3, false, false}, Case{1, 3, false, true}, Case{10, 3, false, true},
                        Case{11, 3, true, true}, Case{12, 3, true, true}, Case{11, 0, false, true},
                        Case{12, 0, false, true}, Case{0, 0, false, false}}) {
    EXPECT_EQ(c.update, UpdateButtonEnabled(c.length, c.rows)) << c.length << " " << c.rows;
    EXPECT_EQ(c.clear, ClearButtonEnabled(c.length)) << c.length;
  }
}

}  // namespace
}  // namespace quav
