#include "ui/side/frmNotification.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "support/FakeServices.h"
#include "support/ScratchFolder.h"
#include "support/ScreenCapture.h"
#include "platform/Handles.h"
#include "ui/main/frmMain.h"

namespace quav {
namespace {

using namespace frmNotificationControls;

constexpr wchar_t kNotice[] =
    L"MAC 地址更新后将在网络适配器禁用/启用或重启计算机后生效。请参照自述文件的 '激活新的 MAC 地址 '"
    L" 附加信息部分。";

bool g_watchdogFired = false;

void CALLBACK EndStuckLoop(HWND, UINT, UINT_PTR, DWORD) {
  g_watchdogFired = true;
  ::PostQuitMessage(0);
}

class NotificationTest : public ::testing::Test {
 protected:
  NotificationTest() : main_({host_, windows_, {}, L""}) {
    test::InitControls();
    main_.Create();
    // The notice comes after start-up: the main window's first activation,
    // which reads the settings, has run.
    main_.Activated = true;
  }

  // Shows the notice modally after queueing keys for its controls, as a user
  // would type them; a watchdog ends a showing the keys did not close.
  void ShowWithKeys(frmNotification& notice, std::initializer_list<std::pair<int, WPARAM>> keys) {
    ASSERT_TRUE(notice.Create(main_.Hwnd()));
    for (const auto& [control, key] : keys) {
      ::PostMessageW(notice.Item(control), WM_KEYDOWN, key, 1);
      ::PostMessageW(notice.Item(control), WM_KEYUP, key, 0xC0000001);
    }
    g_watchdogFired = false;
    const UINT_PTR watchdog = ::SetTimer(nullptr, 0, 10000, EndStuckLoop);
    notice.ShowModal(main_.Hwnd());
    ::KillTimer(nullptr, watchdog);
    MSG quit;
    while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_FALSE(g_watchdogFired) << "the keys did not close the notice";
    EXPECT_EQ(nullptr, notice.Hwnd());
    EXPECT_TRUE(::IsWindowEnabled(main_.Hwnd())) << "the main window stays disabled";
  }

  test::FakeHost host_;
  test::FakeWindows windows_;
  frmMain main_;
};

TEST_F(NotificationTest, LoadsCaptionNoticeAndAClearBoxOverTheMainWindow) {
  frmNotification notice;
  ASSERT_TRUE(notice.Create(main_.Hwnd()));
  EXPECT_EQ(L"更新注意", notice.Caption());
  EXPECT_EQ(kNotice, notice.Text(lblNotify));
  EXPECT_EQ(L"好", notice.Text(cmdOK));
  EXPECT_EQ(L"不再次显示", notice.Text(chkHide));
  EXPECT_EQ(BST_UNCHECKED, ::SendMessageW(notice.Item(chkHide), BM_GETCHECK, 0, 0));
  EXPECT_EQ(main_.Hwnd(), ::GetWindow(notice.Hwnd(), GW_OWNER));
  EXPECT_EQ(5670, notice.ScaleWidthTwips());
  EXPECT_EQ(2175, notice.ScaleHeightTwips());
}

TEST_F(NotificationTest, EnterWithTheBoxTickedHidesLaterNotices) {
  frmNotification notice;
  notice.HideNotify = false;
  // Tab from OK to the box, Space ticks it, Enter presses the default OK.
  ShowWithKeys(notice, {{cmdOK, VK_TAB}, {chkHide, VK_SPACE}, {chkHide, VK_RETURN}});
  EXPECT_TRUE(notice.HideNotify);
}

TEST_F(NotificationTest, OkWithTheBoxClearKeepsShowingNotices) {
  frmNotification notice;
  notice.HideNotify = true;
  ASSERT_TRUE(notice.Create(main_.Hwnd()));
  ::SendMessageW(notice.Hwnd(), WM_COMMAND, MAKEWPARAM(cmdOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(notice.Item(cmdOK)));
  EXPECT_FALSE(notice.HideNotify);
  EXPECT_EQ(nullptr, notice.Hwnd());
}

// With the box ticked, an Esc or the close box must not count as OK.
TEST_F(NotificationTest, ClosingWithoutOkLeavesHideNotifyAlone) {
  {
    frmNotification notice;
    ASSERT_TRUE(notice.Create(main_.Hwnd()));
    ::SendMessageW(notice.Item(chkHide), BM_SETCHECK, BST_CHECKED, 0);
    ShowWithKeys(notice, {{chkHide, VK_ESCAPE}});
    EXPECT_FALSE(notice.HideNotify);
  }
  frmNotification notice;
  ASSERT_TRUE(notice.Create(main_.Hwnd()));
  ::SendMessageW(notice.Item(chkHide), BM_SETCHECK, BST_CHECKED, 0);
  ::SendMessageW(notice.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(nullptr, notice.Hwnd());
  EXPECT_FALSE(notice.HideNotify);
}

// Leaves a picture of the notice as shown on the display, frmNotification.bmp
// in the test folder, for a person to look at.
TEST_F(NotificationTest, ShownNoticeIsPaintedOnTheDisplay) {
  frmNotification notice;
  ASSERT_TRUE(notice.Create(main_.Hwnd()));
  notice.Show();
  for (int k = 0; k < 20; ++k) {
    DoEvents();
    ::Sleep(25);
  }
  RECT frame{};
  ::GetWindowRect(notice.Hwnd(), &frame);
  test::CaptureScreen(frame, L"frmNotification.bmp");
  // The notice's text is on the display: its label's area is mostly a light
  // face with dark strokes in it, neither a flat colour nor a dark void.
  RECT label{};
  ::GetWindowRect(::GetDlgItem(notice.Hwnd(), lblNotify), &label);
  const std::vector<BYTE> pixels = test::CaptureScreen(label, L"frmNotification-text.bmp");
  const long width = label.right - label.left;
  const long height = label.bottom - label.top;
  const long stride = (width * 3 + 3) & ~3L;
  long dark = 0;
  for (long y = 0; y < height; ++y) {
    for (long x = 0; x < width; ++x) {
      const BYTE* pixel = &pixels[static_cast<size_t>(y * stride + x * 3)];
      if (pixel[0] < 100 && pixel[1] < 100 && pixel[2] < 100) ++dark;
    }
  }
  const double share = static_cast<double>(dark) / static_cast<double>(width * height);
  EXPECT_GT(share, 0.01) << dark << " dark pixels of " << width * height << ": no text";
  EXPECT_LT(share, 0.5) << dark << " dark pixels of " << width * height << ": no face behind the text";
  notice.Unload();
}

}  // namespace
}  // namespace quav
