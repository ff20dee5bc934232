#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeServices.h"
#include "support/Files.h"
#include "support/ScratchFolder.h"
#include "change/ChangeLog.h"
#include "change/LogLine.h"
#include "platform/AnsiText.h"
#include "platform/Handles.h"
#include "platform/SystemFacts.h"
#include "ui/main/frmMain.h"

namespace quav {
namespace {

using test::FakeWindows;
using test::FakeHost;
using test::ScratchFolder;

std::wstring TimeNow() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  wchar_t date[128] = {};
  wchar_t time[128] = {};
  ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
  ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
  return std::wstring(date) + L" " + time;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The file's lines, each of which must end in CR LF.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(bytes.size(), start) << "text after the last CR LF";
  return lines;
}

class ChangeLogTest : public ::testing::Test {
 protected:
  ChangeLogTest() : form_({host_, windows_, {}, folder_.Path()}) {}

  std::wstring Log() const { return folder_.Path() + L"\\QUAV.log"; }

  // Checks one line against the format with the time it must have been
  // written at: between the two readings of the clock around the call.
  void ExpectLine(const std::string& ansi, const std::wstring& before, const std::wstring& after,
                  const std::wstring& from, const std::wstring& to, const std::wstring& adapter, bool removal) {
    const std::wstring line = FromAnsi(ansi);
    const std::wstring time = line.substr(0, line.find(L" ["));
    EXPECT_TRUE(time == before || time == after) << ansi;
    const LogLineFields fields{time, GetCurrentComputerName(), adapter, GetCurrentUserName()};
    EXPECT_EQ(removal ? AddressRemovalLine(fields) : AddressChangeLine(fields, from, to), line);
  }

  ScratchFolder folder_;
  FakeHost host_;
  FakeWindows windows_;
  frmMain form_;
};

TEST_F(ChangeLogTest, EachCallAppendsOneAnsiLineInOrder) {
  WriteBytes(Log(), "earlier\r\n");

  const std::wstring t0 = TimeNow();
  EXPECT_EQ(0u, LogAddressChange(Log(), L"00-0C-29-3A-4B-5C", L"00-12-34-56-78-AB", L"0007"));
  const std::wstring t1 = TimeNow();
  EXPECT_EQ(0u, LogAddressChange(Log(), L"", L"02-00-00-00-00-01", L"0012"));
  const std::wstring t2 = TimeNow();
  EXPECT_EQ(0u, LogAddressRemoval(Log(), L"0007"));
  const std::wstring t3 = TimeNow();

  const std::string bytes = test::FileBytes(Log());
  const std::vector<std::string> lines = Lines(bytes);
  ASSERT_EQ(4u, lines.size()) << bytes;
  EXPECT_EQ("earlier", lines[0]);
  ExpectLine(lines[1], t0, t1, L"00-0C-29-3A-4B-5C", L"00-12-34-56-78-AB", L"0007", false);
  ExpectLine(lines[2], t1, t2, L"", L"02-00-00-00-00-01", L"0012", false);
  ExpectLine(lines[3], t2, t3, L"", L"", L"0007", true);
  // Code page 936: 设备 and 操作用户 as GBK bytes, not UTF-8.
  EXPECT_NE(std::string::npos, lines[1].find("]   \xC9\xE8\xB1\xB8   [0007]")) << lines[1];
  EXPECT_NE(std::string::npos, lines[3].find("\xB2\xD9\xD7\xF7\xD3\xC3\xBB\xA7   [")) << lines[3];
}

// On this Chinese Windows (code page 936) the log is Chinese; a character
// the code page lacks is written as its escape, never as "?" or a look-alike,
// and one beyond the Basic Multilingual Plane as both its halves.
TEST_F(ChangeLogTest, CharactersTheCodePageLacksAreEscaped) {
  EXPECT_EQ(Language::Chinese, LogLanguage());
  const std::wstring line = std::wstring(L"\u0141ukasz \u5F20 \U0001F600 ") + wchar_t(0xD800) + L"]";
  EXPECT_EQ("\\u0141ukasz \xD5\xC5 \\uD83D\\uDE00 \\uD800]", LogLineBytes(line));
}

TEST_F(ChangeLogTest, EmptyNewAddressLeavesNoFile) {
  EXPECT_EQ(0u, LogAddressChange(Log(), L"00-0C-29-3A-4B-5C", L"", L"0007"));
  EXPECT_FALSE(Exists(Log()));
}

// An editor that shares the file does not stop the log; a program holding it
// without sharing makes the call report the error and write nothing.
TEST_F(ChangeLogTest, SharingDecidesWhetherTheLineIsWritten) {
  WriteBytes(Log(), "earlier\r\n");
  {
    UniqueFile editor(::CreateFileW(Log().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(editor);
    EXPECT_EQ(0u, LogAddressRemoval(Log(), L"0003"));
  }
  const std::string shared = test::FileBytes(Log());
  EXPECT_EQ(2u, Lines(shared).size());
  {
    UniqueFile lock(::CreateFileW(Log().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION),
              LogAddressChange(Log(), L"00-0C-29-3A-4B-5C", L"00-12-34-56-78-AB", L"0007"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SHARING_VIOLATION), LogAddressRemoval(Log(), L"0007"));
  }
  EXPECT_EQ(shared, test::FileBytes(Log()));
}

// A folder or a file with a second name (a hard link) where the log should
// be: nothing is written through it, and the caller learns why.
TEST_F(ChangeLogTest, FolderOrSecondNameIsRefusedWithItsReason) {
  ASSERT_TRUE(::CreateDirectoryW(Log().c_str(), nullptr));
  EXPECT_EQ(kLogIsFolder, LogAddressRemoval(Log(), L"0007"));
  EXPECT_EQ(LogRefusalText(kLogIsFolder), LogErrorText(kLogIsFolder));
  ASSERT_TRUE(::RemoveDirectoryW(Log().c_str()));

  WriteBytes(Log(), "earlier\r\n");
  const std::wstring other = folder_.Path() + L"\\elsewhere.txt";
  ASSERT_TRUE(::CreateHardLinkW(other.c_str(), Log().c_str(), nullptr));
  EXPECT_EQ(kLogHasOtherNames, LogAddressRemoval(Log(), L"0007"));
  EXPECT_EQ("earlier\r\n", test::FileBytes(other));
  ::DeleteFileW(other.c_str());
  EXPECT_EQ(0u, LogAddressRemoval(Log(), L"0007")) << "one name again";
}

TEST_F(ChangeLogTest, LogLivesBesideTheProgramWithoutAFolderGiven) {
  frmMain beside({host_, windows_, {}, L""});
  wchar_t program[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring expected = program;
  expected = expected.substr(0, expected.rfind(L'\\')) + L"\\QUAV.log";
  EXPECT_EQ(expected, beside.LogFilePath());
  EXPECT_EQ(Log(), form_.LogFilePath());
}

TEST_F(ChangeLogTest, ViewingCreatesAMissingLogWithOneEmptyLineAndOpensIt) {
  test::InitControls();
  ASSERT_TRUE(form_.Create());
  form_.mnuView_Click();

  EXPECT_EQ("\r\n", test::FileBytes(Log()));
  ASSERT_EQ(1u, host_.opened.size());
  EXPECT_EQ(form_.Hwnd(), host_.opened[0].owner);
  wchar_t system[MAX_PATH] = {};
  ::GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(std::wstring(system) + L"\\notepad.exe", host_.opened[0].file) << "never found by bare name";
  EXPECT_EQ(L"\"" + Log() + L"\"", host_.opened[0].parameters);
  EXPECT_EQ(L"", host_.opened[0].directory);
}

TEST_F(ChangeLogTest, ViewingLeavesAnExistingLogAsItIs) {
  test::InitControls();
  ASSERT_TRUE(form_.Create());
  WriteBytes(Log(), "line one\r\nline two\r\n");
  form_.mnuView_Click();
  EXPECT_EQ("line one\r\nline two\r\n", test::FileBytes(Log()));
  EXPECT_EQ(1u, host_.opened.size());
}

// A folder or a second name where the log should be is refused as the
// append refuses it: the user is told, and no editor opens it.
TEST_F(ChangeLogTest, ViewingRefusesAFolderOrASecondName) {
  test::InitControls();
  ASSERT_TRUE(form_.Create());
  ASSERT_TRUE(::CreateDirectoryW(Log().c_str(), nullptr));
  form_.mnuView_Click();
  ASSERT_EQ(1u, host_.messages.size());
  EXPECT_EQ(L"无法打开日志 " + Log() + L"。\r\n\r\n" + LogRefusalText(kLogIsFolder), host_.messages[0].text);
  ASSERT_TRUE(::RemoveDirectoryW(Log().c_str()));

  WriteBytes(Log(), "earlier\r\n");
  const std::wstring other = folder_.Path() + L"\\elsewhere.txt";
  ASSERT_TRUE(::CreateHardLinkW(other.c_str(), Log().c_str(), nullptr));
  form_.mnuView_Click();
  ASSERT_EQ(2u, host_.messages.size());
  EXPECT_NE(std::wstring::npos, host_.messages[1].text.find(LogRefusalText(kLogHasOtherNames)));
  EXPECT_TRUE(host_.opened.empty());

  ::DeleteFileW(other.c_str());
  ASSERT_TRUE(::SetFileAttributesW(Log().c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  form_.mnuView_Click();
  EXPECT_EQ(1u, host_.opened.size()) << "a read-only, hidden log of one name opens";
  ::SetFileAttributesW(Log().c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace quav
