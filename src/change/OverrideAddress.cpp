// Writing and removing the selected adapter's overriding address. What the
// window shows and the log records afterwards is what the registry holds:
// every change is read back, and one that did not happen is reported, not
// shown as done.
#include <windows.h>

#include "adapters/AdapterKeys.h"
#include "adapters/modGlobal.h"
#include "platform/ErrorText.h"
#include "platform/TextRules.h"
#include "platform/modRegistry.h"
#include "ui/main/MacText.h"
#include "ui/main/StartupRules.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

namespace {

constexpr UINT kProblemStyle = MB_OK | MB_ICONEXCLAMATION;

std::wstring AdapterKey(const std::wstring& adapterIndex) { return std::wstring(kNetworkClassKey) + adapterIndex; }

// What the registry holds for the value now: its text, or the status of the
// failed read (2 when there is no such value or key).
struct StoredAddress {
  std::wstring text;
  long status = 0;
};

StoredAddress ReadStoredAddress(const std::wstring& adapterIndex) {
  StoredAddress stored;
  DWORD type = 0;
  stored.text = GetRegValue(HKEY_LOCAL_MACHINE, AdapterKey(adapterIndex), kNetworkAddressValue, type, stored.status);
  return stored;
}

// A read that gave no text and a status: the value could not be read, so the
// read says nothing about what is stored.
bool Unreadable(const StoredAddress& stored) { return stored.text.empty() && stored.status != 0; }

// Why a write did not hold: the write's status, or what reading it back found.
std::wstring WriteFailure(bool wellFormed, long status) {
  if (!wellFormed) return L"新的 MAC 地址必须是 12 个十六进制数字。";
  if (status == ERROR_FILE_NOT_FOUND) return L"该网络适配器的注册表项不存在。";
  if (status == 0) return L"写入后读回的值与写入的值不一致。";
  return SystemErrorText(static_cast<unsigned long>(status));
}

std::wstring RemovalFailure(long status) {
  if (status != 0 && status != ERROR_FILE_NOT_FOUND) return SystemErrorText(static_cast<unsigned long>(status));
  return L"删除后该值仍然存在。";
}

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

  // Only twelve hexadecimal digits are stored, and only into the key of an
  // adapter that exists: a system class key gets no new subkeys from us.
  const bool wellFormed = joined.size() == 12 && FormatMacText(joined, false).display == shown;
  long status = ERROR_INVALID_DATA;
  if (wellFormed) {
    status = SelectedAdapterIndex.empty()
                 ? ERROR_FILE_NOT_FOUND
                 : SetExistingRegValue(HKEY_LOCAL_MACHINE, AdapterKey(SelectedAdapterIndex), kNetworkAddressValue,
                                       REG_SZ, joined);
  }
  const StoredAddress stored =
      SelectedAdapterIndex.empty() ? StoredAddress{L"", ERROR_FILE_NOT_FOUND} : ReadStoredAddress(SelectedAdapterIndex);
  // The value read back decides; when it cannot be read, the write's own
  // status does. A failed close after a good read does not undo the value.
  const bool written = wellFormed && (stored.text == joined || (Unreadable(stored) && status == ERROR_SUCCESS));
  if (!written) {
    services_.host.ShowMessage(Hwnd(),
                               L"无法把伪装的 MAC 地址 " + shown + L" 写入网络适配器 " + SelectedAdapterIndex +
                                   L"。\r\n\r\n" + WriteFailure(wellFormed, status),
                               Caption(), kProblemStyle);
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
                                   SystemErrorText(logStatus),
                               Caption(), kProblemStyle);
  }
  if (HideNotify) return;
  services_.windows.ShowNotification(*this);
  SetRegValue(HKEY_CURRENT_USER, kSettingsKey, kHideNotifyValue, REG_SZ, HideNotify ? L"1" : L"0");
}

void frmMain::RemoveOverrideAddress() {
  if (SelectedAdapterIndex.empty()) return;
  const long status = DeleteRegValue(HKEY_LOCAL_MACHINE, AdapterKey(SelectedAdapterIndex), kNetworkAddressValue);
  // A value that was not there leaves the adapter without an override, which
  // is what was asked; anything still readable is a removal that failed. When
  // the value cannot be read back, the deletion's own status decides.
  const StoredAddress stored = ReadStoredAddress(SelectedAdapterIndex);
  const bool deleted = status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  const bool removed = stored.status == ERROR_FILE_NOT_FOUND || (Unreadable(stored) && deleted);
  if (!removed) {
    services_.host.ShowMessage(Hwnd(),
                               L"无法删除网络适配器 " + SelectedAdapterIndex + L" 的伪装 MAC 地址。\r\n\r\n" +
                                   RemovalFailure(status),
                               Caption(), kProblemStyle);
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
                                   SystemErrorText(logStatus),
                               Caption(), kProblemStyle);
  }
}

}  // namespace quav
