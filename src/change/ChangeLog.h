#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "change/LogLine.h"

// The change log beside the program, for the window and the command line.
namespace quav {

// The log in the program's own folder.
std::wstring LogFileBesideProgram();

// Time, computer and user of a line written now, for the adapter named.
LogLineFields LogFieldsNow(const std::wstring& adapterIndex);

// Appends one line in the ANSI code page, with CR LF. Returns 0, or the
// system's error code when the line could not be written; a half line never
// stays behind.
DWORD AppendLogLine(const std::wstring& path, std::wstring_view line);

}  // namespace quav
