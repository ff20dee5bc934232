// Start-up and shutdown of the main window: the gates that can stop the
// program, the settings read at the first activation, and the ways it ends.
#include <windows.h>

#include "AppVersion.h"
#include "platform/Settings.h"
#include "platform/SystemFacts.h"
#include "platform/TextRules.h"
#include "platform/VersionNumber.h"
#include "platform/modRegistry.h"
#include "ui/main/StartupRules.h"
#include "ui/BusyWork.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"
#include "ui/side/StripeListView.h"
#include "ui/side/modMenu.h"

namespace quav {

using namespace frmMainControls;

namespace {

constexpr UINT kGateMessageStyle = MB_OK | MB_ICONEXCLAMATION;

std::wstring ReadValue(HKEY root, const wchar_t* key, const wchar_t* value) {
  DWORD type = 0;
  long status = 0;
  return GetRegValue(root, key, value, type, status);
}

}  // namespace

// The bands the designs give the notice box and the logo, twips: each is
// moved down to stay centred in its band when it comes out smaller.
constexpr int kNoticeBand = 440;
constexpr int kLogoBand = 510;
// The logo's distance from the window's right edge, twips.
constexpr int kLogoRightMargin = 170;
// The list's pale-blue stripe, &HBBGGRR.
constexpr COLORREF kStripeColor = 0xFFF1EC;

void frmMain::AdjustLayoutAtLoad() {
  // The notice box: two lines of its font plus 40 twips, centred in its band.
  // The English notice is set in the message font, larger than the box's:
  // there its own font measures the box. The notice fills the box, so that
  // its second line is not cut at the label's designed height.
  {
    const RECT box = ControlRectTwips(picDisclaimer);
    HWND measured = Item(CurrentLanguage() == Language::English ? lblDisclaimer : picDisclaimer);
    WindowDc dc(measured);
    SelectedObject font(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(measured, WM_GETFONT, 0, 0)));
    SIZE sample{};
    ::GetTextExtentPoint32W(dc.get(), L"Text Sample", 11, &sample);
    const int height = 2 * Twips(sample.cy) + 40;
    int top = box.top;
    if (height <= kNoticeBand) top += (kNoticeBand - height) / 2;
    PlaceControl(picDisclaimer, box.left, top, box.right - box.left, height);
    const RECT notice = ControlRectTwips(lblDisclaimer);
    PlaceControl(lblDisclaimer, notice.left, notice.top, notice.right - notice.left, height - notice.top);
  }
  // The logo at its picture's own size (not stretched at another
  // resolution), 170 twips from the right edge and centred in its band.
  {
    HWND box = Item(picLogo);
    ::SendMessageW(box, kPictureSetBitmap, 0, reinterpret_cast<LPARAM>(NormalPicture()));
    const RECT logo = ControlRectTwips(picLogo);
    RECT pixels{};
    ::GetClientRect(box, &pixels);
    BITMAP picture{};
    if (NormalPicture() && ::GetObjectW(NormalPicture(), sizeof picture, &picture)) {
      pixels.right = picture.bmWidth;
      pixels.bottom = picture.bmHeight;
    }
    const int width = Twips(pixels.right);
    const int height = Twips(pixels.bottom);
    int top = logo.top;
    if (height <= kLogoBand) top += (kLogoBand - height) / 2;
    ::MoveWindow(box, Px(ScaleWidthTwips() - (width + kLogoRightMargin)), Px(top), pixels.right, pixels.bottom, TRUE);
  }
}

void frmMain::Form_Load() {
  SetCaption(WindowTitle());
  SetText(lblDisclaimer, DisclaimerText());
  SetBackColor(lblDisclaimer, kSystemButtonFace);
  AdjustLayoutAtLoad();
  ProgramHost& host = services_.host;
  if (host.PreviousInstanceRunning()) {
    host.ShowMessage(nullptr, Say(TextId::SecondCopy), kAppTitle, kGateMessageStyle);
    host.EndProgram();
    return;
  }
  std::wstring version;
  GetOSVersion(version);
  if (!IsSupportedWindowsVersion(version)) {
    host.ShowMessage(nullptr, Say(TextId::WindowsVersion), kAppTitle, kGateMessageStyle);
    host.EndProgram();
    return;
  }
  OS_Version = version;
  AddSystemMenuItem(*this, Say(TextId::SystemMenuEntry));
  SetUpAdapterList();
  COLORREF stripe = kStripeColor;
  StripeListView(stripe, *this, lvwNIC, Item(picImage));
}

// Commands that arrive meanwhile wait for the first list; a declined gate
// ends the program first.
void frmMain::Form_Activate() {
  if (Activated) return;
  Activated = true;
  BusyWork busy(*this, BusyWork::Input::Waits);
  Repaint();
  busy.AnswerNow();
  HideNotify = HideNotifySet();

  bool accepted = AgreementSet();
  if (!accepted) {
    Agree = services_.windows.ShowAgreement(Hwnd(), Agree);
    if (!Agree) {
      services_.host.EndProgram();
      return;
    }
    accepted = StoreAgreement();
  }

  const long probeStatus = SetRegValue(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue, REG_SZ, L"1");
  const bool granted = ReadsAsSet(ReadValue(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue));
  // The probe leaves nothing behind, also when reading it back failed after
  // it was written.
  if (granted || probeStatus == ERROR_SUCCESS) DeleteRegValue(HKEY_LOCAL_MACHINE, kRightsProbeKey, kRightsProbeValue);

  if (!accepted || !granted) {
    services_.host.ShowMessage(Hwnd(), RightsMessageText(), Caption(), kGateMessageStyle);
    services_.host.EndProgram();
    return;
  }
  Repaint();
  busy.AnswerNow();
  LoadAdapterList();
  SelectFirstAdapter(lvwNIC);
}

void frmMain::cmdExit_Click() { Unload(); }

void frmMain::mnuExit_Click() { Unload(); }

}  // namespace quav
