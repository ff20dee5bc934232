#include "ui/main/SystemModalWindows.h"

#include "ui/main/frmMain.h"

namespace quav {

void SystemModalWindows::ShowAgreement(frmMain& owner) {
  owner.Agree = ::MessageBoxW(owner.Hwnd(), L"同意?", L"QUAV", MB_YESNO) == IDYES;
}

void SystemModalWindows::ShowNotification(frmMain&) {}

void SystemModalWindows::ShowAbout(frmMain&) {}

}  // namespace quav
