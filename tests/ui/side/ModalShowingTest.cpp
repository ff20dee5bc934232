// The side windows shown modally over the main window, as the program does.
#include "SideWindowFixture.h"
#include "ui/main/SystemModalWindows.h"
#include "ui/side/frmAbout.h"
#include "ui/side/frmAgreement.h"

namespace quav {
namespace {

using ModalTest = test::SideWindowTest;

// Once the modal window has the focus: notes the focused control and whether
// the main window is disabled, then presses a key.
struct Press {
  WPARAM key;
  HWND main;
  int focused = 0;
  bool mainDisabled = false;
} press;

void CALLBACK PressWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND focus = ::GetFocus();
  if (!focus || ::GetAncestor(focus, GA_ROOT) == press.main) return;
  ::KillTimer(nullptr, timer);
  press.focused = ::GetDlgCtrlID(focus);
  press.mainDisabled = !::IsWindowEnabled(press.main);
  ::PostMessageW(focus, WM_KEYDOWN, press.key, 0);
}

// Shows a window through show(system), pressing the key once it is shown.
template <typename Show>
void ShowPressing(WPARAM key, Show show, frmMain& main) {
  press = Press{key, main.Hwnd()};
  ::SetTimer(nullptr, 0, 50, PressWhenShown);
  SystemModalWindows system;
  show(system);
  EXPECT_TRUE(press.mainDisabled);
  EXPECT_TRUE(::IsWindowEnabled(main.Hwnd()));
  EXPECT_EQ(main.Hwnd(), ::GetActiveWindow());
}

TEST_F(ModalTest, EnterOrEscRightAfterOpeningDeclinesTermsAndClosesAbout) {
  test::ShowAndSettle(main);
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    bool agree = true;
    ShowPressing(key, [&](SystemModalWindows& system) { agree = system.ShowAgreement(main.Hwnd(), agree); }, main);
    EXPECT_EQ(frmAgreementControls::cmdDecline, press.focused);
    EXPECT_FALSE(agree) << key;
  }
  ShowPressing(
      VK_ESCAPE,
      [&](SystemModalWindows& system) {
        system.ShowAbout(main.Hwnd(), {main.NormalPicture(), main.HighlightPicture(), host});
      },
      main);
  EXPECT_EQ(frmAboutControls::cmdOK, press.focused);
}

}  // namespace
}  // namespace quav
