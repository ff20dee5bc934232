#include "ui/main/frmMain.h"

#include <commctrl.h>

#include "adapters/AdapterFacts.h"
#include "change/AdapterDevices.h"
#include "platform/ScopeExit.h"
#include "platform/Settings.h"
#include "ui/InputMethod.h"
#include "ui/Pictures.h"
#include "ui/WindowErrors.h"
#include "ui/WindowTitle.h"
#include "ui/Resources.h"
#include "ui/main/frmMainControls.h"
#include "ui/main/frmMainLayout.h"

namespace quav {

using namespace frmMainControls;

frmMain::frmMain(MainWindowServices services)
    : Form(MainWindowDesign()), services_(std::move(services)) {}

// The window goes first: its procedures use the members.
frmMain::~frmMain() { Unload(); }

AdapterDevices& frmMain::Devices() {
  if (services_.adapters.devices) return *services_.adapters.devices;
  if (!systemDevices_) systemDevices_ = SystemAdapterDevices();
  return *systemDevices_;
}

AdapterFacts& frmMain::Facts() {
  if (services_.adapters.facts) return *services_.adapters.facts;
  if (!systemFacts_) systemFacts_ = std::make_unique<SystemAdapterFacts>();
  return *systemFacts_;
}

std::wstring frmMain::TxtMAC(int index) const { return Text(txtMAC(index)); }

void frmMain::SetTxtMAC(int index, const std::wstring& text) { SetText(txtMAC(index), text); }

std::wstring frmMain::JoinedBoxes() const {
  std::wstring joined;
  for (int k = 0; k < 6; ++k) joined += TxtMAC(k);
  return joined;
}

void frmMain::OnCreate() {
  AddControls(MainWindowLayout());
  lvwNIC.Attach(Item(frmMainControls::lvwNIC));
  chkFilterActive.Attach(Item(frmMainControls::chkFilterActive));
  chkFilterActive.SetValue(1);
  for (int k = 0; k < 6; ++k) {
    HWND box = Item(txtMAC(k));
    ::SendMessageW(box, EM_LIMITTEXT, 2, 0);
    ::SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    entryBoxProcs_[static_cast<size_t>(k)] =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EntryBoxProc)));
    // An input method would hand the box composed text past the key filter.
    DetachInputMethod(box);
  }
  SetBackColor(lblDisclaimer, kSystemWorkspace);
  ::SendMessageW(Item(picLogo), kPictureSetBackColor, 0, kSystemWorkspace);
  ::SendMessageW(Item(picLogo), kPictureSetLink, 1, 0);
  SetMainMenuBar(Hwnd());
  AddMakerMenuEntry(Hwnd());
  AddScheduleMenuEntries(Hwnd());
  AddLanguageMenu(Hwnd(), CurrentLanguage());
  AddPictureButtonTips(*this);
  LoadPictures();
}

void frmMain::LoadPictures() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  imgNoHighlight_.reset(LoadBitmapResource(instance, IDB_LOGO));
  imgHighlight_.reset(LoadBitmapResource(instance, IDB_LOGO_HIGHLIGHT));
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  clearPicture_.reset(LoadKeyedBitmap(instance, IDB_CLEAR, face));
  copyPicture_.reset(LoadKeyedBitmap(instance, IDB_COPY_ARROW, face));
  ::SendMessageW(Item(cmdClear), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(clearPicture_.get()));
  ::SendMessageW(Item(cmdSpoofMAC), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copyPicture_.get()));
  ::SendMessageW(Item(cmdActiveMAC), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copyPicture_.get()));
}

void frmMain::OnCommand(int id, int code, HWND /*control*/) {
  if (id >= txtMAC(0) && id <= txtMAC(5)) {
    const int index = id - txtMAC(0);
    if (code == EN_CHANGE) txtMAC_Change(index);
    // Only focus moving between the window's own controls counts: switching
    // to another program and back neither completes nor selects the box.
    const auto ownControl = [this](HWND other) { return other && ::IsChild(Hwnd(), other); };
    if (code == EN_SETFOCUS && ownControl(focusFrom_)) txtMAC_GotFocus(index);
    if (code == EN_KILLFOCUS && ownControl(focusTo_)) txtMAC_LostFocus(index);
    return;
  }
  if (code != BN_CLICKED && code != 0 && code != kNotifyClick && code != kNotifyMouseMove) return;
  switch (id) {
    case frmMainControls::chkFilterActive: chkFilterActive_Click(); break;
    case cmdClear: cmdClear_Click(); break;
    case cmdUpdate: cmdUpdate_Click(); break;
    case cmdRemove: cmdRemove_Click(); break;
    case cmdRefresh: cmdRefresh_Click(); break;
    case cmdExit: cmdExit_Click(); break;
    case cmdSpoofMAC: cmdSpoofMAC_Click(); break;
    case cmdActiveMAC: cmdActiveMAC_Click(); break;
    case picLogo:
      if (code == kNotifyClick) picLogo_Click();
      if (code == kNotifyMouseMove) picLogo_MouseMove();
      break;
    case mnuView: mnuView_Click(); break;
    case mnuRefresh: mnuRefresh_Click(); break;
    case mnuExit: mnuExit_Click(); break;
    case mnuAbout: mnuAbout_Click(); break;
    case mnuRandom: mnuRandom_Click(); break;
    case mnuRestart: mnuRestart_Click(); break;
    // Wine sends an entry of a submenu of the system menu as WM_COMMAND.
    case mnuLanguageEnglish: mnuLanguage_Click(Language::English); break;
    case mnuLanguageChinese: mnuLanguage_Click(Language::Chinese); break;
    default: break;
  }
}

LRESULT frmMain::OnNotify(const NMHDR& header) {
  if (header.idFrom != static_cast<UINT_PTR>(frmMainControls::lvwNIC)) return 0;
  switch (header.code) {
    case NM_CUSTOMDRAW:
      return lvwNIC.CustomDraw(const_cast<NMHDR*>(&header));
    case LVN_COLUMNCLICK:
      lvwNIC_ColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem + 1);
      return 0;
    case LVN_ITEMCHANGED: {
      // A row the user selects, with the mouse or the keyboard.
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (!selectingByCode_ && (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
          !(change.uOldState & LVIS_SELECTED)) {
        lvwNIC_ItemClick(change.iItem + 1);
      }
      return 0;
    }
    case NM_CLICK: {
      // Every click on a row shows it, also the row already selected (after
      // the boxes were emptied, say); showing a row twice changes nothing.
      const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
      if (click.iItem >= 0) lvwNIC_ItemClick(click.iItem + 1);
      return 0;
    }
    default:
      return 0;
  }
}

void frmMain::OnTimer(UINT_PTR id) {
  if (id == tmrResetLogo) tmrResetLogo_Timer();
}

// Posted at the first activation, so that the start-up work runs once the
// window is shown rather than inside its activation.
constexpr UINT kFirstActivation = WM_APP + 1;

bool frmMain::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  if (message == kFirstActivation) {
    Form_Activate();
    return true;
  }
  // Windows sends the system menu's entries, its submenus' too, as WM_SYSCOMMAND.
  if (message == WM_SYSCOMMAND && ((wParam & 0xFFF0) == mnuLanguageEnglish || (wParam & 0xFFF0) == mnuLanguageChinese)) {
    mnuLanguage_Click((wParam & 0xFFF0) == mnuLanguageEnglish ? Language::English : Language::Chinese);
    result = 0;
    return true;
  }
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == mnuMakerRandom) {
    mnuMakerRandom_Click();
    result = 0;
    return true;
  }
  if (message == WM_SYSCOMMAND && ((wParam & 0xFFF0) == mnuSchedule || (wParam & 0xFFF0) == mnuRemoveAll)) {
    if ((wParam & 0xFFF0) == mnuSchedule) {
      mnuSchedule_Click();
    } else {
      mnuRemoveAll_Click();
    }
    result = 0;
    return true;
  }
  return false;
}

// The choice is stored for the next start: the window keeps the language it
// was built in rather than rebuilding itself around the user's work. The
// message is said in both languages, so that whoever chose by mistake reads it.
void frmMain::mnuLanguage_Click(Language chosen) {
  StoreLanguage(chosen);
  CheckLanguageEntry(Hwnd(), chosen);
  if (chosen != CurrentLanguage()) {
    const std::wstring message =
        std::wstring(SayIn(chosen, TextId::LanguageFromNextStart)) + L"\r\n\r\n" + Say(TextId::OtherLanguageFromNextStart);
    services_.host.ShowMessage(Hwnd(), message, WindowTitle(), MB_OK | MB_ICONINFORMATION);
  }
}

void frmMain::OnActivate(bool active) {
  if (active && !Activated) ::PostMessageW(Hwnd(), kFirstActivation, 0, 0);
}

void frmMain::OnDestroy() {
  ::KillTimer(Hwnd(), tmrResetLogo);
  if (quitOnDestroy_) ::PostQuitMessage(0);
}

LRESULT CALLBACK frmMain::EntryBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<frmMain*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  const int index = ::GetDlgCtrlID(hwnd) - txtMAC(0);
  const WNDPROC original = form->entryBoxProcs_[static_cast<size_t>(index)];
  try {
    return form->HandleEntryBox(hwnd, original, index, message, wParam, lParam);
  } catch (...) {
    ReportWindowException(L"txtMAC");
    return 0;
  }
}

LRESULT frmMain::HandleEntryBox(HWND hwnd, WNDPROC original, int index, UINT message, WPARAM wParam,
                                LPARAM lParam) {
  switch (message) {
    // The box tells its form through EN_SETFOCUS and EN_KILLFOCUS, which do
    // not say where the focus comes from or goes to: kept for them here.
    case WM_SETFOCUS: {
      const ScopeExit forget([this] { focusFrom_ = nullptr; });
      focusFrom_ = reinterpret_cast<HWND>(wParam);
      return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    case WM_KILLFOCUS: {
      const ScopeExit forget([this] { focusTo_ = nullptr; });
      focusTo_ = reinterpret_cast<HWND>(wParam);
      return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    case WM_CHAR: {
      int key = static_cast<int>(wParam);
      txtMAC_KeyPress(index, key);
      if (key == 0) return 0;
      return ::CallWindowProcW(original, hwnd, message, static_cast<WPARAM>(key), lParam);
    }
    case WM_PASTE:
      PasteIntoBox(index);
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace quav
