#include "ui/side/frmAbout.h"

#include "AppVersion.h"
#include "platform/SystemFacts.h"
#include "ui/Pictures.h"
#include "ui/Resources.h"
#include "ui/WindowTitle.h"
#include "ui/side/LicenseText.h"
#include "ui/side/LinkHover.h"
#include "ui/side/OrvContact.h"
#include "ui/side/SideCaptions.h"

namespace quav {
namespace {

using namespace frmAboutControls;
using K = ControlKind;

const FontDesign kTitleFont{L"MS Sans Serif", 900, true, GB2312_CHARSET};
const FontDesign kSongTi9{L"宋体", 900, false, GB2312_CHARSET};

const std::wstring kEmailText = std::wstring(L"(") + kContactEmail + L")";

// The window as designed: twips, relative to the client area. Where labels
// overlap, the one listed first lies on top: each row's right-hand label
// over its left-hand one, and each row over the row below.
const ControlDesign kLayout[] = {
    // id          name            kind              left   top  width height caption        font       tab enabled parent style
    {picIcon,      "picIcon",      K::PictureBox,     240,  150,  480,  480, nullptr,              nullptr,   -1},
    {lblTitle,     "lblTitle",     K::LinkLabel,      840,  180, 1485,  240, nullptr,              &kTitleFont, -1},
    {lblAllRights, "lblAllRights", K::Label,         3720,  390, 3735,  240, TextId::AboutAllRights,      &kSongTi9, -1},
    {lblCopyright, "lblCopyright", K::LinkLabel,      840,  390, 3900,  240, TextId::AboutCopyright, &kSongTi9, -1},
    {lblEmail,     "lblEmail",     K::LinkLabel,     3720,  600, 2265,  240, kEmailText.c_str(),   &kSongTi9, -1},
    {lblBy,        "lblBy",        K::Label,          840,  600, 3495,  240, TextId::AboutBy,             &kSongTi9, -1},
    {lblCredit2,   "lblCredit2",   K::Label,         3720,  825, 3735,  270, TextId::AboutCredit2,        nullptr,   -1},
    {lblCredit1,   "lblCredit1",   K::Label,          840,  825, 3495,  270, TextId::AboutCredit1,        nullptr,   -1},
    {picArrow,     "picArrow",     K::PictureBox,    3450,  890,  255,  180, nullptr,              nullptr,   -1},
    {txtLicense,   "txtLicense",   K::MultiLineText,  240, 1160, 6735, 1905, nullptr,              nullptr,    1},
    {picLogo,      "picLogo",      K::PictureBox,     225, 3465, 4455,  510, nullptr,              nullptr,   -1},
    {cmdOK,        "cmdOK",        K::Button,        5535, 3525, 1440,  375, TextId::Ok,                  nullptr,    0, true, 0, BS_DEFPUSHBUTTON},
};

constexpr std::array<DesignLine, 2> kRule{{
    {165, 3255, 7045, 0x808080, 1},
    {180, 3270, 7045, 0xFFFFFF, 2},
}};

constexpr DesignColor kBlack = 0x000000;

}  // namespace

std::span<const ControlDesign> frmAbout::Layout() { return kLayout; }

frmAbout::frmAbout(const Content& content)
    : SideWindow(FormDesign{L"QUAV.frmAbout", TextId::AboutDesignCaption, 7230, 4155, true, false, true, IDI_QUAV}, kRule),
      content_(content) {}

void frmAbout::OnCreate() {
  AddControls(Layout());
  for (int label : {lblTitle, lblCopyright, lblBy}) SetForeColor(label, kBlack);
  SetBackColor(txtLicense, kSystemWindow);
  ShowApplicationIcon(picIcon);
  arrow_.reset(LoadKeyedBitmap(::GetModuleHandleW(nullptr), IDB_ARROW, ::GetSysColor(COLOR_BTNFACE)));
  ShowPicture(picArrow, arrow_.get());
  ::SendMessageW(Item(picLogo), kPictureSetBackColor, 0, kSystemWorkspace);
  ::SendMessageW(Item(picLogo), kPictureSetLink, 1, 0);
  SetDefaultButton(cmdOK);
  SetCancelButton(cmdOK);
  Form_Load();
}

void frmAbout::Form_Load() {
  SetCaption(AboutCaption(kVersionMajor, kVersionMinor, kVersionRevision));
  SetText(lblTitle, WindowTitle());
  ShowPicture(picLogo, content_.normalLogo);
  SetText(txtLicense, GetLicenseText());
}

void frmAbout::cmdOK_Click() { Unload(); }

void frmAbout::OnCommand(int id, int code, HWND /*control*/) {
  // Buttons and link labels report clicks with code 0; picture boxes with
  // their own codes.
  const bool click = code == BN_CLICKED || code == kNotifyClick;
  const bool move = code == kNotifyMouseMove;
  switch (id) {
    case cmdOK:
      if (click) cmdOK_Click();
      break;
    case lblTitle:
      if (click) lblTitle_Click();
      if (move) lblTitle_MouseMove();
      break;
    case lblCopyright:
      if (click) lblCopyright_Click();
      if (move) lblCopyright_MouseMove();
      break;
    case lblEmail:
      if (click) lblEmail_Click();
      if (move) lblEmail_MouseMove();
      break;
    case picLogo:
      if (click) picLogo_Click();
      if (move) picLogo_MouseMove();
      break;
    default:
      break;
  }
}

void frmAbout::OnTimer(UINT_PTR id) {
  switch (id) {
    case tmrResetTitle: tmrResetTitle_Timer(); break;
    case tmrResetORV: tmrResetORV_Timer(); break;
    case tmrResetQUAV: tmrResetQUAV_Timer(); break;
    case tmrResetLogo: tmrResetLogo_Timer(); break;
    default: break;
  }
}

void frmAbout::OnDestroy() {
  for (UINT_PTR timer : {tmrResetTitle, tmrResetORV, tmrResetQUAV, tmrResetLogo}) ::KillTimer(Hwnd(), timer);
}

void frmAbout::OpenLink(const std::wstring& target, const std::wstring& folder) {
  content_.links.OpenLink(Hwnd(), target, folder);
}

void frmAbout::lblTitle_Click() { OpenLink(kProductPage, ProgramFolder()); }

void frmAbout::lblCopyright_Click() { OpenLink(kMakerPage, ProgramFolder()); }

void frmAbout::lblEmail_Click() { OpenLink(std::wstring(L"mailto:") + kContactEmail, ProgramFolder()); }

void frmAbout::picLogo_Click() { OpenLink(kProductPage, L""); }

void frmAbout::StartLabelHover(int label, UINT_PTR timer) {
  ShowLabelHover(*this, label);
  EnableResetTimer(*this, timer);
  DoEvents();
}

void frmAbout::EndLabelHoverWhenLeft(int label, UINT_PTR timer) {
  if (StopWhenCursorLeft(*this, timer, label)) ShowLabelNormal(*this, label);
  DoEvents();
}

void frmAbout::lblTitle_MouseMove() { StartLabelHover(lblTitle, tmrResetTitle); }

void frmAbout::lblCopyright_MouseMove() { StartLabelHover(lblCopyright, tmrResetORV); }

void frmAbout::lblEmail_MouseMove() { StartLabelHover(lblEmail, tmrResetQUAV); }

void frmAbout::picLogo_MouseMove() {
  ShowLogoHover(Item(picLogo), content_.highlightLogo, LogoTag);
  EnableResetTimer(*this, tmrResetLogo);
  DoEvents();
}

void frmAbout::tmrResetTitle_Timer() { EndLabelHoverWhenLeft(lblTitle, tmrResetTitle); }

void frmAbout::tmrResetORV_Timer() { EndLabelHoverWhenLeft(lblCopyright, tmrResetORV); }

void frmAbout::tmrResetQUAV_Timer() { EndLabelHoverWhenLeft(lblEmail, tmrResetQUAV); }

void frmAbout::tmrResetLogo_Timer() {
  if (StopWhenCursorLeft(*this, tmrResetLogo, picLogo)) ShowLogoNormal(Item(picLogo), content_.normalLogo, LogoTag);
  DoEvents();
}

}  // namespace quav
