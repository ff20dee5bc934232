#include "change/LogLine.h"

#include <gtest/gtest.h>

#include <string>

namespace quav {
namespace {

std::wstring Blanks(size_t count) { return std::wstring(count, L' '); }

const LogLineFields kFields{L"2024/5/17 9:05:03", L"WORKSTATION", L"0007", L"Administrator"};

// The head every line shares: time, " [", machine, "]", 3 blanks, 设备, 3 blanks, "[", adapter.
std::wstring ExpectedHead() {
  return kFields.time + L" [" + kFields.machine + L"]" + Blanks(3) + L"设备" + Blanks(3) + L"[" + kFields.adapter;
}

// "]", 3 blanks, 操作用户, 2 blanks, "[", user, "]".
std::wstring ExpectedChangeTail() { return L"]" + Blanks(3) + L"操作用户" + Blanks(2) + L"[" + kFields.user + L"]"; }

TEST(LogLine, ChangeWithFromAddressNamesBothAddresses) {
  const std::wstring expected = ExpectedHead() + L"]" + Blanks(9) + L"伪装" + Blanks(1) + L"MAC" + Blanks(1) +
                                L"地址从" + Blanks(7) + L"[" + L"00-0C-29-3A-4B-5C" + L"]" + Blanks(2) + L"为" +
                                Blanks(1) + L"[" + L"00-12-34-56-78-AB" + ExpectedChangeTail();
  EXPECT_EQ(expected, AddressChangeLine(kFields, L"00-0C-29-3A-4B-5C", L"00-12-34-56-78-AB"));
}

TEST(LogLine, ChangeWithoutFromAddressNamesOnlyTheNewOne) {
  const std::wstring expected = ExpectedHead() + L"]" + Blanks(7) + L"伪装" + Blanks(1) + L"MAC" + Blanks(1) +
                                L"地址为" + Blanks(7) + L"[" + L"00-12-34-56-78-AB" + ExpectedChangeTail();
  EXPECT_EQ(expected, AddressChangeLine(kFields, L"", L"00-12-34-56-78-AB"));
}

TEST(LogLine, RemovalNamesNoAddress) {
  const std::wstring expected = ExpectedHead() + L"]" + Blanks(9) + L"删除伪装的" + Blanks(1) + L"MAC" +
                                Blanks(1) + L"地址" + Blanks(9) + L"操作用户" + Blanks(3) + L"[" + kFields.user +
                                L"]";
  EXPECT_EQ(expected, AddressRemovalLine(kFields));
}

// The English lines keep the Chinese lines' layout: the same fields in the
// same order between brackets.
TEST(LogLine, EnglishLinesHaveTheChineseLayout) {
  LogLineFields english = kFields;
  english.language = Language::English;
  const std::wstring head = L"2024/5/17 9:05:03 [WORKSTATION]   Adapter   [0007]";
  EXPECT_EQ(head + L"         Spoofed MAC address from       [00-0C-29-3A-4B-5C]  to [00-12-34-56-78-AB]   User  "
                   L"[Administrator]",
            AddressChangeLine(english, L"00-0C-29-3A-4B-5C", L"00-12-34-56-78-AB"));
  EXPECT_EQ(head + L"         Spoofed MAC address removed         User   [Administrator]", AddressRemovalLine(english));
}

TEST(LogLine, ControlCharactersInAFieldCannotStartAnotherLine) {
  // A class subkey name may hold CR LF: it must not forge a line of its own,
  // and no character is lost.
  const LogLineFields forged{L"2024/5/17\t9:05:03", std::wstring(L"PC\0", 3),
                             L"0007]\r\n2024/5/17 9:06:00 [PC]   设备   [0001", L"Admin\x7F"};
  const std::wstring removal = AddressRemovalLine(forged);
  EXPECT_EQ(std::wstring::npos, removal.find_first_of(std::wstring(L"\r\n\t\x7F\0", 5)));
  EXPECT_EQ(0u, removal.find(L"2024/5/17\\u00099:05:03 [PC\\u0000]   设备   [0007]\\u000D\\u000A2024/5/17 9:06:00 [PC]"
                             L"   设备   [0001]"))
      << removal;
  EXPECT_TRUE(removal.ends_with(L"[Admin\\u007F]")) << removal;
  const std::wstring change = AddressChangeLine(forged, L"00-0C\n", L"00-12\r");
  EXPECT_EQ(std::wstring::npos, change.find_first_of(L"\r\n"));
  EXPECT_NE(std::wstring::npos, change.find(L"[00-0C\\u000A]  为 [00-12\\u000D]"));
  EXPECT_EQ(L"\\uFFFF", LogEscape(0xFFFF));
}

TEST(LogLine, LogFileSitsInTheFolderWithOneBackslash) {
  EXPECT_EQ(L"C:\\Program Files\\QUAV\\QUAV.log", LogFileIn(L"C:\\Program Files\\QUAV"));
  EXPECT_EQ(L"C:\\QUAV.log", LogFileIn(L"C:\\"));
  EXPECT_EQ(L"\\\\server\\share\\QUAV.log", LogFileIn(L"\\\\server\\share\\"));
}

// A file the log may not be written to: what the handle says of it, and the
// refusal. A junction is a folder that is a reparse point, and counts as a link.
TEST(LogLine, LogFileIsRefusedWhenItIsALinkAFolderOrHasOtherNames) {
  struct Row {
    bool directory, reparsePoint;
    unsigned long links, refusal;
  };
  for (const Row& row : {Row{false, false, 1, 0}, Row{false, false, 2, kLogHasOtherNames},
                         Row{true, false, 1, kLogIsFolder}, Row{false, true, 1, kLogIsLink},
                         Row{true, true, 1, kLogIsLink}, Row{false, true, 2, kLogIsLink},
                         Row{true, false, 2, kLogIsFolder}}) {
    const unsigned long refusal = LogFileRefusal({row.directory, row.reparsePoint, row.links});
    EXPECT_EQ(row.refusal, refusal) << row.directory << row.reparsePoint << row.links;
    EXPECT_EQ(refusal != 0, !LogRefusalText(refusal).empty());
  }
  EXPECT_EQ(L"", LogRefusalText(5)) << "system codes keep the system's text";
}

}  // namespace
}  // namespace quav
