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
    {cmdOK,     "cmdOK",     K::Button,   4020, 1050, 1440,  375, L"好",          nullptr,  1, true, 0, BS_DEFPUSHBUTTON},
    {chkHide,   "chkHide",   K::CheckBox,  225, 1005, 2955,  375, L"不再次显示", nullptr,  2},
    // A row below the designed ones, so that none of them moves.
    {cmdRestart, "cmdRestart", K::Button,  3300, 1530, 2160,  375, L"立即重启适配器", nullptr,  3},
};

constexpr wchar_t kCaption[] = L"更新注意";
constexpr wchar_t kNotice[] =
    L"MAC 地址更新后将在网络适配器禁用/启用或重启计算机后生效。请参照自述文件的 '激活新的 MAC 地址 '"
    L" 附加信息部分。";

}  // namespace

frmNotification::frmNotification()
    : Form(FormDesign{L"QUAV.frmNotification", L"", 5670, 2175, true, false, true, 0}) {}

void frmNotification::OnCreate() {
  AddControls(kLayout);
  SetDefaultButton(cmdOK);
  Form_Load();
}

void frmNotification::Form_Load() {
  SetCaption(kCaption);
  SetText(lblNotify, kNotice);
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
