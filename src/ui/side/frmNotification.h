#pragma once

#include <span>

#include <windows.h>

#include "ui/Form.h"

namespace quav {

// Control ids of the restart notice.
namespace frmNotificationControls {
enum : int {
  lblNotify = 1101,
  cmdOK,
  chkHide,
  cmdRestart,
};
}  // namespace frmNotificationControls

// The notice after an address change: the new address takes effect once the
// adapter is disabled and enabled again. Its box lets the user turn it off.
// HideNotify goes in before it is shown and comes out as the user left it;
// closing it without an answer leaves both fields alone.
class frmNotification final : public Form {
 public:
  // The window as designed.
  static std::span<const ControlDesign> Layout();
  frmNotification();

  bool HideNotify = false;
  bool RestartNow = false;  // the restart button rather than OK

  void Form_Load();
  // Takes the box's state into HideNotify and closes.
  void cmdOK_Click();
  // Closes as OK does, asking for the adapter to be restarted at once.
  void cmdRestart_Click();

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace quav
