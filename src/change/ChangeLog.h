#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "change/LogLine.h"

// The change log beside the program, for the window and the command line.
namespace quav {

// The log in the program's own folder.
std::wstring LogFileBesideProgram();

// The language of the log's lines on this machine: Chinese, as designed,
// where the system's locale (Windows' language for non-Unicode programs) is
// Chinese and its ANSI code page holds every Chinese word of the log; English
// everywhere else. So a machine writes one language into its log whatever
// language the window or a command line speaks, and no word is lost to the
// code page.
Language LogLanguage();

// Time, computer, user and language of a line written now, for the adapter
// named.
LogLineFields LogFieldsNow(const std::wstring& adapterIndex);

// The line in the ANSI code page; a character the code page lacks (a user
// name in another script) is written as its escape (LogEscape), not as "?".
std::string LogLineBytes(std::wstring_view line);

// Appends one line in the ANSI code page (LogLineBytes), with CR LF. Returns 0, or why the
// line could not be written: the system's error code, or a refusal code of
// LogFileRefusal for a file that is a link, a folder or has other names. A
// half-written line is ended, so it never runs into the next one.
DWORD AppendLogLine(const std::wstring& path, std::wstring_view line);

// Makes the log ready to be opened in an editor: a missing log is created
// with one empty line, an existing one is left as it is. Returns 0, the
// system's error, or the refusal of AppendLogLine, checked the same way.
DWORD PrepareLogForViewing(const std::wstring& path);

// The change and removal lines, appended to the log at path; each returns
// what AppendLogLine returned. An empty new address writes nothing.
DWORD LogAddressChange(const std::wstring& path, const std::wstring& fromAddress, const std::wstring& newAddress,
                       const std::wstring& adapterIndex);
DWORD LogAddressRemoval(const std::wstring& path, const std::wstring& adapterIndex);

// The user's text for what AppendLogLine returned.
std::wstring LogErrorText(DWORD code);

}  // namespace quav
