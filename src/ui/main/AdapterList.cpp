// The main window's adapter list: loading, refreshing, selecting and sorting.
#include <windows.h>

#include "adapters/AdapterKeys.h"
#include "adapters/ScanRowText.h"
#include "ui/main/FillAdapterList.h"
#include "platform/ScopeExit.h"
#include "platform/TextRules.h"
#include "platform/modRegistry.h"
#include "ui/BusyWork.h"
#include "ui/Form.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

namespace {

struct Column {
  TextId header;
  int width;         // twips
  int englishWidth;  // the English headers and cells are wider; the adapter's name gives way
};

constexpr Column kColumns[] = {
    {TextId::ColumnId, 540, 640},          {TextId::ColumnActive, 680, 760},
    {TextId::ColumnSpoofed, 830, 1000},    {TextId::ColumnAdapter, 2410, 2060},
    {TextId::ColumnIpAddress, 1460, 1460}, {TextId::ColumnActiveMac, 1560, 1560},
};

}  // namespace

void frmMain::SetUpAdapterList() {
  lvwNIC.Clear();
  lvwNIC.ClearColumns();
  const bool english = CurrentLanguage() == Language::English;
  for (const Column& column : kColumns) {
    lvwNIC.AddColumn(Say(column.header), Px(english ? column.englishWidth : column.width));
  }
  lvwNIC.SetReportPresentation();
  lvwNIC.SetCellComparer(CompareByMeaning);
  // Each row's tip tells what the columns leave out.
  lvwNICTips_.Attach(lvwNIC, Facts());
}

void frmMain::SelectRow(ListView& list, long position) {
  selectingByCode_ = true;
  const ScopeExit done([this] { selectingByCode_ = false; });
  list.SetSelected(position, true);
}

void frmMain::LoadAdapterList() {
  const ScanningMark loading(Hwnd());
  BusyWork busy(*this, BusyWork::Input::Waits);
  const std::wstring title = WindowTitle();
  // The caption names the source of the rows, also when the scan failed.
  const ScopeExit caption([this, &title] { SetCaption(title + ScanMarker(ScanResult)); });
  if (ScanResult == 0) {
    SetCaption(title + kLoadingMarker);
    busy.AnswerNow();
  }
  ScanResult = FillAdapterList(lvwNIC, chkFilterActive, OS_Version, services_.scan, busy);
}

// Input and commands that arrive meanwhile wait for the row to be selected
// again. They aimed at the adapter the user had chosen: where another row is
// selected now (that adapter has gone, or the filter changed), they are dropped.
void frmMain::RefreshAdapterList(bool selectFirst) {
  BusyWork busy(*this, BusyWork::Input::Waits);
  const long selected = lvwNIC.SelectedPosition();
  const std::wstring remembered = selected > 0 ? lvwNIC.Text(selected) : L"";
  LoadAdapterList();
  if (selectFirst) {
    SelectFirstAdapter(lvwNIC);
  } else {
    bool matched = false;
    for (long position = 1; position <= lvwNIC.Count(); ++position) {
      if (lvwNIC.Text(position) == remembered) {
        SelectRow(lvwNIC, position);
        matched = true;
      }
    }
    if (!matched) SelectFirstAdapter(lvwNIC);
  }
  const long now = lvwNIC.SelectedPosition();
  if (remembered.empty() || now < 1 || lvwNIC.Text(now) != remembered) busy.DropWhatWaits();
  if (lvwNIC.Count() == 0) {
    SetEnabled(cmdRemove, false);
    SetEnabled(cmdUpdate, false);
  } else {
    ShowSelectedAdapter(lvwNIC, lvwNIC.SelectedPosition());
  }
  if (Visible() && lvwNIC.Enabled()) lvwNIC.Focus();
}

void frmMain::SelectFirstAdapter(ListView& list) {
  if (list.Count() == 0) {
    // Only reloading remains possible.
    EnableEditControls(false);
    ::EnableMenuItem(::GetMenu(Hwnd()), mnuRefresh, MF_BYCOMMAND | MF_ENABLED);
    SetEnabled(cmdRefresh, true);
    SetEnabled(frmMainControls::chkFilterActive, true);
    return;
  }
  EnableEditControls(true);
  SelectRow(list, 1);
  ShowSelectedAdapter(list, 1);
  list.Focus();
}

void frmMain::EnableEditControls(bool enabled) {
  SetEnabled(frmMainControls::chkFilterActive, enabled);
  SetEnabled(cmdRefresh, enabled);
  SetEnabled(cmdSpoofMAC, enabled);
  SetEnabled(cmdActiveMAC, enabled);
  for (int k = 0; k < 6; ++k) SetEnabled(txtMAC(k), enabled);
  for (int k = 0; k < 6; ++k) SetBackColor(txtMAC(k), enabled ? kSystemWindow : kSystemButtonFace);
  // The random address fills the boxes and the restart acts on the selected
  // row: both go with the group.
  for (const int item : {mnuRefresh, mnuRandom, mnuRestart}) {
    ::EnableMenuItem(::GetMenu(Hwnd()), static_cast<UINT>(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

void frmMain::ShowSelectedAdapter(ListView& list, long position) {
  if (position < 1 || position > list.Count()) return;
  SelectedAdapterIndex = Trimmed(list.Text(position));
  SetText(lblActiveMAC, L" " + Replaced(Trimmed(list.SubItem(position, 5)), L':', L'-'));
  ShowOverrideAddress();
  SetEnabled(cmdSpoofMAC, !Trimmed(Text(lblSpoofedMAC)).empty());
  SetEnabled(cmdActiveMAC, !Trimmed(Text(lblActiveMAC)).empty());
}

void frmMain::ShowOverrideAddress() {
  if (lvwNIC.Count() > 0) {
    DWORD type = 0;
    long status = 0;
    const std::wstring value = GetRegValue(HKEY_LOCAL_MACHINE, std::wstring(kNetworkClassKey) + SelectedAdapterIndex,
                                           kNetworkAddressValue, type, status);
    if (JoinedBoxes().empty() && !value.empty()) FormatMAC(value, true);
    SetText(lblSpoofedMAC, L" " + FormatMAC(value, false));
    SetEnabled(cmdRemove, !value.empty());
  }
  SetEnabled(cmdClear, !JoinedBoxes().empty());
}

void frmMain::chkFilterActive_Click() { RefreshAdapterList(true); }

void frmMain::cmdRefresh_Click() { RefreshAdapterList(false); }

void frmMain::mnuRefresh_Click() { RefreshAdapterList(false); }

void frmMain::lvwNIC_ColumnClick(int headerPosition) {
  lvwNIC.SortKey = headerPosition - 1;
  // One direction for the whole list: a click on another column flips it too.
  lvwNIC.SortOrder = lvwNIC.SortOrder == 1 ? 0 : 1;
  lvwNIC.Sorted = true;
  lvwNIC.Sort();
}

void frmMain::lvwNIC_ItemClick(long position) {
  SetText(lblSpoofedMAC, L"");
  SetText(lblActiveMAC, L"");
  ShowSelectedAdapter(lvwNIC, position);
}

}  // namespace quav
