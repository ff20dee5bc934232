#pragma once

#include "platform/Handles.h"
#include "ui/main/MainWindowServices.h"

namespace quav {

// The program around the main window when it runs for real.
class SystemProgramHost final : public ProgramHost {
 public:
  // Claims this session's instance name; a copy started later finds it taken.
  SystemProgramHost();

  bool PreviousInstanceRunning() override { return previousInstance_; }
  void EndProgram() override;
  int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) override;
  void OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& parameters,
                     const std::wstring& directory) override;
  void OpenLink(HWND owner, const std::wstring& target, const std::wstring& directory) override;

 private:
  UniqueHandle instance_;
  bool previousInstance_ = false;
};

// The instance name: one per user session.
inline constexpr wchar_t kInstanceMutexName[] = L"Local\\ORV.QUAV12.Instance";

}  // namespace quav
