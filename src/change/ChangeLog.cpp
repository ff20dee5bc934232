// The change log beside the program.
#include <windows.h>

#include <string>
#include <string_view>

#include "change/ChangeLog.h"
#include "platform/AnsiText.h"
#include "platform/Handles.h"
#include "platform/SystemFacts.h"
#include "ui/main/frmMain.h"

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

}  // namespace

LogLineFields LogFieldsNow(const std::wstring& adapterIndex) {
  return LogLineFields{LocalTimeText(), GetCurrentComputerName(), adapterIndex, GetCurrentUserName()};
}

std::wstring LogFileBesideProgram() {
  const std::wstring folder = ProgramFolder();
  return folder.empty() ? std::wstring() : LogFileIn(folder);
}

// The file is shared for reading and writing so that an editor holding it
// does not stop the log.
DWORD AppendLogLine(const std::wstring& path, std::wstring_view line) {
  const std::string bytes = ToAnsi(line) + "\r\n";
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return ::GetLastError();
  LARGE_INTEGER end{};
  if (!::SetFilePointerEx(file.get(), LARGE_INTEGER{}, &end, FILE_END)) return ::GetLastError();
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  const bool wrote = ::WriteFile(file.get(), bytes.data(), size, &written, nullptr) != FALSE;
  if (wrote && written == size) return ERROR_SUCCESS;
  const DWORD error = wrote ? ERROR_WRITE_FAULT : ::GetLastError();
  // No half line stays behind to run into the next one.
  if (::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN)) ::SetEndOfFile(file.get());
  return error;
}

namespace {

// Any file of that name, whatever its attributes; a folder does not count.
bool LogFileExists(const std::wstring& path) {
  WIN32_FIND_DATAW found{};
  UniqueFind search(::FindFirstFileW(path.c_str(), &found));
  return search && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring frmMain::LogFilePath() const {
  return services_.logFolder.empty() ? LogFileBesideProgram() : LogFileIn(services_.logFolder);
}

DWORD frmMain::LogAddressChange(const std::wstring& fromAddress, const std::wstring& newAddress,
                                const std::wstring& adapterIndex) {
  if (newAddress.empty()) return ERROR_SUCCESS;
  return AppendLogLine(LogFilePath(), AddressChangeLine(LogFieldsNow(adapterIndex), fromAddress, newAddress));
}

DWORD frmMain::LogAddressRemoval(const std::wstring& adapterIndex) {
  return AppendLogLine(LogFilePath(), AddressRemovalLine(LogFieldsNow(adapterIndex)));
}

void frmMain::mnuView_Click() {
  const std::wstring path = LogFilePath();
  if (!LogFileExists(path)) {
    // A new log starts with an empty line. The search counts hidden and
    // read-only logs as well, and the file is only ever created, never
    // emptied, so no record is lost here.
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) ::WriteFile(file.get(), "\r\n", 2, &written, nullptr);
  }
  Services().host.OpenWithShell(Hwnd(), L"Notepad.exe", path, L"");
}

}  // namespace quav
