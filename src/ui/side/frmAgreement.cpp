#include "ui/side/frmAgreement.h"

#include "AppVersion.h"
#include "ui/Resources.h"
#include "ui/side/LicenseText.h"
#include "ui/side/SideCaptions.h"

namespace quav {
namespace {

using namespace frmAgreementControls;
using K = ControlKind;

// The dialog as designed: twips, relative to the client area.
const ControlDesign kLayout[] = {
    // id          name            kind               left   top  width height caption  font  tab enabled parent style
    {picIcon,      "picIcon",      K::PictureBox,      240,  150,  480,  480, nullptr, nullptr, -1},
    {lblInstruct1, "lblInstruct1", K::Label,           870,  180, 5985,  495, TextId::AgreementRead, nullptr, -1},
    {txtLicense,   "txtLicense",   K::MultiLineText,   240,  750, 6585, 1905, nullptr, nullptr,  2},
    {lblInstruct2, "lblInstruct2", K::Label,           240, 2790, 6615,  495,
     TextId::AgreementQuestion, nullptr, -1},
    {cmdAccept,    "cmdAccept",    K::Button,         3880, 3555, 1440,  375, TextId::Accept, nullptr, 1},
    {cmdDecline,   "cmdDecline",   K::Button,         5380, 3555, 1440,  375, TextId::Decline, nullptr, 0, true, 0, BS_DEFPUSHBUTTON},
};

// An etched rule: a grey line over a white one.
constexpr std::array<DesignLine, 2> kRule{{
    {180, 3330, 6890, 0x808080, 1},
    {195, 3345, 6890, 0xFFFFFF, 2},
}};

}  // namespace

std::span<const ControlDesign> frmAgreement::Layout() { return kLayout; }

frmAgreement::frmAgreement()
    : SideWindow(FormDesign{L"QUAV.frmAgreement", TextId::AgreementDesignCaption, 7080, 4110, true, false, true, IDI_QUAV}, kRule) {}

void frmAgreement::OnCreate() {
  AddControls(Layout());
  // Read-only edits draw as statics; the terms stay on a text box's white.
  SetBackColor(txtLicense, kSystemWindow);
  ShowApplicationIcon(picIcon);
  SetDefaultButton(cmdDecline);
  SetCancelButton(cmdDecline);
  Form_Load();
}

void frmAgreement::Form_Load() {
  SetCaption(AgreementCaption(kVersionMajor, kVersionMinor, kVersionRevision));
  SetText(txtLicense, GetLicenseText());
}

void frmAgreement::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return;
  if (id == cmdAccept) cmdAccept_Click();
  if (id == cmdDecline) cmdDecline_Click();
}

void frmAgreement::cmdAccept_Click() {
  Agree = true;
  Unload();
}

void frmAgreement::cmdDecline_Click() {
  Agree = false;
  Unload();
}

}  // namespace quav
