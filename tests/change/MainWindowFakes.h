#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/main/MainWindowServices.h"

// Stand-ins for what lies around the main window, and a scratch folder, for
// the change tests.
namespace quav::test {

struct ShellCall {
  HWND owner;
  std::wstring file, parameters, directory;
};

class RecordingHost final : public ProgramHost {
 public:
  bool PreviousInstanceRunning() override { return false; }
  void EndProgram() override {}
  int ShowMessage(HWND, const std::wstring&, const std::wstring&, UINT) override { return IDOK; }
  void OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& parameters,
                     const std::wstring& directory) override {
    calls.push_back({owner, file, parameters, directory});
  }
  std::vector<ShellCall> calls;
};

class NoWindows final : public ModalWindows {
 public:
  void ShowAgreement(frmMain&) override {}
  void ShowNotification(frmMain&) override {}
  void ShowAbout(frmMain&) override {}
};

inline void InitControls() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
}

// An empty folder of its own under the temporary folder for a log, removed
// with the log at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    do {
      path_ = std::wstring(temp) + L"quav-change-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
              std::to_wstring(++serial);
    } while (!::CreateDirectoryW(path_.c_str(), nullptr) && serial < 1000);
  }
  ~ScratchFolder() {
    ::DeleteFileW((path_ + L"\\QUAV.log").c_str());
    ::RemoveDirectoryW(path_.c_str());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

}  // namespace quav::test
