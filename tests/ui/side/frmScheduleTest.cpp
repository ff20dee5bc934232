#include "ui/side/frmSchedule.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/ScreenCapture.h"
#include "ui/side/SideWindowFixture.h"

namespace quav {
namespace {

using namespace frmScheduleControls;

bool Checked(const Form& form, int id) { return ::SendMessageW(form.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Click(const Form& form, int id) { ::SendMessageW(form.Item(id), BM_CLICK, 0, 0); }

class ScheduleWindowTest : public test::SideWindowTest {};

// The schedule there is, shown; what is chosen comes out; Schedule asks for a
// moment, and for a maker's name when a maker is the kind of address.
TEST_F(ScheduleWindowTest, ShowsTheScheduleAndGivesBackTheChoice) {
  frmSchedule dialog({L"0007", L"Intel(R) PRO/1000 MT",
                      Schedule{L"0007", {Moment::Wake, Moment::Connect}, {AddressSource::Maker, L"00-1B-21"}}});
  ASSERT_TRUE(dialog.Create(main.Hwnd()));
  EXPECT_EQ(L"网络适配器 0007：Intel(R) PRO/1000 MT", dialog.Text(lblAdapter));
  EXPECT_FALSE(Checked(dialog, chkBoot));
  EXPECT_TRUE(Checked(dialog, chkWake) && Checked(dialog, chkConnect));
  EXPECT_TRUE(Checked(dialog, optMaker));
  EXPECT_EQ(L"00-1B-21", dialog.Text(txtMaker));
  EXPECT_NE(std::wstring::npos, dialog.Text(lblCurrent).find(L"00-1B-21")) << dialog.Text(lblCurrent);
  EXPECT_TRUE(dialog.Enabled(cmdRemove));
  test::ShowAndSettle(dialog);
  RECT frame{};
  ::GetWindowRect(dialog.Hwnd(), &frame);
  test::CaptureScreen(frame, L"frmSchedule.bmp");

  dialog.SetText(txtMaker, L"");
  EXPECT_FALSE(dialog.Enabled(cmdSchedule)) << "a maker without a name";
  Click(dialog, optKeepMaker);
  EXPECT_FALSE(dialog.Enabled(txtMaker));
  EXPECT_TRUE(dialog.Enabled(cmdSchedule));
  Click(dialog, chkWake);
  Click(dialog, chkConnect);
  EXPECT_FALSE(dialog.Enabled(cmdSchedule)) << "no moment";
  Click(dialog, chkLogon);
  Click(dialog, cmdSchedule);
  EXPECT_EQ(frmSchedule::Choice::Schedule, dialog.Chosen.choice);
  EXPECT_EQ(std::vector<Moment>{Moment::Logon}, dialog.Chosen.moments);
  EXPECT_EQ(AddressSource::KeepMaker, dialog.Chosen.source);

  // One address per network: its options, and Windows' own for a Wi-Fi network it offers.
  const auto shown = [](const Form& form, int id) {
    return (::GetWindowLongW(form.Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
  };
  frmSchedule wifi({L"0009", L"WLAN", std::nullopt, L"Home", std::nullopt});
  ASSERT_TRUE(wifi.Create(main.Hwnd()));
  EXPECT_NE(std::wstring::npos, wifi.Text(lblWindows).find(L"Home"));
  EXPECT_TRUE(shown(wifi, cmdUseWindows));
  test::ShowAndSettle(wifi);
  ::GetWindowRect(wifi.Hwnd(), &frame);
  test::CaptureScreen(frame, L"frmSchedule-wifi.bmp");
  EXPECT_FALSE(wifi.Enabled(chkDaily));
  Click(wifi, optPerNetwork);
  EXPECT_TRUE(wifi.Enabled(chkDaily) && wifi.Enabled(chkNetworkMaker) && Checked(wifi, chkConnect));
  Click(wifi, chkDaily);
  Click(wifi, cmdSchedule);
  EXPECT_EQ(AddressSource::PerNetwork, wifi.Chosen.source);
  EXPECT_TRUE(wifi.Chosen.daily && !wifi.Chosen.keepMaker);
  frmSchedule windows({L"0009", L"WLAN", std::nullopt, L"Home", std::nullopt});
  ASSERT_TRUE(windows.Create(main.Hwnd()));
  Click(windows, cmdUseWindows);
  EXPECT_EQ(frmSchedule::Choice::UseWindows, windows.Chosen.choice);

  frmSchedule none({L"0004", L"Other", std::nullopt});
  ASSERT_TRUE(none.Create(main.Hwnd()));
  EXPECT_TRUE(Checked(none, chkBoot) && Checked(none, chkWake) && Checked(none, optRandom)) << "boot and wake, random";
  EXPECT_FALSE(none.Enabled(cmdRemove));
  EXPECT_EQ(L"无", none.Text(lblCurrent));
  EXPECT_FALSE(shown(none, cmdUseWindows) || shown(none, lblWindows)) << "offered for a Wi-Fi network only";
}

}  // namespace
}  // namespace quav
