// The main window as a user meets it: the list, the entry boxes, refreshing
// and sorting, on the real program.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "e2e/E2EFixture.h"
#include "platform/Settings.h"
#include "platform/Texts.h"
#include "support/ScreenCapture.h"
#include "ui/Twips.h"
#include "ui/WindowTitle.h"

namespace quav::e2e {
namespace {

using namespace frmMainControls;

constexpr wchar_t kGuidA[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr wchar_t kGuidB[] = L"{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr wchar_t kGuidC[] = L"{CCCCCCCC-0000-0000-0000-000000000003}";

std::string Narrow(const std::wstring& text) {
  std::string out(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)),
                  '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  if (!out.empty()) out.pop_back();
  return out;
}

std::vector<std::wstring> Column(const std::vector<std::vector<std::wstring>>& rows, size_t column) {
  std::vector<std::wstring> values;
  for (const auto& row : rows) values.push_back(row.at(column));
  return values;
}

class MainWindow : public E2E {
 protected:
  // Three adapters: one with this machine's own address (so it is active and
  // its hardware address resolves), one whose address does not answer, with
  // an override, and a class subkey that is not an adapter.
  void SeedThreeAdapters() {
    own = test::FirstOwnInterface();
    ASSERT_TRUE(own) << "this machine has no IPv4 interface";
    adapters.AddConnection(L"Descriptions");
    adapters.AddAdapter(L"0000", L"Intel(R) PRO/1000 MT", kGuidA, own->address);
    adapters.AddAdapter(L"0001", L"VMware Virtual Ethernet Adapter", kGuidB, L"10.99.0.12");
    adapters.SetNetworkAddress(L"0001", L"0012345678AB");
    adapters.AddClass(L"Properties", nullptr, nullptr);
  }
  std::optional<test::OwnInterface> own;
};

// The popup menus the program shows.
std::vector<HWND> OpenMenus(const QuavApp& quav) {
  std::vector<HWND> menus;
  for (const Dialog& shown : quav.Dialogs()) {
    if (ClassName(shown.hwnd) == L"#32768") menus.push_back(shown.hwnd);
  }
  return menus;
}

// Opens the system menu's Language submenu from the keyboard (without a
// window manager there is no title bar to click): Alt+Space opens the system
// menu, End reaches its last entry ("ORV 2003"), Up twice the Language one,
// and Right opens it on its first entry, English. Returns the submenu, the
// smaller of the two.
HWND OpenLanguageMenu(const QuavApp& quav) {
  ::SetForegroundWindow(quav.Main());
  KeyboardPress({VK_SPACE}, true);
  if (!WaitUntil([&] { return OpenMenus(quav).size() == 1; })) return nullptr;
  // The language entry comes just before the About entry at the end.
  KeyboardPress({VK_END, VK_UP, VK_RIGHT});
  if (!WaitUntil([&] { return OpenMenus(quav).size() == 2; })) return nullptr;
  const std::vector<HWND> menus = OpenMenus(quav);
  RECT first{}, second{};
  ::GetWindowRect(menus[0], &first);
  ::GetWindowRect(menus[1], &second);
  return first.bottom - first.top < second.bottom - second.top ? menus[0] : menus[1];
}

// The main window and its open menus, as a picture to look at.
void MenusScreenshot(const QuavApp& quav, const std::wstring& name) {
  RECT all{};
  ::GetWindowRect(quav.Main(), &all);
  for (HWND menu : OpenMenus(quav)) {
    RECT rect{};
    ::GetWindowRect(menu, &rect);
    ::UnionRect(&all, &all, &rect);
  }
  test::CaptureScreen(all, ScreenshotFolder() + L"\\" + name + L".bmp");
}

std::optional<Dialog> WaitForMessageBox(const QuavApp& quav) {
  std::optional<Dialog> box;
  WaitUntil([&] {
    for (const Dialog& shown : quav.Dialogs()) {
      if (ClassName(shown.hwnd) == L"#32770") box = shown;
    }
    return box.has_value();
  });
  return box;
}

std::wstring LanguageMessage(Language chosen, Language spoken) {
  return std::wstring(SayIn(chosen, TextId::LanguageFromNextStart)) + L"\r\n\r\n" +
         SayIn(spoken, TextId::OtherLanguageFromNextStart);
}

TEST_F(MainWindow, StandsAsDesignedWithNoAdapter) {
  QuavApp& quav = Launch();
  EXPECT_EQ(WindowTitle() + L"  [  无数据  ]", quav.Title());
  EXPECT_TRUE(quav.Rows().empty());

  EXPECT_EQ(L"仅显示活动的网络适配器", quav.Text(chkFilterActive));
  EXPECT_TRUE(quav.Checked(chkFilterActive));
  EXPECT_EQ(L"新伪装的 MAC 地址", quav.Text(lblNewMAC));
  EXPECT_EQ(L"更新 MAC", quav.Text(cmdUpdate));
  EXPECT_EQ(L"删除 MAC", quav.Text(cmdRemove));
  EXPECT_EQ(L"刷新", quav.Text(cmdRefresh));
  EXPECT_EQ(L"退出", quav.Text(cmdExit));
  EXPECT_EQ(L"伪装的 MAC 地址", quav.Text(lblSpoofedMACLabel));
  EXPECT_EQ(L"活动的 MAC 地址", quav.Text(lblActiveMACLabel));
  for (int id : {lblDash1, lblDash2, lblDash3, lblDash4, lblDash5}) EXPECT_EQ(L"-", quav.Text(id));
  EXPECT_EQ(L"注意: 使用该程序有风险。我们不承担对你的系统可能造成的任何损害的责任，该程序不能用于非法或不道"
            L"德目的。如果你不同意这些注意事项，请你不要使用本程序。",
            quav.Text(lblDisclaimer));

  // With no adapter only reloading remains possible.
  for (int id : {cmdUpdate, cmdRemove, cmdClear, cmdSpoofMAC, cmdActiveMAC}) EXPECT_FALSE(quav.Enabled(id)) << id;
  for (int k = 0; k < 6; ++k) EXPECT_FALSE(quav.Enabled(txtMAC(k))) << k;
  for (int id : {chkFilterActive, cmdRefresh, cmdExit}) EXPECT_TRUE(quav.Enabled(id)) << id;

  // Geometry: the designed twips at the screen's resolution.
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  RECT client{};
  ::GetClientRect(quav.Main(), &client);
  EXPECT_EQ(TwipsToPixels(8070, dpi), client.right);
  EXPECT_EQ(TwipsToPixels(5130, dpi), client.bottom);
  struct Placed {
    int id, left, top, width, height;
  };
  for (const Placed& p : {Placed{lvwNIC, 130, 0, 7805, 2040}, Placed{txtMAC(3), 2265, 2730, 510, 360},
                          Placed{cmdExit, 6300, 2845, 1510, 375}, Placed{lblActiveMAC, 150, 4050, 2685, 315}}) {
    RECT rect{};
    ::GetWindowRect(quav.Control(p.id), &rect);
    ::MapWindowPoints(nullptr, quav.Main(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(TwipsToPixels(p.left, dpi), rect.left) << p.id;
    EXPECT_EQ(TwipsToPixels(p.top, dpi), rect.top) << p.id;
    EXPECT_EQ(TwipsToPixels(p.width, dpi), rect.right - rect.left) << p.id;
    EXPECT_EQ(TwipsToPixels(p.height, dpi), rect.bottom - rect.top) << p.id;
  }
  quav.Screenshot(quav.Main(), L"main-window-empty");
}

// The screen's resolution as the next program started reads it, for the
// test's duration.
class ScopedScreenDpi {
 public:
  explicit ScopedScreenDpi(DWORD dpi) : before_(test::ReadRaw(HKEY_CURRENT_USER, kKey, kValue)) {
    test::SetRaw(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, std::string(reinterpret_cast<const char*>(&dpi), 4));
  }
  ~ScopedScreenDpi() {
    if (before_) {
      test::SetRaw(HKEY_CURRENT_USER, kKey, kValue, before_->type, before_->bytes);
    } else {
      HKEY key = nullptr;
      if (::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        ::RegDeleteValueW(key, kValue);
        ::RegCloseKey(key);
      }
    }
  }
  ScopedScreenDpi(const ScopedScreenDpi&) = delete;
  ScopedScreenDpi& operator=(const ScopedScreenDpi&) = delete;

 private:
  static constexpr wchar_t kKey[] = L"Control Panel\\Desktop";
  static constexpr wchar_t kValue[] = L"LogPixels";
  std::optional<test::RawValue> before_;
};

// At 120 DPI the logo keeps its picture's size (297 x 34 pixels, not
// stretched) and its 170-twip margin from the right edge.
TEST_F(MainWindow, TheLogoKeepsItsPicturesSizeAtAnotherResolution) {
  constexpr int kDpi = 120;
  const ScopedScreenDpi dpi(kDpi);
  QuavApp& quav = Launch();
  RECT main{};
  ::GetClientRect(quav.Main(), &main);
  ASSERT_EQ(TwipsToPixels(8070, kDpi), main.right) << "the program runs at " << kDpi << " DPI";
  RECT logo{};
  ::GetWindowRect(quav.Control(picLogo), &logo);
  ::MapWindowPoints(nullptr, quav.Main(), reinterpret_cast<POINT*>(&logo), 2);
  EXPECT_EQ(297, logo.right - logo.left);
  EXPECT_EQ(34, logo.bottom - logo.top);
  EXPECT_NEAR(TwipsToPixels(170, kDpi), main.right - logo.right, 1);
}

TEST_F(MainWindow, ListsTheRegistryAdaptersWhenWmiFails) {
  SeedThreeAdapters();
  QuavApp& quav = Launch();
  EXPECT_EQ(WindowTitle() + L"  [WBEM   关]", quav.Title());
  // Only the active adapter while the filter is on.
  auto rows = quav.Rows();
  ASSERT_EQ(1u, rows.size());
  EXPECT_EQ((std::vector<std::wstring>{L"0000", L"是", L"否", L"Intel(R) PRO/1000 MT", own->address,
                                       own->hardwareAddress}),
            rows[0]);
  EXPECT_EQ(1, quav.SelectedRow());
  EXPECT_EQ(L" " + own->hardwareAddress, quav.Text(lblActiveMAC));
  EXPECT_EQ(L" ", quav.Text(lblSpoofedMAC));
  EXPECT_TRUE(quav.Enabled(cmdActiveMAC));
  EXPECT_FALSE(quav.Enabled(cmdSpoofMAC));
  EXPECT_FALSE(quav.Enabled(cmdRemove));

  // All adapters: overrides first, then active ones; row 1 selected.
  quav.Click(chkFilterActive);
  rows = quav.Rows();
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ((std::vector<std::wstring>{L"0001", L"0000", L"Properties"}), Column(rows, 0));
  EXPECT_EQ((std::vector<std::wstring>{L"否", L"是", L"否"}), Column(rows, 1));
  EXPECT_EQ((std::vector<std::wstring>{L"是", L"否", L"否"}), Column(rows, 2));
  EXPECT_EQ(L"10.99.0.12", rows[0][4]) << "the address stays although ARP did not answer";
  EXPECT_EQ(L"", rows[0][5]);
  EXPECT_EQ(1, quav.SelectedRow());

  // The adapter with an override: its address fills the empty boxes.
  EXPECT_EQ(L" 00-12-34-56-78-AB", quav.Text(lblSpoofedMAC));
  EXPECT_EQ(L" ", quav.Text(lblActiveMAC));
  const wchar_t* pairs[] = {L"00", L"12", L"34", L"56", L"78", L"AB"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(pairs[k], quav.Text(txtMAC(k)));
  EXPECT_TRUE(quav.Enabled(cmdRemove));
  EXPECT_TRUE(quav.Enabled(cmdSpoofMAC));
  EXPECT_FALSE(quav.Enabled(cmdActiveMAC));
  EXPECT_TRUE(quav.Enabled(cmdUpdate));
  EXPECT_TRUE(quav.Enabled(cmdClear));
  quav.Screenshot(quav.Main(), L"main-window-all-adapters");

  // Selecting another row shows it; the boxes keep what they hold.
  quav.ClickRow(2);
  EXPECT_EQ(2, quav.SelectedRow());
  EXPECT_EQ(L" " + own->hardwareAddress, quav.Text(lblActiveMAC));
  EXPECT_EQ(L" ", quav.Text(lblSpoofedMAC));
  EXPECT_FALSE(quav.Enabled(cmdRemove));
  EXPECT_EQ(L"AB", quav.Text(txtMAC(5)));
}

TEST_F(MainWindow, EntryBoxesTakeOnlyHexadecimalDigits) {
  SeedThreeAdapters();
  QuavApp& quav = Launch();
  quav.Type(txtMAC(0), L"g- :");
  EXPECT_EQ(L"", quav.Text(txtMAC(0)));
  quav.Type(txtMAC(0), L"b");
  EXPECT_EQ(L"B", quav.Text(txtMAC(0)));
  EXPECT_TRUE(quav.Enabled(cmdClear));
  quav.Type(txtMAC(0), L"\b");
  EXPECT_EQ(L"", quav.Text(txtMAC(0)));
  EXPECT_FALSE(quav.Enabled(cmdClear));

  // One digit and Tab: the box is completed and the next one has the focus.
  quav.Type(txtMAC(0), L"7");
  quav.PressKey(quav.Control(txtMAC(0)), VK_TAB);
  EXPECT_EQ(L"07", quav.Text(txtMAC(0)));
  EXPECT_EQ(quav.Control(txtMAC(1)), quav.FocusedControl());

  // Ten characters are not enough; eleven are.
  for (int k = 1; k <= 4; ++k) quav.Type(txtMAC(k), L"a1");
  EXPECT_FALSE(quav.Enabled(cmdUpdate));
  quav.Type(txtMAC(5), L"c");
  EXPECT_TRUE(quav.Enabled(cmdUpdate));
  EXPECT_EQ(L"A1", quav.Text(txtMAC(4)));

  // The boxes hold two characters whatever arrives.
  quav.Type(txtMAC(5), L"dd");
  EXPECT_EQ(2u, quav.Text(txtMAC(5)).size());

  quav.Click(cmdClear);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(L"", quav.Text(txtMAC(k)));
  EXPECT_FALSE(quav.Enabled(cmdUpdate));
  EXPECT_EQ(quav.Control(txtMAC(0)), quav.FocusedControl());

  // The copy button takes the active address into the boxes.
  quav.Click(cmdActiveMAC);
  EXPECT_EQ(Narrow(own->hardwareAddress.substr(0, 2)), Narrow(quav.Text(txtMAC(0))));
  EXPECT_EQ(Narrow(own->hardwareAddress.substr(15, 2)), Narrow(quav.Text(txtMAC(5))));
}

TEST_F(MainWindow, RefreshKeepsTheSelectedAdapter) {
  SeedThreeAdapters();
  adapters.AddAdapter(L"0002", L"Third", kGuidC, L"0.0.0.0");
  QuavApp& quav = Launch();
  quav.Click(chkFilterActive);
  auto rows = quav.Rows();
  ASSERT_EQ(4u, rows.size());
  const long third = 1 + static_cast<long>(std::find(rows.begin(), rows.end(),
                                                     std::vector<std::wstring>{L"0002", L"否", L"否", L"Third", L"",
                                                                               L""}) -
                                           rows.begin());
  quav.ClickRow(third);
  ASSERT_EQ(third, quav.SelectedRow());

  quav.Click(cmdRefresh);
  EXPECT_EQ(WindowTitle() + L"  [WBEM   关]", quav.Title()) << "no loading marker after a successful load";
  ASSERT_GT(quav.SelectedRow(), 0);
  EXPECT_EQ(L"0002", quav.Rows()[static_cast<size_t>(quav.SelectedRow() - 1)][0]);

  // The adapter has gone: row 1 is selected.
  test::DeleteTree(HKEY_LOCAL_MACHINE, test::AdapterRegistry::ClassKey(L"0002"));
  quav.Command(mnuRefresh);
  EXPECT_EQ(3u, quav.Rows().size());
  EXPECT_EQ(1, quav.SelectedRow());
}

TEST_F(MainWindow, ColumnHeadersSortOneDirectionForTheWholeList) {
  SeedThreeAdapters();
  adapters.AddAdapter(L"0002", L"Third", kGuidC, L"10.99.0.2");
  QuavApp& quav = Launch();
  quav.Click(chkFilterActive);
  quav.ClickHeader(4);  // "IP 地址": after the default sort's descending order, ascending
  auto addresses = Column(quav.Rows(), 4);
  EXPECT_TRUE(std::is_sorted(addresses.begin(), addresses.end())) << Narrow(addresses[0]);
  quav.ClickHeader(4);
  addresses = Column(quav.Rows(), 4);
  EXPECT_TRUE(std::is_sorted(addresses.rbegin(), addresses.rend()));
  quav.ClickHeader(0);  // "ID": the direction flips again, to ascending
  const auto ids = Column(quav.Rows(), 0);
  EXPECT_EQ((std::vector<std::wstring>{L"0000", L"0001", L"0002", L"Properties"}), ids);
}

TEST_F(MainWindow, WithWmiWorkingTheMarkerSaysWhereTheRowsCameFrom) {
  SeedThreeAdapters();
  QuavApp& quav = Launch(false);
  const std::wstring title = quav.Title();
  ASSERT_TRUE(title == WindowTitle() + L"  [WBEM  开]" || title == WindowTitle() + L"  [WBEM   关]")
      << Narrow(title);
  for (const auto& row : quav.Rows()) {
    EXPECT_GE(row[0].size(), 4u);
    EXPECT_TRUE(row[1] == L"是") << "the filter is on";
  }
  // The other scenarios prove WMI off by its module's absence: here, on, it is seen.
  EXPECT_TRUE(quav.HasLoaded(L"wbemprox.dll"));
  // It would add about 1 MB to the window's working set.
  ASSERT_TRUE(quav.HasLoaded(L"kernel32.dll"));
  EXPECT_FALSE(quav.HasLoaded(L"shell32.dll"));
}

// A language is chosen from the system menu's submenu as a user chooses it,
// with the keyboard and with the mouse: under Wine the choice arrives as
// WM_COMMAND, not the WM_SYSCOMMAND that Windows sends. Its message is said in
// both languages, for whoever chose by mistake.
TEST_F(MainWindow, ALanguageChosenFromTheSystemMenuIsStoredAndSaidInBoth) {
  QuavApp& chinese = Launch();
  ASSERT_TRUE(OpenLanguageMenu(chinese));
  MenusScreenshot(chinese, L"language-menu-zh");
  KeyboardPress({VK_RETURN});
  std::optional<Dialog> told = WaitForMessageBox(chinese);
  ASSERT_TRUE(told) << "choosing English from the keyboard did nothing";
  EXPECT_EQ(LanguageMessage(Language::English, Language::Chinese), told->text);
  EXPECT_EQ(L"en", Setting(kLanguageValue));
  chinese.Screenshot(told->hwnd, L"language-message-zh");
  chinese.PressDialogButton(told->hwnd, IDOK);
  chinese.Command(mnuExit);
  ASSERT_TRUE(chinese.WaitForExit());

  QuavApp& english = Launch();
  const HWND submenu = OpenLanguageMenu(english);
  ASSERT_TRUE(submenu);
  MenusScreenshot(english, L"language-menu-en");
  RECT entries{};
  ::GetWindowRect(submenu, &entries);
  MouseClickAt({(entries.left + entries.right) / 2, entries.top + (entries.bottom - entries.top) * 3 / 4});
  told = WaitForMessageBox(english);
  ASSERT_TRUE(told) << "clicking 中文(简体) did nothing";
  EXPECT_EQ(LanguageMessage(Language::Chinese, Language::English), told->text);
  EXPECT_EQ(L"zh", Setting(kLanguageValue));
  english.Screenshot(told->hwnd, L"language-message-en");
}

TEST_F(MainWindow, ExitButtonAndMenuEndTheProgram) {
  QuavApp& quav = Launch();
  quav.Click(cmdExit);
  EXPECT_TRUE(quav.WaitForExit());
  EXPECT_EQ(0u, quav.ExitCode());

  QuavApp& again = Launch();
  again.Command(mnuExit);
  EXPECT_TRUE(again.WaitForExit());
}

}  // namespace
}  // namespace quav::e2e
