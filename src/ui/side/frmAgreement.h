#pragma once

#include <span>

#include "ui/side/SideWindow.h"

namespace quav {

namespace frmAgreementControls {
enum : int {
  picIcon = 1101,
  lblInstruct1,
  txtLicense,
  lblInstruct2,
  cmdAccept,
  cmdDecline,
};
}  // namespace frmAgreementControls

// The terms of use, which the user accepts or declines before the program
// does any work. The answer goes to Agree; closing the dialog any other way
// leaves Agree as it was.
class frmAgreement final : public SideWindow {
 public:
  // The window as designed.
  static std::span<const ControlDesign> Layout();
  frmAgreement();

  bool Agree = false;  // in: as it stands; out: the answer

  void Form_Load();
  void cmdAccept_Click();
  void cmdDecline_Click();

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
};

}  // namespace quav
