// Writing and removing the selected adapter's overriding address. What the
// window shows and the log records afterwards is what the registry holds:
// every change is read back, and one that did not happen is reported, not
// shown as done.
#include <windows.h>

#include "adapters/AdapterFacts.h"
#include "adapters/AdapterScan.h"
#include "ui/main/FillAdapterList.h"
#include "change/NewAddressRules.h"
#include "change/RecordedChange.h"
#include "platform/Settings.h"
#include "platform/TextRules.h"
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

void frmMain::ShowProblem(const RecordedChange& change) {
  services_.host.ShowMessage(Hwnd(), change.problem + L"\r\n\r\n" + change.detail, WindowTitle(), kProblemStyle);
}

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
  const std::wstring name = lvwNIC.SubItem(lvwNIC.SelectedPosition(), kDescriptionColumn);

  // Addresses a driver cannot or may not present are stored only when the
  // user confirms them.
  const std::optional<MacBytes> address = ParseMacArgument(joined);
  if (address && !SelectedAdapterIndex.empty()) {
    const bool wireless = Facts().IsWireless(SelectedAdapterIndex);
    const std::vector<AddressWarning> warnings = WarningsFor(
        *address, wireless, wireless && IsWindowsRandomOn(Facts().RandomAddress(SelectedAdapterIndex)));
    if (!warnings.empty() &&
        services_.host.ShowMessage(Hwnd(), WarningMessage(warnings, *address, SelectedAdapterIndex, name),
                                   WindowTitle(), kWarningStyle) != IDYES) {
      return;
    }
  }
  const RecordedChange change =
      ChangeAndRecord(SelectedAdapterIndex, name, joined, shown, fromAddress, LogFilePath());
  if (!change.registry.done) {
    ShowProblem(change);
    return;
  }

  SetText(lblSpoofedMAC, L" " + shown);
  lvwNIC.SetSubItem(lvwNIC.SelectedPosition(), 2, Say(TextId::Yes));
  SetEnabled(cmdRemove, true);
  SetEnabled(cmdSpoofMAC, !Trimmed(Text(lblSpoofedMAC)).empty());
  if (Visible() && lvwNIC.Enabled()) lvwNIC.Focus();
  SortAdapterList(lvwNIC, chkFilterActive);
  if (!change.problem.empty()) ShowProblem(change);
  if (HideNotify) return;
  const NotificationChoice choice = services_.windows.ShowNotification(Hwnd(), HideNotify);
  HideNotify = choice.hide;
  StoreHideNotify(HideNotify);
  if (choice.restartNow) RestartSelectedAdapter();
}

void frmMain::RemoveOverrideAddress() {
  if (SelectedAdapterIndex.empty()) return;
  const RecordedChange change = RemoveAndRecord(
      SelectedAdapterIndex, lvwNIC.SubItem(lvwNIC.SelectedPosition(), kDescriptionColumn), LogFilePath());
  if (!change.registry.done) {
    ShowProblem(change);
    return;
  }

  lvwNIC.SetSubItem(lvwNIC.SelectedPosition(), 2, Say(TextId::No));
  SetText(lblSpoofedMAC, L"");
  SetEnabled(cmdUpdate, JoinedBoxes().size() == 12 && lvwNIC.Count() > 0);
  SetEnabled(cmdRemove, false);
  SetEnabled(cmdSpoofMAC, !Trimmed(Text(lblSpoofedMAC)).empty());
  if (Visible() && lvwNIC.Enabled()) lvwNIC.Focus();
  SortAdapterList(lvwNIC, chkFilterActive);
  if (!change.problem.empty()) ShowProblem(change);
}

}  // namespace quav
