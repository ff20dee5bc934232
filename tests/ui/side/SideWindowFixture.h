#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/main/frmMain.h"

namespace quav::test {

struct ShellCall {
  HWND owner;
  std::wstring file, parameters, directory;
};

// Records what would be opened instead of starting a browser or mail program.
class FakeProgramHost final : public ProgramHost {
 public:
  bool PreviousInstanceRunning() override { return false; }
  void EndProgram() override {}
  int ShowMessage(HWND, const std::wstring&, const std::wstring&, UINT) override { return IDOK; }
  void OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& parameters,
                     const std::wstring& directory) override {
    opened.push_back({owner, file, parameters, directory});
  }
  void OpenLink(HWND owner, const std::wstring& target, const std::wstring& directory) override {
    opened.push_back({owner, target, L"", directory});
  }
  std::vector<ShellCall> opened;
};

class NoModalWindows final : public ModalWindows {
 public:
  bool ShowAgreement(HWND, bool agree) override { return agree; }
  NotificationChoice ShowNotification(HWND, bool hideNotify) override { return {hideNotify, false}; }
  void ShowAbout(HWND, const frmAbout::Content&) override {}
  std::optional<Maker> ShowMakers(HWND) override { return std::nullopt; }
  frmSchedule::Answer ShowSchedule(HWND, const frmSchedule::Input&) override { return {}; }
};

// A main window with fake services, created hidden, to own the side windows.
class SideWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    main.Activated = true;  // its start-up gates are not under test
    ASSERT_TRUE(main.Create());
  }

  FakeProgramHost host;
  NoModalWindows windows;
  frmMain main{{host, windows, {}, L""}};
};

// Shows a window and lets it take the activation and paint. Under Wine the
// cursor moves only once a window of the process has been shown.
inline void ShowAndSettle(Form& form) {
  form.Show();
  ::SetForegroundWindow(form.Hwnd());
  DoEvents();
}

// Puts the cursor somewhere and lets the mouse messages it causes run.
inline void MoveCursor(POINT screen) {
  ::SetCursorPos(screen.x, screen.y);
  DoEvents();
}

inline POINT MiddleOf(HWND control) {
  RECT rc{};
  ::GetWindowRect(control, &rc);
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

inline HBITMAP PictureOf(HWND box) {
  return reinterpret_cast<HBITMAP>(::SendMessageW(box, kPictureGetBitmap, 0, 0));
}

}  // namespace quav::test
