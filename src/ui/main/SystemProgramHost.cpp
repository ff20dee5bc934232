#include "ui/main/SystemProgramHost.h"

#include <shellapi.h>

#include "platform/ShellLaunch.h"
#include "platform/SystemFacts.h"
#include "platform/VersionNumber.h"


namespace quav {

SystemProgramHost::SystemProgramHost() {
  instance_.reset(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
  const DWORD error = ::GetLastError();
  // A name held by a mutex this user may not open is taken all the same.
  previousInstance_ = error == ERROR_ALREADY_EXISTS || (!instance_ && error == ERROR_ACCESS_DENIED);
}

void SystemProgramHost::EndProgram() { ::ExitProcess(0); }

int SystemProgramHost::ShowMessage(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) {
  return ::MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

void SystemProgramHost::OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& parameters,
                                      const std::wstring& directory) {
  ::ShellExecuteW(owner, L"Open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                  directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
}

void SystemProgramHost::OpenLink(HWND owner, const std::wstring& target, const std::wstring& directory) {
  std::wstring version;
  GetOSVersion(version);
  if (ChooseLinkRoute(version, ProcessIsElevated()) == LinkRoute::Direct) {
    OpenWithShell(owner, target, L"", directory);
    return;
  }
  // No elevated start when the desktop's shell fails: a browser with this
  // program's rights would be an administrator's shell. The link then does
  // not open, as when the shell cannot open it.
  OpenThroughDesktopShell(target);
}

}  // namespace quav
