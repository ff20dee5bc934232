// The About window's menu entry and the logo link of the main window.
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"
#include "ui/side/LinkHover.h"
#include "ui/side/OrvContact.h"

namespace quav {

void frmMain::mnuAbout_Click() {
  Services().windows.ShowAbout(Hwnd(), {NormalPicture(), HighlightPicture(), Services().host});
}

void frmMain::picLogo_Click() { Services().host.OpenLink(Hwnd(), kProductPage, L""); }

void frmMain::picLogo_MouseMove() {
  ShowLogoHover(Item(frmMainControls::picLogo), HighlightPicture(), LogoTag);
  EnableResetTimer(*this, frmMainControls::tmrResetLogo);
  DoEvents();
}

void frmMain::tmrResetLogo_Timer() {
  if (StopWhenCursorLeft(*this, frmMainControls::tmrResetLogo, frmMainControls::picLogo)) {
    ShowLogoNormal(Item(frmMainControls::picLogo), NormalPicture(), LogoTag);
  }
  DoEvents();
}

}  // namespace quav
