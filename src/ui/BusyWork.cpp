#include "ui/BusyWork.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "ui/Form.h"
#include "ui/Layout.h"

namespace quav {
namespace {

// What waited for busy work to end is posted on this timer, which Windows
// delivers only when no posted message nor input waits: the keys typed
// before come first.
constexpr UINT_PTR kAfterBusyTimer = 0x5157;

// Takes the queued messages of a range for the window and its controls out
// of the queue, and gives them. PeekMessage returns a WM_QUIT whatever the
// range: it is put back.
std::vector<MSG> DropQueued(HWND hwnd, UINT first, UINT last) {
  std::vector<MSG> dropped;
  MSG msg;
  while (::PeekMessageW(&msg, hwnd, first, last, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    dropped.push_back(msg);
  }
  return dropped;
}

// A list's clicks, keys and selection changes.
bool IsListInput(UINT code) {
  constexpr UINT kInputs[] = {NM_CLICK,        NM_DBLCLK,        NM_RCLICK,   NM_RDBLCLK,     NM_RETURN,
                              LVN_COLUMNCLICK, LVN_ITEMACTIVATE, LVN_KEYDOWN, LVN_ITEMCHANGED};
  return std::find(std::begin(kInputs), std::end(kInputs), code) != std::end(kInputs);
}

}  // namespace

void MessagePump::Answer() {
  const DWORD now = ::GetTickCount();
  if (started_ && now - last_ < kAnswerEveryMs) return;
  AnswerNow();
}

void MessagePump::AnswerNow() { Pump(true); }

void MessagePump::AnswerSent() { Pump(false); }

void MessagePump::Pump(bool paint) {
  if (quit_) return;
  started_ = true;
  last_ = ::GetTickCount();
  UINT which = PM_QS_SENDMESSAGE;
  if (paint) which |= PM_QS_PAINT;
  if (paint && takes_ == Takes::Everything) which = 0;
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | which)) {
    // The program's loop is to see it: put back.
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      quit_ = true;
      return;
    }
    DispatchQueued(msg);
  }
}

// Outside busy work too, the queue is emptied through the one pump.
void DoEvents() { MessagePump(MessagePump::Takes::Everything).AnswerNow(); }

void MessagePump::AnswerFor(unsigned milliseconds) {
  const DWORD wake = takes_ == Takes::Everything ? QS_ALLINPUT : QS_PAINT | QS_SENDMESSAGE;
  const DWORD start = ::GetTickCount();
  for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = ::GetTickCount() - start) {
    // The quit put back would wake the wait at once, again and again.
    if (quit_) {
      ::Sleep(milliseconds - elapsed);
      return;
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, wake);
    AnswerNow();
  }
}

BusyWork::BusyWork(Form& form, Input input, const wchar_t* sessionHeldFor)
    : MessagePump(input == Input::None ? Takes::Everything : Takes::PaintAndSent),
      form_(form),
      outer_(form.busy_) {
  if (outer_) return;
  form_.busy_ = this;
  input_ = input;
  ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  // What still waits for an earlier work's handler to return joins this work's.
  waiting_ = std::exchange(form_.afterBusy_, {});
  if (waiting_.commands.empty() && !waiting_.close) waiting_.handlers = form_.handlers_;
  const HWND hwnd = form_.Hwnd();
  if (!hwnd) return;
  ::KillTimer(hwnd, kAfterBusyTimer);
  if (input_ != Input::None) return;
  disabledBefore_ = ::EnableWindow(hwnd, FALSE) != FALSE;
  // Windows shows the reason where it asks programs for one (Vista and
  // later); before that, refusing WM_QUERYENDSESSION holds the session.
  const HMODULE user = ::GetModuleHandleW(L"user32.dll");
  if (!user || !sessionHeldFor) return;
  using Create = BOOL(WINAPI*)(HWND, LPCWSTR);
  const auto create =
      reinterpret_cast<Create>(reinterpret_cast<void*>(::GetProcAddress(user, "ShutdownBlockReasonCreate")));
  const auto destroy =
      reinterpret_cast<ReleaseSession>(reinterpret_cast<void*>(::GetProcAddress(user, "ShutdownBlockReasonDestroy")));
  if (create && destroy && create(hwnd, sessionHeldFor)) releaseSession_ = destroy;
}

BusyWork::~BusyWork() {
  if (outer_) return;
  form_.busy_ = nullptr;
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  const HWND hwnd = form_.Hwnd();
  if (!hwnd) return;
  if (releaseSession_) releaseSession_(hwnd);
  if (input_ == Input::None && !disabledBefore_) ::EnableWindow(hwnd, TRUE);
  if (input_ == Input::Waits) {
    // Clicks made meanwhile aimed at what the work replaced.
    DropQueued(hwnd, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK);
    DropQueued(hwnd, WM_XBUTTONDOWN, WM_XBUTTONDBLCLK);
  }
  if (dropWaiting_) {
    DropQueued(hwnd, WM_KEYFIRST, WM_KEYLAST);
    DropQueued(hwnd, BM_CLICK, BM_CLICK);
    for (const MSG& command : DropQueued(hwnd, WM_COMMAND, WM_SYSCOMMAND)) {
      // A close asked for acts on no row: it stays.
      if (command.message == WM_SYSCOMMAND && (command.wParam & 0xFFF0) == SC_CLOSE) waiting_.close = true;
    }
  }
  if (input_ == Input::None || dropWaiting_) waiting_.commands.clear();
  form_.afterBusy_ = std::move(waiting_);
  HandlerReturned(form_);
}

void BusyWork::DropWhatWaits() { form_.busy_->dropWaiting_ = true; }

void BusyWork::Hold(const MSG& command) {
  // The same command asked for again while the work lasts runs once.
  const bool known = std::any_of(waiting_.commands.begin(), waiting_.commands.end(), [&](const MSG& held) {
    return held.message == command.message && held.wParam == command.wParam && held.lParam == command.lParam;
  });
  if (!known) waiting_.commands.push_back(command);
}

void BusyWork::HandlerReturned(const Form& form) {
  const Waiting& after = form.afterBusy_;
  if (form.busy_ || !form.Hwnd() || (after.commands.empty() && !after.close)) return;
  if (form.handlers_ > 0 && form.handlers_ >= after.handlers) return;
  ::SetTimer(form.Hwnd(), kAfterBusyTimer, USER_TIMER_MINIMUM, nullptr);
}

bool BusyWork::Answers(Form& form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  const HWND hwnd = form.Hwnd();
  if (message == WM_TIMER && wParam == kAfterBusyTimer) {
    ::KillTimer(hwnd, kAfterBusyTimer);
    const Waiting after = std::exchange(form.afterBusy_, {});
    for (const MSG& command : after.commands) ::PostMessageW(hwnd, command.message, command.wParam, command.lParam);
    if (after.close) ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    return true;
  }
  BusyWork* const busy = form.busy_;
  if (!busy) return false;
  const bool noInput = busy->input_ == Input::None;
  switch (message) {
    case WM_SETCURSOR:
      // The hourglass; a disabled form's cursor is asked for with HTERROR.
      if (LOWORD(lParam) != HTCLIENT && !noInput) return false;
      ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
      result = TRUE;
      return true;
    case WM_QUERYENDSESSION:
      return noInput;  // FALSE: not now
    case WM_CLOSE:
      busy->waiting_.close = true;
      return true;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        busy->waiting_.close = true;
        return true;
      }
      break;
    case WM_COMMAND: {
      // A control's notices (an entry box changed or got the focus) come
      // from the work itself; clicks, menu entries and keys are commands.
      const WORD code = HIWORD(wParam);
      if (lParam != 0 && code != BN_CLICKED && code != BN_DOUBLECLICKED && code != kNotifyClick) return false;
      break;
    }
    case WM_NOTIFY:
      return IsListInput(reinterpret_cast<const NMHDR*>(lParam)->code);
    default:
      return false;
  }
  if (!noInput) busy->Hold(MSG{hwnd, message, wParam, lParam, 0, {}});
  return true;
}

}  // namespace quav
