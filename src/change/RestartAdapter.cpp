// Restarting the selected adapter so that its driver reads the overriding
// address, and telling the user which address it then really uses.
#include <windows.h>

#include "change/AdapterRestart.h"
#include "change/ChangeLog.h"
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
  if (SelectedAdapterIndex.empty()) {
    services_.host.ShowMessage(Hwnd(), L"请先在列表中选择要重启的网络适配器。", Caption(),
                               MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::wstring adapterIndex = SelectedAdapterIndex;
  busy_ = true;
  ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  const RestartReport report = RestartAndVerify(adapterIndex, Devices(), Facts());
  busy_ = false;

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
    message += L"\r\n\r\n无法把这次重启的结果记入日志 " + LogFilePath() + L"。" + LogErrorText(logStatus);
  }
  const bool fine = restarted && (report.check == AddressCheck::UsesNew || report.check == AddressCheck::UsesOwn) &&
                    logStatus == ERROR_SUCCESS;
  services_.host.ShowMessage(Hwnd(), message, Caption(), MB_OK | (fine ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

}  // namespace quav
