#pragma once

// Control, menu and timer ids of the main window. Tests that drive the
// running program find its controls by these.
namespace quav::frmMainControls {

enum : int {
  lvwNIC = 1001,
  chkFilterActive,
  lblNewMAC,
  txtMAC0,  // txtMAC(k) is txtMAC0 + k, k = 0 to 5
  txtMAC5 = txtMAC0 + 5,
  lblDash1,
  lblDash2,
  lblDash3,
  lblDash4,
  lblDash5,
  cmdClear,
  cmdUpdate,
  cmdRemove,
  cmdRefresh,
  cmdExit,
  lblSpoofedMACLabel,
  lblSpoofedMAC,
  cmdSpoofMAC,
  lblActiveMACLabel,
  lblActiveMAC,
  cmdActiveMAC,
  picLogo,
  picDisclaimer,
  lblDisclaimer,
  picImage,
};

enum : int {
  mnuView = 2001,
  mnuRefresh,
  mnuExit,
  mnuAbout,
  mnuRandom,
  mnuRestart,
};

// The language entries of the system menu: multiples of 16, as the system
// keeps the low four bits of its menu's commands.
enum : int {
  mnuLanguageEnglish = 0x1200,
  mnuLanguageChinese = 0x1210,
  mnuMakerRandom = 0x1220,
  mnuSchedule = 0x1230,
  mnuRemoveAll = 0x1240,
};

enum : int {
  tmrResetLogo = 1,
};

inline constexpr int txtMAC(int k) { return txtMAC0 + k; }

}  // namespace quav::frmMainControls
