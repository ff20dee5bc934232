#include "ui/main/frmMainLayout.h"

#include <commctrl.h>

#include <utility>

#include "AppVersion.h"
#include "ui/Resources.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

namespace {

const FontDesign kBoxFont{L"MS Sans Serif", 900, true, GB2312_CHARSET};
const FontDesign kDashFont{L"MS Sans Serif", 2400, true, ANSI_CHARSET};
const FontDesign kSongTi9{L"宋体", 900, false, GB2312_CHARSET};
const FontDesign kAddressFont{L"MS Sans Serif", 975, false, ANSI_CHARSET};
const FontDesign kDisclaimerBoxFont{L"Microsoft Sans Serif", 750, false, ANSI_CHARSET};
const FontDesign kDisclaimerFont{L"Microsoft Sans Serif", 900, false, GB2312_CHARSET};

constexpr DWORD kBox = ES_CENTER | ES_UPPERCASE;
constexpr DWORD kAddress = SS_CENTERIMAGE;
constexpr DWORD kAddressEdge = WS_EX_STATICEDGE;

using K = ControlKind;

// The main window as designed: twips, relative to the client area.
const ControlDesign kLayout[] = {
    // id                 name                  kind              left   top  width height caption                      font          tab enabled parent
    {lvwNIC,             "lvwNIC",             K::ListView,       130,    0, 7805, 2040, nullptr,                     nullptr,        0},
    {chkFilterActive,    "chkFilterActive",    K::CheckBox,       150, 2175, 4155,  195, TextId::MainActiveOnly,     nullptr,        1},
    {lblNewMAC,          "lblNewMAC",          K::Label,          150, 2500, 3225,  285, TextId::MainNewAddress,     nullptr,       -1},
    {txtMAC(0),          "txtMAC(0)",          K::TextBox,        150, 2730,  510,  360, nullptr,                     &kBoxFont,      2, true, 0, kBox},
    {lblDash1,           "lblDash1",           K::Label,          675, 2580,  315,  495, L"-",                        &kDashFont,    -1},
    {txtMAC(1),          "txtMAC(1)",          K::TextBox,        855, 2730,  510,  360, nullptr,                     &kBoxFont,      3, true, 0, kBox},
    {lblDash2,           "lblDash2",           K::Label,         1380, 2580,  315,  495, L"-",                        &kDashFont,    -1},
    {txtMAC(2),          "txtMAC(2)",          K::TextBox,       1560, 2730,  510,  360, nullptr,                     &kBoxFont,      4, true, 0, kBox},
    {lblDash3,           "lblDash3",           K::Label,         2085, 2580,  315,  495, L"-",                        &kDashFont,    -1},
    {txtMAC(3),          "txtMAC(3)",          K::TextBox,       2265, 2730,  510,  360, nullptr,                     &kBoxFont,      5, true, 0, kBox},
    {lblDash4,           "lblDash4",           K::Label,         2790, 2580,  315,  495, L"-",                        &kDashFont,    -1},
    {txtMAC(4),          "txtMAC(4)",          K::TextBox,       2970, 2730,  510,  360, nullptr,                     &kBoxFont,      6, true, 0, kBox},
    {lblDash5,           "lblDash5",           K::Label,         3495, 2580,  315,  495, L"-",                        &kDashFont,    -1},
    {txtMAC(5),          "txtMAC(5)",          K::TextBox,       3675, 2730,  510,  360, nullptr,                     &kBoxFont,      7, true, 0, kBox},
    {cmdClear,           "cmdClear",           K::PictureButton, 4230, 2785,  225,  260, nullptr,                     &kSongTi9,     12, false},
    {cmdUpdate,          "cmdUpdate",          K::Button,        4740, 2430, 1510,  375, TextId::MainUpdate,        nullptr,        8, false},
    {cmdRemove,          "cmdRemove",          K::Button,        4740, 2845, 1510,  375, TextId::MainRemove,        nullptr,        9, false},
    {cmdRefresh,         "cmdRefresh",         K::Button,        6300, 2430, 1510,  375, TextId::MainRefresh,       nullptr,       10},
    {cmdExit,            "cmdExit",            K::Button,        6300, 2845, 1510,  375, TextId::MainExit,          nullptr,       11},
    {lblSpoofedMACLabel, "lblSpoofedMACLabel", K::Label,          150, 3195, 2625,  285, TextId::MainSpoofedAddress, nullptr,       -1},
    {lblSpoofedMAC,      "lblSpoofedMAC",      K::Label,          150, 3420, 2685,  315, nullptr,                     &kAddressFont, -1, true, 0, kAddress, kAddressEdge},
    {cmdSpoofMAC,        "cmdSpoofMAC",        K::PictureButton, 2880, 3450,  315,  255, nullptr,                     &kSongTi9,     12},
    {lblActiveMACLabel,  "lblActiveMACLabel",  K::Label,          150, 3825, 2625,  285, TextId::MainActiveAddress,  nullptr,       -1},
    {lblActiveMAC,       "lblActiveMAC",       K::Label,          150, 4050, 2685,  315, nullptr,                     &kAddressFont, -1, true, 0, kAddress, kAddressEdge},
    {cmdActiveMAC,       "cmdActiveMAC",       K::PictureButton, 2880, 4080,  315,  255, nullptr,                     &kSongTi9,     12},
    {picLogo,            "picLogo",            K::PictureBox,    3440, 3630, 4455,  510, nullptr,                     nullptr,       -1},
    {picDisclaimer,      "picDisclaimer",      K::PictureBox,     150, 4540, 7760,  440, nullptr,                     &kDisclaimerBoxFont, -1},
    {lblDisclaimer,      "lblDisclaimer",      K::Label,           30,    0, 7635,  375, nullptr,                     &kDisclaimerFont, -1, true, picDisclaimer},
    {picImage,           "picImage",           K::PictureBox,    6330, 1500,  435,  375, nullptr,                     nullptr,       -1},
};

const FormDesign kDesign{L"QUAV.frmMain", kAppTitle, 8070, 5130, false, true, false, IDI_QUAV};

}  // namespace

const FormDesign& MainWindowDesign() { return kDesign; }

std::span<const ControlDesign> MainWindowLayout() { return kLayout; }

void SetMainMenuBar(HWND window) {
  HMENU file = ::CreatePopupMenu();
  ::AppendMenuW(file, MF_STRING, mnuView, Say(TextId::MenuViewLog));
  ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(file, MF_STRING, mnuRefresh, Say(TextId::MenuRefresh));
  ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(file, MF_STRING, mnuRandom, Say(TextId::MenuRandom));
  ::AppendMenuW(file, MF_STRING, mnuRestart, Say(TextId::MenuRestart));
  ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(file, MF_STRING, mnuExit, Say(TextId::MenuExit));
  HMENU bar = ::CreateMenu();
  ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), Say(TextId::MenuFile));
  ::AppendMenuW(bar, MF_STRING, mnuAbout, Say(TextId::MenuAbout));
  ::SetMenu(window, bar);
}

void AddLanguageMenu(HWND window, Language spoken) {
  HMENU languages = ::CreatePopupMenu();
  // Each language named in its own words, so that either reader finds it;
  // Chinese in English too, for a Windows without East Asian fonts.
  ::AppendMenuW(languages, MF_STRING, mnuLanguageEnglish, L"English");
  ::AppendMenuW(languages, MF_STRING, mnuLanguageChinese, L"中文(简体) (Chinese, Simplified)");
  HMENU menu = ::GetSystemMenu(window, FALSE);
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(languages), Say(TextId::MenuLanguage));
  CheckLanguageEntry(window, spoken);
}

void AddMakerMenuEntry(HWND window) {
  HMENU menu = ::GetSystemMenu(window, FALSE);
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, mnuMakerRandom, Say(TextId::MenuMakerRandom));
}

void AddScheduleMenuEntries(HWND window) {
  HMENU menu = ::GetSystemMenu(window, FALSE);
  ::AppendMenuW(menu, MF_STRING, mnuSchedule, Say(TextId::MenuSchedule));
  ::AppendMenuW(menu, MF_STRING, mnuRemoveAll, Say(TextId::MenuRemoveAll));
}

void AddPictureButtonTips(const Form& window) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, window.Hwnd(), nullptr, nullptr, nullptr);
  if (!tip) return;
  const std::pair<int, TextId> tips[] = {
      {cmdClear, TextId::TipClearNew}, {cmdSpoofMAC, TextId::TipCopyToNew}, {cmdActiveMAC, TextId::TipCopyToNew}};
  for (const auto& [button, text] : tips) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window.Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(window.Item(button));
    tool.lpszText = const_cast<wchar_t*>(Say(text));
    ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void CheckLanguageEntry(HWND window, Language language) {
  const UINT checked = language == Language::English ? mnuLanguageEnglish : mnuLanguageChinese;
  ::CheckMenuRadioItem(::GetSystemMenu(window, FALSE), mnuLanguageEnglish, mnuLanguageChinese, checked, MF_BYCOMMAND);
}

}  // namespace quav
