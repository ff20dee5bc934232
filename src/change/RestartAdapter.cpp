// Restarting the selected adapter so that its driver reads the overriding
// address, and telling the user which address it then really uses.
#include <windows.h>

#include "change/AdapterRestart.h"
#include "change/ChangeLog.h"
#include "platform/ErrorText.h"
#include "platform/ScopeExit.h"
#include "platform/TextRules.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

namespace {

constexpr int kActiveAddressColumn = 5;

}  // namespace

void frmMain::mnuRestart_Click() { RestartSelectedAdapter(); }

void frmMain::RestartSelectedAdapter() {
  // Only the adapter of a row listed and selected now: the one last shown may
  // have left the list.
  const long selected = lvwNIC.SelectedPosition();
  if (SelectedAdapterIndex.empty() || selected < 1 || Trimmed(lvwNIC.Text(selected)) != SelectedAdapterIndex) {
    services_.host.ShowMessage(Hwnd(), L"请先在列表中选择要重启的网络适配器。", Caption(),
                               MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::wstring adapterIndex = SelectedAdapterIndex;
  RestartReport report;
  {
    BeginBusy();
    const ScopeExit idle([this] { EndBusy(); });
    report = RestartAndVerify(adapterIndex, Devices(), Facts());
  }

  const bool restarted = report.restart.status == RestartStatus::Restarted;
  DWORD logStatus = ERROR_SUCCESS;
  if (restarted) {
    logStatus = AppendLogLine(LogFilePath(), AddressCheckLine(LogFieldsNow(adapterIndex), report));
    // The row and the label show what the adapter presents now.
    if (!report.active.empty() && SelectedAdapterIndex == adapterIndex) {
      lvwNIC.SetSubItem(lvwNIC.SelectedPosition(), kActiveAddressColumn, report.active);
      SetText(lblActiveMAC, L" " + report.active);
      SetEnabled(cmdActiveMAC, true);
    }
  }
  std::wstring message = RestartMessage(report, adapterIndex);
  if (logStatus != ERROR_SUCCESS) {
    message += L"\r\n\r\n无法把这次重启的结果记入日志 " + LogFilePath() + L"。" + SystemErrorText(logStatus);
  }
  const bool fine = restarted && (report.check == AddressCheck::UsesNew || report.check == AddressCheck::UsesOwn) &&
                    logStatus == ERROR_SUCCESS;
  services_.host.ShowMessage(Hwnd(), message, Caption(), MB_OK | (fine ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

}  // namespace quav
