// The change log beside the program.
#include "ui/main/frmMain.h"

namespace quav {

bool frmMain::LogAddressChange(const std::wstring&, const std::wstring&, const std::wstring&) { return true; }

bool frmMain::LogAddressRemoval(const std::wstring&) { return true; }

void frmMain::mnuView_Click() {}

std::wstring frmMain::LogFilePath() const { return L"QUAV.log"; }

}  // namespace quav
