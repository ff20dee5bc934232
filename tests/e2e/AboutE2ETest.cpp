// The About window and the links' hover look on the real program.
#include <windows.h>

#include "e2e/E2EFixture.h"
#include "ui/side/frmAbout.h"

namespace quav::e2e {
namespace {

class About : public E2E {
 protected:
  HWND Open(QuavApp& quav) {
    quav.Command(frmMainControls::mnuAbout);
    return quav.WaitForWindowOfClass(L"QUAV.frmAbout");
  }
};

TEST_F(About, ShowsTitleTermsAndClosesWithOkOrEsc) {
  QuavApp& quav = Launch();
  const std::wstring title = quav.Title();
  HWND about = Open(quav);
  ASSERT_TRUE(about);
  EXPECT_EQ(L"关于    QUAV 1.2", WindowText(about));
  EXPECT_EQ(L"QUAV 1.2", WindowText(::GetDlgItem(about, frmAboutControls::lblTitle)));
  const std::wstring terms = WindowText(::GetDlgItem(about, frmAboutControls::txtLicense));
  EXPECT_NE(std::wstring::npos, terms.find(L"最终用户许可协议:"));
  EXPECT_NE(std::wstring::npos, terms.find(L"8.6 "));
  EXPECT_EQ(L"确定", WindowText(::GetDlgItem(about, frmAboutControls::cmdOK)));
  EXPECT_FALSE(::IsWindowEnabled(quav.Main())) << "modal";
  quav.Screenshot(about, L"about-window");

  quav.PressDialogButton(about, frmAboutControls::cmdOK);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
  EXPECT_TRUE(::IsWindowEnabled(quav.Main()));
  quav.Settle();
  EXPECT_EQ(title, quav.Title()) << "the list was not reloaded";

  about = Open(quav);
  ASSERT_TRUE(about);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(about, nullptr), &info);
  quav.PressKey(info.hwndFocus ? info.hwndFocus : about, VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
}

TEST_F(About, LinksTurnBlueUnderThePointerAndBackWhenItLeaves) {
  QuavApp& quav = Launch();
  HWND about = Open(quav);
  ASSERT_TRUE(about);
  HWND link = ::GetDlgItem(about, frmAboutControls::lblCopyright);
  quav.Settle();
  EXPECT_EQ(0, BluePixels(link));
  const POINT over = CentreOf(link);
  MoveMouseTo(over);
  MoveMouseTo(POINT{over.x + 1, over.y});
  EXPECT_TRUE(WaitUntil([&] { return BluePixels(link) > 10; }, 3s)) << "blue under the pointer";
  quav.Screenshot(about, L"about-window-hover");
  // Straight out across the window's border: the timer notices.
  RECT frame{};
  ::GetWindowRect(about, &frame);
  MoveMouseTo(POINT{frame.right + 40, frame.bottom + 40});
  // The timer looks every 100 ms; a loaded machine may take some screen reads longer.
  EXPECT_TRUE(WaitUntil([&] { return BluePixels(link) == 0; }, 5s))
      << "restored once the pointer left; blue pixels still: " << BluePixels(link);
}

}  // namespace
}  // namespace quav::e2e
