// Writing and removing the selected adapter's overriding address. What the
// window shows and the log records afterwards is what the registry holds:
// every change is read back, and one that did not happen is reported, not
// shown as done.
#include <windows.h>

#include "adapters/AdapterFacts.h"
#include "ui/main/FillAdapterList.h"
#include "change/AddressStore.h"
#include "change/ChangeLog.h"
#include "change/NewAddressRules.h"
#include "platform/Settings.h"
#include "platform/TextRules.h"
#include "platform/modRegistry.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

namespace {

constexpr UINT kProblemStyle = MB_OK | MB_ICONEXCLAMATION;
// A doubtful address is stored only on an explicit Yes.
constexpr UINT kWarningStyle = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

}  // namespace

void frmMain::cmdUpdate_Click() { UpdateOverrideAddress(); }

void frmMain::cmdRemove_Click() { RemoveOverrideAddress(); }

void frmMain::UpdateOverrideAddress() {
  // A box still holding one digit (the button pressed from the keyboard, so
  // the box never lost the focus) is completed as leaving it would.
  for (int k = 0; k < 6; ++k) txtMAC_LostFocus(k);
  std::wstring joined;
  std::wstring shown;
  for (int k = 0; k < 6; ++k) {
    joined += TxtMAC(k);
    shown += (k > 0 ? L"-" : L"") + TxtMAC(k);
  }
  const std::wstring fromAddress = Trimmed(Text(lblActiveMAC));

  // Addresses a driver cannot or may not present are stored only when the
  // user confirms them.
  const std::optional<MacBytes> address = ParseMacArgument(joined);
  if (address && !SelectedAdapterIndex.empty()) {
    const std::vector<AddressWarning> warnings = WarningsFor(*address, Facts().IsWireless(SelectedAdapterIndex));
    if (!warnings.empty() &&
        services_.host.ShowMessage(Hwnd(), WarningMessage(warnings, *address, SelectedAdapterIndex), WindowTitle(),
                                   kWarningStyle) != IDYES) {
      return;
    }
  }
  const ChangeOutcome outcome = StoreOverrideAddress(SelectedAdapterIndex, joined);
  if (!outcome.done) {
    services_.host.ShowMessage(Hwnd(),
                               L"无法把伪装的 MAC 地址 " + shown + L" 写入网络适配器 " + SelectedAdapterIndex +
                                   L"。\r\n\r\n" + outcome.failure,
                               WindowTitle(), kProblemStyle);
    return;
  }

  SetText(lblSpoofedMAC, L" " + shown);
  lvwNIC.SetSubItem(lvwNIC.SelectedPosition(), 2, L"是");
  SetEnabled(cmdRemove, true);
  SetEnabled(cmdSpoofMAC, !Trimmed(Text(lblSpoofedMAC)).empty());
  if (Visible() && lvwNIC.Enabled()) lvwNIC.Focus();
  SortAdapterList(lvwNIC, chkFilterActive);
  const DWORD logStatus = LogAddressChange(fromAddress, shown, SelectedAdapterIndex);
  if (logStatus != 0) {
    services_.host.ShowMessage(Hwnd(),
                               L"伪装的 MAC 地址已写入，但无法把这次更改记入日志 " + LogFilePath() + L"。\r\n\r\n" +
                                   LogErrorText(logStatus),
                               WindowTitle(), kProblemStyle);
  }
  if (HideNotify) return;
  const NotificationChoice choice = services_.windows.ShowNotification(Hwnd(), HideNotify);
  HideNotify = choice.hide;
  StoreHideNotify(HideNotify);
  if (choice.restartNow) RestartSelectedAdapter();
}

void frmMain::RemoveOverrideAddress() {
  if (SelectedAdapterIndex.empty()) return;
  const ChangeOutcome outcome = DeleteOverrideAddress(SelectedAdapterIndex);
  if (!outcome.done) {
    services_.host.ShowMessage(Hwnd(),
                               L"无法删除网络适配器 " + SelectedAdapterIndex + L" 的伪装 MAC 地址。\r\n\r\n" +
                                   outcome.failure,
                               WindowTitle(), kProblemStyle);
    return;
  }

  lvwNIC.SetSubItem(lvwNIC.SelectedPosition(), 2, L"否");
  const DWORD logStatus = LogAddressRemoval(SelectedAdapterIndex);
  SetText(lblSpoofedMAC, L"");
  SetEnabled(cmdUpdate, JoinedBoxes().size() == 12 && lvwNIC.Count() > 0);
  SetEnabled(cmdRemove, false);
  SetEnabled(cmdSpoofMAC, !Trimmed(Text(lblSpoofedMAC)).empty());
  if (Visible() && lvwNIC.Enabled()) lvwNIC.Focus();
  SortAdapterList(lvwNIC, chkFilterActive);
  if (logStatus != 0) {
    services_.host.ShowMessage(Hwnd(),
                               L"伪装的 MAC 地址已删除，但无法把这次删除记入日志 " + LogFilePath() + L"。\r\n\r\n" +
                                   LogErrorText(logStatus),
                               WindowTitle(), kProblemStyle);
  }
}

}  // namespace quav
