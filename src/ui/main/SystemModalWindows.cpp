#include "ui/main/SystemModalWindows.h"

#include "change/frmNotification.h"
#include "ui/main/frmMain.h"
#include "ui/side/frmAbout.h"
#include "ui/side/frmAgreement.h"

namespace quav {

void SystemModalWindows::ShowAgreement(frmMain& owner) {
  frmAgreement dialog(owner);
  dialog.ShowModal(owner.Hwnd());
}

void SystemModalWindows::ShowNotification(frmMain& owner) {
  frmNotification notice(owner);
  notice.ShowModal(owner.Hwnd());
}

void SystemModalWindows::ShowAbout(frmMain& owner) {
  frmAbout about(owner);
  about.ShowModal(owner.Hwnd());
}

}  // namespace quav
