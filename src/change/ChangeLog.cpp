// The change log beside the program.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "change/ChangeLog.h"
#include "platform/ErrorText.h"
#include "platform/Handles.h"
#include "platform/SystemFacts.h"

namespace quav {
namespace {

std::wstring LocalTimeText() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  // One reading of the clock for both halves, so that a line written at
  // midnight does not mix two days.
  wchar_t date[128] = {};
  wchar_t time[128] = {};
  ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
  ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
  return std::wstring(date) + L' ' + time;
}

// Opens the log as it stands (a link is not followed, a folder opens) and
// refuses it when it is not a plain file of one name. The file is shared for
// reading and writing so that an editor holding it does not stop the log.
DWORD OpenLogFile(const std::wstring& path, DWORD access, DWORD disposition, UniqueFile& file) {
  file.reset(::CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return ::GetLastError();
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file.get(), &info)) return ::GetLastError();
  return LogFileRefusal({(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                         (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0, info.nNumberOfLinks});
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether text holds half a surrogate pair, which no code page holds.
bool HasLoneSurrogate(std::wstring_view text) {
  for (size_t at = 0; at < text.size(); ++at) {
    if (IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
      ++at;
    } else if (IsHighSurrogate(text[at]) || IsLowSurrogate(text[at])) {
      return true;
    }
  }
  return false;
}

// The ANSI bytes of text when the code page holds every character of it
// exactly: no default character and no look-alike ("best fit") stands in.
std::optional<std::string> ExactAnsi(std::wstring_view text) {
  if (text.empty()) return std::string();
  if (HasLoneSurrogate(text)) return std::nullopt;
  // UTF-8 (a choice of Windows 10 on) takes neither flags nor a default
  // character, and holds everything else.
  const bool utf8 = ::GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL defaulted = FALSE;
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr,
                                           utf8 ? nullptr : &defaulted);
  if (needed <= 0 || defaulted) return std::nullopt;
  std::string bytes(static_cast<size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_ACP, flags, text.data(), length, bytes.data(), needed, nullptr, nullptr);
  return bytes;
}

}  // namespace

Language LogLanguage() {
  const bool chineseLocale = PRIMARYLANGID(::GetSystemDefaultLangID()) == LANG_CHINESE;
  return chineseLocale && ExactAnsi(ChineseLogWords()) ? Language::Chinese : Language::English;
}

LogLineFields LogFieldsNow(const std::wstring& adapterIndex) {
  return LogLineFields{LocalTimeText(), GetCurrentComputerName(), adapterIndex, GetCurrentUserName(), LogLanguage()};
}

std::string LogLineBytes(std::wstring_view line) {
  if (std::optional<std::string> whole = ExactAnsi(line)) return *whole;
  std::string bytes;
  for (size_t at = 0; at < line.size(); ++at) {
    // A surrogate pair is one character: both halves go together or are escaped together.
    const bool pair = at + 1 < line.size() && IsHighSurrogate(line[at]) && IsLowSurrogate(line[at + 1]);
    const std::wstring_view character = line.substr(at, pair ? 2 : 1);
    if (std::optional<std::string> exact = ExactAnsi(character)) {
      bytes += *exact;
    } else {
      for (const wchar_t unit : character) bytes += *ExactAnsi(LogEscape(unit));
    }
    if (pair) ++at;
  }
  return bytes;
}

std::wstring LogFileBesideProgram() {
  const std::wstring folder = ProgramFolder();
  return folder.empty() ? std::wstring() : LogFileIn(folder);
}

// Append-only access makes each write land at the end as one piece, so the
// window and a command line never cut each other's line.
DWORD AppendLogLine(const std::wstring& path, std::wstring_view line) {
  const std::string bytes = LogLineBytes(line) + "\r\n";
  UniqueFile file;
  if (const DWORD status = OpenLogFile(path, FILE_APPEND_DATA, OPEN_ALWAYS, file); status != 0) return status;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  const bool wrote = ::WriteFile(file.get(), bytes.data(), size, &written, nullptr) != FALSE;
  if (wrote && written == size) return ERROR_SUCCESS;
  const DWORD error = wrote ? ERROR_WRITE_FAULT : ::GetLastError();
  // An append-only handle cannot cut the file back, and what follows may be
  // someone else's line by now: a half line is ended so the next one starts
  // on a line of its own.
  if (written > 0) ::WriteFile(file.get(), "\r\n", 2, &written, nullptr);
  return error;
}

DWORD PrepareLogForViewing(const std::wstring& path) {
  UniqueFile file;
  // Read-only and hidden logs open too: only their attributes are read.
  DWORD status = OpenLogFile(path, 0, OPEN_EXISTING, file);
  if (status != ERROR_FILE_NOT_FOUND) return status;
  // Created, never emptied, so no record is lost; one made meanwhile by
  // someone else is checked as it stands.
  status = OpenLogFile(path, FILE_APPEND_DATA, CREATE_NEW, file);
  if (status == ERROR_FILE_EXISTS) return OpenLogFile(path, 0, OPEN_EXISTING, file);
  if (status != ERROR_SUCCESS) return status;
  DWORD written = 0;
  return ::WriteFile(file.get(), "\r\n", 2, &written, nullptr) ? ERROR_SUCCESS : ::GetLastError();
}

DWORD LogAddressChange(const std::wstring& path, const std::wstring& fromAddress, const std::wstring& newAddress,
                       const std::wstring& adapterIndex) {
  if (newAddress.empty()) return ERROR_SUCCESS;
  return AppendLogLine(path, AddressChangeLine(LogFieldsNow(adapterIndex), fromAddress, newAddress));
}

DWORD LogAddressRemoval(const std::wstring& path, const std::wstring& adapterIndex) {
  return AppendLogLine(path, AddressRemovalLine(LogFieldsNow(adapterIndex)));
}

std::wstring LogErrorText(DWORD code) {
  const std::wstring refusal = LogRefusalText(code);
  return refusal.empty() ? SystemErrorText(code) : refusal;
}

}  // namespace quav
