#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <span>
#include <string>

#include "platform/Texts.h"
#include "ui/Layout.h"
#include "ui/WindowTitle.h"
#include "support/FakeServices.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"
#include "ui/main/frmMainLayout.h"
#include "ui/side/frmAbout.h"
#include "ui/side/frmAgreement.h"
#include "ui/side/frmMakers.h"
#include "ui/side/frmNotification.h"
#include "ui/side/frmSchedule.h"
#include "schedule/ScheduleOperation.h"

namespace quav {
namespace {

struct Window {
  const char* name;
  std::span<const ControlDesign> layout;
  // Texts the window sets at load, by control.
  std::map<int, std::wstring> loaded;
};

// A control's rectangle in the client area of the window that holds it.
RECT PlaceIn(HWND host, HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The About window's rows: each label and the control to its right.
constexpr std::array<std::pair<int, int>, 3> kAboutRows{{
    {frmAboutControls::lblCopyright, frmAboutControls::lblAllRights},
    {frmAboutControls::lblBy, frmAboutControls::lblEmail},
    {frmAboutControls::lblCredit1, frmAboutControls::picArrow},
}};

// The space a control's text needs beside it, in pixels at 96 dpi: a
// button's edges and focus frame, a check box's box and the gap after it.
int Chrome(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return 8;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: return ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
    default: return 0;
  }
}

// Every control's text fits the control, measured with the control's own
// font, in both languages and at 96 and 120 dpi: a label within its lines, a
// button and a check box on one line.
TEST(LayoutFit, EveryTextFitsItsControl) {
  HWND host = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 3000, 3000, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(host);
  HDC dc = ::GetDC(host);
  for (const Language language : {Language::Chinese, Language::English}) {
    SetLanguage(language);
    const Window windows[] = {
        {"frmMain", MainWindowLayout(), {}},
        {"frmAbout", frmAbout::Layout(), {{frmAboutControls::lblTitle, WindowTitle()}}},
        {"frmAgreement", frmAgreement::Layout(), {}},
        {"frmNotification", frmNotification::Layout(), {{frmNotificationControls::lblNotify, Say(TextId::Notice)}}},
        {"frmMakers",
         frmMakers::Layout(),
         {{frmMakersControls::lblCount, Say(TextId::MakerShown, {L"18,427", L"200"})}}},
        {"frmSchedule",
         frmSchedule::Layout(),
         {{frmScheduleControls::lblAdapter, Say(TextId::ScheduleAdapter, {L"0007", L"Intel(R) PRO/1000 MT Network Connection"})},
          {frmScheduleControls::lblCurrent,
           ScheduleText({L"0007", {Moment::Boot, Moment::Logon, Moment::Wake, Moment::Connect},
                         {AddressSource::Maker, L"00-1B-21"}})},
          {frmScheduleControls::lblWindows, Say(TextId::ScheduleWindowsInForce, {L"HomeNetwork-5G"})}}},
    };
    for (const int dpi : {96, 120}) {
      FontCache fonts(dpi);
      for (const Window& window : windows) {
        const std::unordered_map<int, HWND> controls = CreateControls(host, window.layout, fonts);
        for (const ControlDesign& design : window.layout) {
          const auto loaded = window.loaded.find(design.id);
          const std::wstring text = loaded != window.loaded.end() ? loaded->second
                                    : design.caption.Text()       ? design.caption.Text()
                                                                  : L"";
          if (text.empty()) continue;
          HWND control = controls.at(design.id);
          RECT client{};
          ::GetClientRect(control, &client);
          const int chrome = ::MulDiv(Chrome(design.kind), dpi, 96);
          const bool wraps = design.kind == ControlKind::Label || design.kind == ControlKind::LinkLabel;
          RECT needed{0, 0, wraps ? client.right : 0, 0};
          RECT line{};
          const HGDIOBJ before = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
          ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
          ::DrawTextW(dc, L"X", 1, &line, DT_CALCRECT | DT_SINGLELINE);
          ::SelectObject(dc, before);
          const std::string where = std::string(window.name) + "." + design.name +
                                    (language == Language::English ? " en " : " zh ") + std::to_string(dpi) + " dpi";
          EXPECT_LE(needed.right + chrome, client.right)
              << where << ": the text is " << needed.right + chrome << " px wide, its control " << client.right;
          if (wraps) {
            // A label shows at least one line, however short it is.
            const int lines = needed.bottom / line.bottom, shown = std::max<int>(1, client.bottom / line.bottom);
            EXPECT_LE(lines, shown) << where << ": the text takes " << lines << " lines, its label shows " << shown;
          }
          // In the About window's rows the right-hand control lies over the
          // left-hand label's box: a blank is left between them.
          const auto next = std::find_if(kAboutRows.begin(), kAboutRows.end(), [&](const auto& pair) {
            return window.layout.data() == frmAbout::Layout().data() && pair.first == design.id;
          });
          if (next != kAboutRows.end()) {
            EXPECT_LE(PlaceIn(host, control).left + needed.right + ::MulDiv(4, dpi, 96),
                      PlaceIn(host, controls.at(next->second)).left)
                << where << ": the text runs into its right-hand neighbour";
          }
        }
        for (const auto& [id, control] : controls) ::DestroyWindow(control);
      }
    }
  }
  SetLanguage(Language::Chinese);
  ::ReleaseDC(host, dc);
  ::DestroyWindow(host);
}

// Every list header's text fits its column, measured with the header's
// font: the main window's adapters and the maker window's makers.
TEST(LayoutFit, EveryColumnHeaderFitsItsColumn) {
  for (const Language language : {Language::Chinese, Language::English}) {
    SetLanguage(language);
    test::FakeHost host;
    test::FakeWindows windows;
    frmMain form{MainWindowServices{host, windows, {}, L""}};
    ASSERT_TRUE(form.Create());
    form.Form_Load();
    frmMakers makers;
    ASSERT_TRUE(makers.Create());
    for (HWND list : {form.Item(frmMainControls::lvwNIC), makers.Item(frmMakersControls::lvwMakers)}) {
      HWND header = ListView_GetHeader(list);
      HDC dc = ::GetDC(header);
      const HGDIOBJ before = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(header, WM_GETFONT, 0, 0)));
      // A header item keeps three edges' width of margin on each side.
      const int margin = 6 * ::GetSystemMetrics(SM_CXEDGE);
      const int columns = Header_GetItemCount(header);
      ASSERT_LT(0, columns);
      for (int column = 0; column < columns; ++column) {
        wchar_t text[128] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = 128;
        ASSERT_TRUE(Header_GetItem(header, column, &item));
        RECT needed{};
        ::DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_SINGLELINE);
        EXPECT_LE(needed.right + margin, item.cxy)
            << (language == Language::English ? "en" : "zh") << ": the header " << ::testing::PrintToString(std::wstring(text))
            << " needs " << needed.right + margin << " px, its column is " << item.cxy;
      }
      ::SelectObject(dc, before);
      ::ReleaseDC(header, dc);
    }
  }
  SetLanguage(Language::Chinese);
}

// The notice at the foot of the main window is sized at load: in English
// from its own font. (The Chinese box keeps its designed measure, two lines
// of the box's smaller font, which leaves the second line's box a few pixels
// short of its own font's, though not its characters.)
TEST(LayoutFit, TheEnglishNoticeShowsAllItsLinesOnceLoaded) {
  {
    SetLanguage(Language::English);
    test::FakeHost host;
    test::FakeWindows windows;
    frmMain form{MainWindowServices{host, windows, {}, L""}};
    ASSERT_TRUE(form.Create());
    form.Form_Load();
    HWND notice = form.Item(frmMainControls::lblDisclaimer);
    RECT client{}, box{};
    ::GetClientRect(notice, &client);
    ::GetClientRect(form.Item(frmMainControls::picDisclaimer), &box);
    HDC dc = ::GetDC(notice);
    const HGDIOBJ before = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(notice, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, client.right, 0};
    const std::wstring text = form.Text(frmMainControls::lblDisclaimer);
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    ::SelectObject(dc, before);
    ::ReleaseDC(notice, dc);
    EXPECT_LE(needed.bottom, client.bottom);
    EXPECT_LE(client.bottom, box.bottom) << "within its box";
  }
  SetLanguage(Language::Chinese);
}

}  // namespace
}  // namespace quav
