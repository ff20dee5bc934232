#include "ui/side/frmAgreement.h"

#include "AppVersion.h"
#include "SideWindowFixture.h"
#include "ui/side/LicenseText.h"
#include "ui/side/SideCaptions.h"

namespace quav {
namespace {

using namespace frmAgreementControls;
using AgreementTest = test::SideWindowTest;

TEST_F(AgreementTest, LoadsCaptionTextsAndReadOnlyTerms) {
  frmAgreement dialog;
  ASSERT_TRUE(dialog.Create(main.Hwnd()));
  EXPECT_EQ(AgreementCaption(kVersionMajor, kVersionMinor, kVersionRevision), dialog.Caption());
  EXPECT_EQ(L"同意(&A)", dialog.Text(cmdAccept));
  EXPECT_EQ(L"拒绝(&D)", dialog.Text(cmdDecline));
  EXPECT_EQ(7080, dialog.ScaleWidthTwips());
  EXPECT_EQ(4110, dialog.ScaleHeightTwips());

  HWND box = dialog.Item(txtLicense);
  EXPECT_EQ(GetLicenseText(), dialog.Text(txtLicense));
  ::SendMessageW(box, WM_CHAR, L'x', 0);
  ::SendMessageW(box, WM_PASTE, 0, 0);
  EXPECT_EQ(GetLicenseText(), dialog.Text(txtLicense));
  ::SendMessageW(box, EM_LINESCROLL, 0, 5);
  EXPECT_EQ(5, ::SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
}

TEST_F(AgreementTest, ButtonsDecideAndUnloadClosingLeavesAgree) {
  struct Case {
    bool before;
    int button;  // 0: the close box
    bool after;
  };
  for (const Case& c : {Case{false, cmdAccept, true}, Case{true, cmdDecline, false}, Case{true, 0, true},
                        Case{false, 0, false}}) {
    frmAgreement dialog;
    ASSERT_TRUE(dialog.Create(main.Hwnd()));
    dialog.Agree = c.before;
    if (c.button) {
      ::SendMessageW(dialog.Item(c.button), BM_CLICK, 0, 0);
    } else {
      ::SendMessageW(dialog.Hwnd(), WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(c.after, dialog.Agree) << c.button;
    EXPECT_EQ(nullptr, dialog.Hwnd()) << c.button;
  }
}

}  // namespace
}  // namespace quav
