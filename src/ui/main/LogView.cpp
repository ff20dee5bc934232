// The main window's change log: its lines and the menu entry that shows it.
#include <windows.h>

#include <string>

#include "change/ChangeLog.h"
#include "platform/Handles.h"
#include "platform/SystemFacts.h"
#include "ui/main/frmMain.h"

namespace quav {

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
  // Notepad of the system folder: one by that name in the current folder or
  // beside the program would run with this program's rights.
  const std::wstring notepad = SystemProgramPath(L"notepad.exe");
  if (notepad.empty()) return;
  Services().host.OpenWithShell(Hwnd(), notepad, L"\"" + path + L"\"", L"");
}

}  // namespace quav
