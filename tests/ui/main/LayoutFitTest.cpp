#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>

#include "platform/Texts.h"
#include "ui/Layout.h"
#include "ui/WindowTitle.h"
#include "ui/main/StartupRules.h"
#include "ui/main/frmMainControls.h"
#include "ui/main/frmMainLayout.h"
#include "ui/side/frmAbout.h"
#include "ui/side/frmAgreement.h"
#include "ui/side/frmNotification.h"

namespace quav {
namespace {

struct Window {
  const char* name;
  std::span<const ControlDesign> layout;
  // Texts the window sets at load, by control.
  std::map<int, std::wstring> loaded;
};

// The space a control's text needs beside it, in pixels at 96 dpi: a
// button's edges and focus frame, a check box's box and the gap after it.
int Chrome(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return 8;
    case ControlKind::CheckBox: return ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
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
        {"frmMain", MainWindowLayout(), {{frmMainControls::lblDisclaimer, DisclaimerText()}}},
        {"frmAbout", frmAbout::Layout(), {{frmAboutControls::lblTitle, WindowTitle()}}},
        {"frmAgreement", frmAgreement::Layout(), {}},
        {"frmNotification", frmNotification::Layout(), {{frmNotificationControls::lblNotify, Say(TextId::Notice)}}},
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
          const HGDIOBJ before = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
          ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
          ::SelectObject(dc, before);
          const std::string where = std::string(window.name) + "." + design.name + (language == Language::English ? " en " : " zh ") +
                                    std::to_string(dpi) + " dpi";
          EXPECT_LE(needed.right + chrome, client.right) << where << ": the text is wider than its control";
          if (wraps) {
            EXPECT_LE(needed.bottom, client.bottom) << where << ": the text takes more lines than its label shows";
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

}  // namespace
}  // namespace quav
