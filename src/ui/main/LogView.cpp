// The main window's change log: its lines and the menu entry that shows it.
#include <windows.h>

#include <string>

#include "change/ChangeLog.h"
#include "change/LogLine.h"
#include "platform/SystemFacts.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMain.h"

namespace quav {

std::wstring frmMain::LogFilePath() const {
  return services_.logFolder.empty() ? LogFileBesideProgram() : LogFileIn(services_.logFolder);
}

void frmMain::mnuView_Click() {
  const std::wstring path = LogFilePath();
  // Checked as the change lines are: an elevated editor must not open, or
  // create, whatever a link or a second name points it to.
  const DWORD status = PrepareLogForViewing(path);
  if (!LogRefusalText(status).empty()) {
    services_.host.ShowMessage(Hwnd(), Say(TextId::LogCannotOpen, {path, LogRefusalText(status)}), WindowTitle(),
                               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  // Notepad of the system folder: one by that name in the current folder or
  // beside the program would run with this program's rights.
  const std::wstring notepad = SystemProgramPath(L"notepad.exe");
  if (notepad.empty()) return;
  Services().host.OpenWithShell(Hwnd(), notepad, L"\"" + path + L"\"", L"");
}

}  // namespace quav
