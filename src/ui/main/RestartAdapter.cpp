// Restarting the selected adapter so that its driver reads the overriding
// address, and telling the user which address it then really uses.
#include <windows.h>

#include "adapters/AdapterScan.h"
#include "change/RecordedChange.h"
#include "platform/TextRules.h"
#include "ui/BusyWork.h"
#include "ui/Form.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

namespace {

constexpr unsigned kComeBackMilliseconds = 15000;

}  // namespace

void frmMain::mnuRestart_Click() { RestartSelectedAdapter(); }

void frmMain::RestartSelectedAdapter() {
  // Only the adapter of a row listed and selected now: the one last shown may
  // have left the list.
  const long selected = lvwNIC.SelectedPosition();
  if (SelectedAdapterIndex.empty() || selected < 1 || Trimmed(lvwNIC.Text(selected)) != SelectedAdapterIndex) {
    services_.host.ShowMessage(Hwnd(), Say(TextId::SelectAdapterToRestart), WindowTitle(),
                               MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::wstring adapterIndex = SelectedAdapterIndex;
  const std::wstring adapterName = lvwNIC.SubItem(selected, kDescriptionColumn);
  RecordedRestart restart;
  {
    // The window takes no input and the session waits until the restart's
    // log line is written.
    BusyWork busy(*this, BusyWork::Input::None, Say(TextId::RestartHoldsSession));
    restart = RestartAndRecord(adapterIndex, Devices(), Facts(), LogFilePath(), kComeBackMilliseconds,
                               [&busy](unsigned milliseconds) { busy.AnswerFor(milliseconds); });
  }
  const RestartReport& report = restart.report;

  const bool restarted = report.restart.status == RestartStatus::Restarted;
  // The row and the label show what the adapter presents now.
  if (restarted && !report.active.empty() && SelectedAdapterIndex == adapterIndex) {
    lvwNIC.SetSubItem(lvwNIC.SelectedPosition(), kActiveAddressColumn, report.active);
    SetText(lblActiveMAC, L" " + report.active);
    SetEnabled(cmdActiveMAC, true);
  }
  std::wstring message = RestartMessage(report, adapterIndex, adapterName);
  if (!restart.problem.empty()) message += L"\r\n\r\n" + restart.problem + restart.detail;
  const bool fine = restarted && (report.check == AddressCheck::UsesNew || report.check == AddressCheck::UsesOwn) &&
                    restart.logStatus == ERROR_SUCCESS;
  services_.host.ShowMessage(Hwnd(), message, WindowTitle(), MB_OK | (fine ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

}  // namespace quav
