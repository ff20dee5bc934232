#pragma once

#include <span>

#include <string>

#include "platform/Handles.h"
#include "ui/LinkOpener.h"
#include "ui/side/SideWindow.h"

namespace quav {

namespace frmAboutControls {
enum : int {
  picIcon = 1201,
  lblTitle,
  lblCopyright,
  lblAllRights,
  lblBy,
  lblEmail,
  lblCredit1,
  lblCredit2,
  picArrow,
  txtLicense,
  picLogo,
  cmdOK,
};

enum : int {
  tmrResetTitle = 1,
  tmrResetORV,
  tmrResetQUAV,
  tmrResetLogo,
};
}  // namespace frmAboutControls

// Title, version, copyright and credits, the terms and the logo. The title,
// copyright, e-mail address and logo are links that turn blue (the logo:
// highlighted) while the cursor is over them.
class frmAbout final : public SideWindow {
 public:
  // The window as designed.
  static std::span<const ControlDesign> Layout();
  // The logo as shown and under the cursor (not owned), and what opens the links.
  struct Content {
    HBITMAP normalLogo;
    HBITMAP highlightLogo;
    LinkOpener& links;
  };
  explicit frmAbout(const Content& content);

  void Form_Load();
  void cmdOK_Click();

  void lblTitle_Click();
  void lblCopyright_Click();
  void lblEmail_Click();
  void picLogo_Click();

  void lblTitle_MouseMove();
  void lblCopyright_MouseMove();
  void lblEmail_MouseMove();
  void picLogo_MouseMove();

  void tmrResetTitle_Timer();
  void tmrResetORV_Timer();
  void tmrResetQUAV_Timer();
  void tmrResetLogo_Timer();

  std::wstring LogoTag;  // "True" highlighted, "False" after a reset, empty before the first hover

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;

 private:
  void OpenLink(const std::wstring& target, const std::wstring& folder);
  void StartLabelHover(int label, UINT_PTR timer);
  void EndLabelHoverWhenLeft(int label, UINT_PTR timer);

  Content content_;
  UniqueHbitmap arrow_;
};

}  // namespace quav
