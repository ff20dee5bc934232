// Restarting the selected adapter so that its driver reads the overriding
// address, and telling the user which address it then really uses.
#include <windows.h>

#include "adapters/AdapterScan.h"
#include "change/RecordedChange.h"
#include "platform/ScopeExit.h"
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

// Takes the window's input away for the scope, so that nothing the user
// clicks acts while the restart waits, and gives back the state it had.
class InputSuspended {
 public:
  explicit InputSuspended(HWND hwnd) : hwnd_(hwnd), wasDisabled_(::EnableWindow(hwnd, FALSE) != FALSE) {}
  InputSuspended(const InputSuspended&) = delete;
  InputSuspended& operator=(const InputSuspended&) = delete;
  ~InputSuspended() {
    if (!wasDisabled_) ::EnableWindow(hwnd_, TRUE);
  }

 private:
  HWND hwnd_;
  bool wasDisabled_;
};

// The session waits for the restart's log line where Windows asks programs
// for a reason (Vista and later); before that, refusing the query holds it.
class SessionHeld {
 public:
  explicit SessionHeld(HWND hwnd) : hwnd_(hwnd) {
    const HMODULE user = ::GetModuleHandleW(L"user32.dll");
    if (!user) return;
    using Create = BOOL(WINAPI*)(HWND, LPCWSTR);
    const auto create =
        reinterpret_cast<Create>(reinterpret_cast<void*>(::GetProcAddress(user, "ShutdownBlockReasonCreate")));
    destroy_ = reinterpret_cast<Destroy>(reinterpret_cast<void*>(::GetProcAddress(user, "ShutdownBlockReasonDestroy")));
    if (!create || !destroy_ || !create(hwnd_, Say(TextId::RestartHoldsSession))) destroy_ = nullptr;
  }
  SessionHeld(const SessionHeld&) = delete;
  SessionHeld& operator=(const SessionHeld&) = delete;
  ~SessionHeld() {
    if (destroy_) destroy_(hwnd_);
  }

 private:
  using Destroy = BOOL(WINAPI*)(HWND);
  HWND hwnd_;
  Destroy destroy_ = nullptr;
};

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
    const InputSuspended noInput(Hwnd());
    BusyWork busy(*this, BusyWork::Commands::Drop);
    const SessionHeld held(Hwnd());
    restarting_ = true;
    const ScopeExit idle([this] { restarting_ = false; });
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
