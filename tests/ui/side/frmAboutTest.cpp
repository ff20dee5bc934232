#include "ui/side/frmAbout.h"

#include "AppVersion.h"
#include "SideWindowFixture.h"
#include "ui/WindowTitle.h"
#include "ui/side/LicenseText.h"
#include "ui/side/LinkHover.h"
#include "ui/side/SideCaptions.h"

namespace quav {
namespace {

using namespace frmAboutControls;
using AboutTest = test::SideWindowTest;

TEST_F(AboutTest, LoadsCaptionTitleTermsAndLogo) {
  frmAbout about({main.NormalPicture(), main.HighlightPicture(), host});
  ASSERT_TRUE(about.Create(main.Hwnd()));
  EXPECT_EQ(AboutCaption(kVersionMajor, kVersionMinor, kVersionRevision), about.Caption());
  EXPECT_EQ(WindowTitle(), about.Text(lblTitle));
  EXPECT_EQ(L"(quav@example.com)", about.Text(lblEmail));
  EXPECT_EQ(GetLicenseText(), about.Text(txtLicense));
  EXPECT_TRUE(::GetWindowLongPtrW(about.Item(txtLicense), GWL_STYLE) & ES_READONLY);
  ASSERT_TRUE(main.NormalPicture());
  EXPECT_EQ(main.NormalPicture(), test::PictureOf(about.Item(picLogo)));
}

TEST_F(AboutTest, LinksOpenTheirTargetsThroughTheShell) {
  frmAbout about({main.NormalPicture(), main.HighlightPicture(), host});
  ASSERT_TRUE(about.Create(main.Hwnd()));
  for (int link : {lblTitle, lblCopyright, lblEmail, picLogo}) {
    ::SendMessageW(about.Item(link), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(about.Item(link), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring folder = std::wstring(self).substr(0, std::wstring(self).rfind(L'\\'));
  const std::vector<std::wstring> expected = {L"https://www.example.com/quav12|" + folder,
                                              L"https://orv.example.com/quav12|" + folder,
                                              L"mailto:quav@example.com|" + folder, L"https://www.example.com/quav12|"};
  std::vector<std::wstring> opened;
  for (const test::ShellCall& call : host.opened) {
    EXPECT_EQ(about.Hwnd(), call.owner);
    EXPECT_EQ(L"", call.parameters);
    opened.push_back(call.file + L"|" + call.directory);
  }
  EXPECT_EQ(expected, opened);
}

TEST_F(AboutTest, HoverLastsUntilATickFindsTheCursorOutside) {
  frmAbout about({main.NormalPicture(), main.HighlightPicture(), host});
  ASSERT_TRUE(about.Create(main.Hwnd()));
  test::ShowAndSettle(about);
  EXPECT_EQ(DesignColor{0x000000}, about.ForeColor(lblTitle));
  const std::pair<int, UINT_PTR> links[] = {{lblTitle, tmrResetTitle}, {lblCopyright, tmrResetORV},
                                            {lblEmail, tmrResetQUAV}, {picLogo, tmrResetLogo}};
  for (auto [link, timer] : links) {
    HWND control = about.Item(link);
    test::MoveCursor(test::MiddleOf(control));
    ::SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ::SendMessageW(about.Hwnd(), WM_TIMER, timer, 0);
    if (link == picLogo) {
      EXPECT_EQ(main.HighlightPicture(), test::PictureOf(control));
      EXPECT_EQ(L"True", about.LogoTag);
      // Highlighted already: the picture is not set again.
      ::SendMessageW(control, kPictureSetBitmap, 0, 0);
      ::SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
      EXPECT_EQ(nullptr, test::PictureOf(control));
    } else {
      EXPECT_EQ(kLinkHoverColor, about.ForeColor(link)) << link;
    }

    // Out past the window's corner in one move.
    test::MoveCursor(POINT{0, 0});
    ::SendMessageW(about.Hwnd(), WM_TIMER, timer, 0);
    if (link == picLogo) {
      EXPECT_EQ(main.NormalPicture(), test::PictureOf(control));
      EXPECT_EQ(L"False", about.LogoTag);
    } else {
      EXPECT_EQ(kLinkNormalColor, about.ForeColor(link)) << link;
    }
    EXPECT_FALSE(::KillTimer(about.Hwnd(), timer)) << "still running for " << link;
  }
}

}  // namespace
}  // namespace quav
