#pragma once

#include <string>
#include <string_view>

#include "platform/Texts.h"

// The lines of the change log and where the log lives, without any system
// call: the Windows side fills in the time, names and folder.
namespace quav {

// What every line of the log names besides the addresses.
struct LogLineFields {
  std::wstring time;     // local short date, a blank, long time
  std::wstring machine;  // computer name
  std::wstring adapter;  // class subkey name, e.g. 0007
  std::wstring user;     // logon name
  // The language of the line's words: one per machine, whatever the program
  // speaks (LogLanguage in ChangeLog.h).
  Language language = Language::Chinese;
};

// A change line, without its line end: naming the from address when there is
// one, otherwise only the new address. A control character in any field
// stands as its escape (LogEscape), so a line never holds a line break of its
// own.
std::wstring AddressChangeLine(const LogLineFields& fields, std::wstring_view fromAddress,
                               std::wstring_view newAddress);

// A removal line, without its line end.
std::wstring AddressRemovalLine(const LogLineFields& fields);

// A scheduled run's line, without its line end: the moment that started it
// (in the words of the log's language) and what the run did.
std::wstring ScheduledRunLine(const LogLineFields& fields, std::wstring_view moment, std::wstring_view result);

// How a character that cannot stand in a line as it is (a control
// character, or one the log's code page lacks) is written instead: "\u" and
// its four hexadecimal digits, "\u000A" for a line feed. Nothing is lost,
// and a reader can tell it from the rest.
std::wstring LogEscape(wchar_t c);

// The Chinese words of the log, all in one text, to try on a code page.
std::wstring ChineseLogWords();

// The log file in a folder; a folder that ends in a backslash (a drive root)
// gets no second one.
std::wstring LogFileIn(std::wstring_view folder);

// What the open log file's handle says of it. The name is opened as it
// stands, so a link is seen as a link, not as what it points to.
struct LogFileFacts {
  bool directory = false;
  bool reparsePoint = false;  // a symbolic link or junction
  unsigned long links = 1;    // the file's names (hard links)
};

// Why a line is not appended to a file, as codes of the program's own (the
// customer bit set, so no system code is one of them).
inline constexpr unsigned long kLogIsFolder = 0x20000001;
inline constexpr unsigned long kLogIsLink = 0x20000002;
inline constexpr unsigned long kLogHasOtherNames = 0x20000003;

// 0 when a line may be appended, else the code of the refusal: an elevated
// append must not write through a link, or through another name, into a file
// someone else chose.
unsigned long LogFileRefusal(const LogFileFacts& facts);

// The user's sentence for a refusal code; empty for any other code.
std::wstring LogRefusalText(unsigned long code);

}  // namespace quav
