#pragma once

#include <windows.h>

#include "ui/Form.h"

namespace quav {

class frmMain;

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
class frmNotification final : public Form {
 public:
  explicit frmNotification(frmMain& owner);

  void Form_Load();
  // Hands the box's state to the main window's HideNotify and closes.
  void cmdOK_Click();
  // Closes as OK does and has the main window restart the adapter at once.
  void cmdRestart_Click();

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  frmMain& owner_;
};

}  // namespace quav
