// Writing and removing the selected adapter's overriding address.
#include "ui/main/frmMain.h"

namespace quav {

void frmMain::cmdUpdate_Click() { UpdateOverrideAddress(); }

void frmMain::cmdRemove_Click() { RemoveOverrideAddress(); }

void frmMain::UpdateOverrideAddress() {}

void frmMain::RemoveOverrideAddress() {}

}  // namespace quav
