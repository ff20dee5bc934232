// The About window's menu entry and the logo link of the main window.
#include "ui/main/frmMain.h"

namespace quav {

void frmMain::mnuAbout_Click() { Services().windows.ShowAbout(*this); }

void frmMain::picLogo_Click() {}

void frmMain::picLogo_MouseMove() {}

void frmMain::tmrResetLogo_Timer() {}

}  // namespace quav
