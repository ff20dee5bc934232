#include "ui/BusyWork.h"

#include <utility>

#include "ui/Form.h"

namespace quav {

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

BusyWork::BusyWork(Form& form, Commands commands)
    : MessagePump(commands == Commands::Drop ? Takes::Everything : Takes::PaintAndSent),
      form_(form),
      outermost_(form.busy_.depth == 0) {
  ++form_.busy_.depth;
  if (outermost_) {
    form_.busy_.dropCommands = commands == Commands::Drop;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  }
}

BusyWork::~BusyWork() {
  if (--form_.busy_.depth > 0) return;
  Form::BusyState ended = std::move(form_.busy_);
  form_.busy_ = {};
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  const HWND hwnd = form_.Hwnd();
  if (!hwnd) return;
  // Clicks made in the windows meanwhile aimed at what the work replaced.
  if (!ended.dropCommands) {
    MSG click;
    while (::PeekMessageW(&click, nullptr, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_REMOVE)) {
    }
    while (::PeekMessageW(&click, nullptr, WM_XBUTTONDOWN, WM_XBUTTONDBLCLK, PM_REMOVE)) {
    }
  }
  for (const MSG& command : ended.waiting) ::PostMessageW(hwnd, command.message, command.wParam, command.lParam);
  if (ended.closeAfter) ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

}  // namespace quav
