#include "ui/side/frmNotification.h"

#include "ui/ListView.h"

namespace quav {
namespace {

using namespace frmNotificationControls;
using K = ControlKind;

// The window as designed: twips, relative to the client area.
const ControlDesign kLayout[] = {
    // id        name         kind        left   top  width height caption        font     tab enabled parent style
    {lblNotify, "lblNotify", K::Label,     210,  195, 5295,  795, nullptr,       nullptr,  0},
    {cmdOK,     "cmdOK",     K::Button,   4020, 1050, 1440,  375, TextId::NoticeOk,    nullptr,  1, true, 0, BS_DEFPUSHBUTTON},
    {chkHide,   "chkHide",   K::CheckBox,  225, 1005, 2955,  375, TextId::NoticeHide, nullptr,  2},
    // A row below the designed ones, so that none of them moves.
    {cmdRestart, "cmdRestart", K::Button,  3300, 1530, 2160,  375, TextId::NoticeRestart, nullptr,  3},
};


}  // namespace

std::span<const ControlDesign> frmNotification::Layout() { return kLayout; }

frmNotification::frmNotification()
    : Form(FormDesign{L"QUAV.frmNotification", L"", 5670, 2175, true, false, true, 0}) {}

void frmNotification::OnCreate() {
  AddControls(Layout());
  SetDefaultButton(cmdOK);
  Form_Load();
}

void frmNotification::Form_Load() {
  SetCaption(Say(TextId::NoticeCaption));
  SetText(lblNotify, Say(TextId::Notice));
}

void frmNotification::cmdOK_Click() {
  HideNotify = CheckBox(Item(chkHide)).Value() == 1;
  Unload();
}

void frmNotification::cmdRestart_Click() {
  RestartNow = true;
  cmdOK_Click();
}

void frmNotification::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return;
  if (id == cmdOK) cmdOK_Click();
  if (id == cmdRestart) cmdRestart_Click();
}

bool frmNotification::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  // Esc closes the notice as the close box does, leaving HideNotify alone.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    Unload();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace quav
