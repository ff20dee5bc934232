#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/Handles.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/main/AdapterTip.h"
#include "ui/main/MainWindowServices.h"

namespace quav {

struct RecordedChange;

// The main window: the adapter list, the six entry boxes for a new address,
// the buttons that apply and remove it, and the start-up that gates the
// program. Its procedures live in one file per concern beside this one.
class frmMain final : public Form {
 public:
  explicit frmMain(MainWindowServices services);
  ~frmMain() override;

  // --- Public properties, read and set by the other windows and the scan.
  std::wstring OS_Version;  // major.minor.build of the running Windows
  bool HideNotify = false;  // no restart notice after an address change
  bool Agree = false;       // the user accepted the terms

  // --- Window state.
  int ScanResult = 0;                // 0 no rows, 1 rows from WMI, 2 from the registry
  std::wstring SelectedAdapterIndex;  // ID of the adapter last shown
  bool Activated = false;

  // --- Start-up and shutdown.
  void Form_Load();
  void Form_Activate();
  void cmdExit_Click();
  void mnuExit_Click();
  // The program's run ends when this window is unloaded.
  void EndRunWhenUnloaded() { quitOnDestroy_ = true; }

  // --- The adapter list.
  void LoadAdapterList();
  void RefreshAdapterList(bool selectFirst);
  void SelectFirstAdapter(ListView& list);
  void EnableEditControls(bool enabled);
  void ShowSelectedAdapter(ListView& list, long position);
  void ShowOverrideAddress();
  void chkFilterActive_Click();
  void cmdRefresh_Click();
  void mnuRefresh_Click();
  void lvwNIC_ColumnClick(int headerPosition);
  void lvwNIC_ItemClick(long position);

  // --- The six entry boxes.
  std::wstring FormatMAC(std::wstring text, bool fillBoxes);
  void txtMAC_GotFocus(int index);
  void txtMAC_KeyPress(int index, int& keyAscii);
  void txtMAC_LostFocus(int index);
  void txtMAC_Change(int index);
  void cmdClear_Click();
  void cmdActiveMAC_Click();
  void cmdSpoofMAC_Click();

  // --- Changing and removing the overriding address.
  void cmdUpdate_Click();
  void cmdRemove_Click();
  void UpdateOverrideAddress();
  void RemoveOverrideAddress();
  void ShowProblem(const RecordedChange& change);
  void mnuView_Click();
  std::wstring LogFilePath() const;

  // --- Beyond the change: a random address, and restarting the adapter so
  // that its driver reads the address, with a check of what it then uses.
  void mnuRandom_Click();
  // The same with a maker chosen in the maker search: its prefix, the rest random.
  void mnuMakerRandom_Click();
  void mnuRestart_Click();
  void RestartSelectedAdapter();

  // --- Unattended changes of the selected adapter, from the system menu, and
  // every adapter put back to its own address.
  void mnuSchedule_Click();
  void mnuRemoveAll_Click();

  // --- About window, logo link and its hover look.
  void mnuAbout_Click();
  // --- The language of the next start, from the system menu.
  void mnuLanguage_Click(Language chosen);
  void picLogo_Click();
  void picLogo_MouseMove();
  void tmrResetLogo_Timer();
  std::wstring LogoTag;  // "True" highlighted, "False" after a reset, empty before the first hover

  // --- Controls the procedures work on.
  ListView lvwNIC;
  CheckBox chkFilterActive;
  std::wstring TxtMAC(int index) const;
  void SetTxtMAC(int index, const std::wstring& text);
  // The six boxes' texts joined, without separator.
  std::wstring JoinedBoxes() const;
  HBITMAP HighlightPicture() const { return imgHighlight_.get(); }
  HBITMAP NormalPicture() const { return imgNoHighlight_.get(); }
  MainWindowServices& Services() { return services_; }
  AdapterDevices& Devices();
  AdapterFacts& Facts();

 protected:
  void OnCreate() override;
  void OnCommand(int id, int code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  void OnTimer(UINT_PTR id) override;
  void OnActivate(bool active) override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void AdjustLayoutAtLoad();
  void LoadPictures();
  void SetUpAdapterList();
  // The entry boxes' character filter: WM_CHAR and pasted text go through
  // txtMAC_KeyPress.
  static LRESULT CALLBACK EntryBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleEntryBox(HWND hwnd, WNDPROC original, int index, UINT message, WPARAM wParam, LPARAM lParam);
  void PasteIntoBox(int index);

  MainWindowServices services_;
  std::unique_ptr<AdapterDevices> systemDevices_;
  std::unique_ptr<AdapterFacts> systemFacts_;
  AdapterTips lvwNICTips_;
  UniqueHbitmap imgNoHighlight_;
  UniqueHbitmap imgHighlight_;
  UniqueHbitmap clearPicture_;
  UniqueHbitmap copyPicture_;
  std::array<WNDPROC, 6> entryBoxProcs_{};
  // Marks list selections the procedures make themselves, so that only the
  // user's selections count as row clicks.
  void SelectRow(ListView& list, long position);
  bool selectingByCode_ = false;
  // While an entry box gains or loses the focus: where it comes from, where it goes.
  HWND focusFrom_ = nullptr;
  HWND focusTo_ = nullptr;
  bool quitOnDestroy_ = false;
};

}  // namespace quav
