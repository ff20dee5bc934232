// The main window's logo link and its hover look.
#include "SideWindowFixture.h"
#include "ui/main/frmMainControls.h"

namespace quav {
namespace {

using namespace frmMainControls;
using MainLogoTest = test::SideWindowTest;

TEST_F(MainLogoTest, ClickOpensTheProductPageHoverHighlightsUntilTheCursorLeaves) {
  test::ShowAndSettle(main);
  HWND logo = main.Item(picLogo);
  ::SendMessageW(logo, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  ASSERT_EQ(1u, host.opened.size());
  EXPECT_EQ(main.Hwnd(), host.opened[0].owner);
  EXPECT_EQ(L"https://www.example.com/quav12", host.opened[0].file);
  EXPECT_EQ(L"", host.opened[0].directory);

  test::MoveCursor(test::MiddleOf(logo));
  ::SendMessageW(logo, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  ::SendMessageW(main.Hwnd(), WM_TIMER, tmrResetLogo, 0);
  EXPECT_EQ(main.HighlightPicture(), test::PictureOf(logo));
  EXPECT_EQ(L"True", main.LogoTag);
  // Just past the logo's bottom right corner, still inside the window.
  RECT rc{};
  ::GetWindowRect(logo, &rc);
  test::MoveCursor(POINT{rc.right + 4, rc.bottom + 4});
  ::SendMessageW(main.Hwnd(), WM_TIMER, tmrResetLogo, 0);
  EXPECT_EQ(main.NormalPicture(), test::PictureOf(logo));
  EXPECT_EQ(L"False", main.LogoTag);
  EXPECT_FALSE(::KillTimer(main.Hwnd(), tmrResetLogo));
}

}  // namespace
}  // namespace quav
