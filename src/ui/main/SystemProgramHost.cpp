#include "ui/main/SystemProgramHost.h"

#include <shellapi.h>

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
  ::ShellExecuteW(owner, L"Open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                  directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
}

}  // namespace quav
