#include "ui/main/SystemModalWindows.h"

#include "change/frmNotification.h"
#include "ui/main/frmMain.h"

namespace quav {

void SystemModalWindows::ShowAgreement(frmMain& owner) {
  owner.Agree = ::MessageBoxW(owner.Hwnd(), L"同意?", L"QUAV", MB_YESNO) == IDYES;
}

void SystemModalWindows::ShowNotification(frmMain& owner) {
  frmNotification notice(owner);
  notice.ShowModal(owner.Hwnd());
}

void SystemModalWindows::ShowAbout(frmMain&) {}

}  // namespace quav
