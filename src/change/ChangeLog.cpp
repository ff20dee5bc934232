// The change log beside the program.
#include "ui/main/frmMain.h"

namespace quav {

DWORD frmMain::LogAddressChange(const std::wstring&, const std::wstring&, const std::wstring&) { return 0; }

DWORD frmMain::LogAddressRemoval(const std::wstring&) { return 0; }

void frmMain::mnuView_Click() {}

std::wstring frmMain::LogFilePath() const { return L"QUAV.log"; }

}  // namespace quav
