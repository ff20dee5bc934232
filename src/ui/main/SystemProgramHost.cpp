#include "ui/main/SystemProgramHost.h"

#include <shellapi.h>

#include "platform/AnsiText.h"

namespace quav {

SystemProgramHost::SystemProgramHost() {
  instance_.reset(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
  previousInstance_ = ::GetLastError() == ERROR_ALREADY_EXISTS;
}

void SystemProgramHost::EndProgram() { ::ExitProcess(0); }

int SystemProgramHost::ShowMessage(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) {
  return ::MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

void SystemProgramHost::OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& parameters,
                                      const std::wstring& directory) {
  const std::string ansiFile = ToAnsi(file);
  const std::string ansiParameters = ToAnsi(parameters);
  const std::string ansiDirectory = ToAnsi(directory);
  ::ShellExecuteA(owner, "Open", ansiFile.c_str(), parameters.empty() ? nullptr : ansiParameters.c_str(),
                  directory.empty() ? nullptr : ansiDirectory.c_str(), SW_SHOWNORMAL);
}

}  // namespace quav
