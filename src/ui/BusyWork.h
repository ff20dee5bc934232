#pragma once

#include <windows.h>

#include <vector>

namespace quav {

class Form;

// Lets the windows paint and answer during a long step on their own thread.
// It answers at most every kAnswerEveryMs, so that the step itself goes on.
class MessagePump {
 public:
  enum class Takes {
    PaintAndSent,  // input and posted messages wait in the queue for the step's end
    Everything,    // also input and posted messages (a disabled window's wait)
  };
  explicit MessagePump(Takes takes = Takes::PaintAndSent) : takes_(takes) {}

  // Answers when kAnswerEveryMs have passed since the last answer.
  void Answer();
  // Answers now, whatever the time.
  void AnswerNow();
  // Answers the sent messages only, painting nothing (what is about to be
  // painted whole anyway).
  void AnswerSent();
  // Waits that long, answering meanwhile.
  void AnswerFor(unsigned milliseconds);

  // The longest a step goes on without answering, but for one part it
  // cannot split (connecting to WMI, listing a key's subkeys, painting the list).
  static constexpr DWORD kAnswerEveryMs = 15;

 private:
  void Pump(bool paint);

  Takes takes_;
  bool quit_ = false;  // seen and put back: the program is ending
  bool started_ = false;
  DWORD last_ = 0;
};

// A form's busy work: a scan, filling its list, a restart's wait. The whole
// rule, kept here and nowhere else:
// - The form paints and answers what is sent to it, through the pump, and
//   shows the hourglass. No command runs inside the work.
// - Commands (a button's or menu entry's WM_COMMAND, a WM_SYSCOMMAND) are
//   held, the same one once. A list's clicks, keys and selection changes are
//   dropped: the work replaces and selects the rows itself.
// - Input::Waits (a scan, a fill): keys and posted messages wait in the
//   queue; clicks made meanwhile are dropped at the end, as they aimed at
//   what the work replaced. The held commands are posted once the handler
//   that began the work has returned and the keys typed before them have
//   run. After DropWhatWaits (the row the user had chosen is gone) the held
//   commands, the queued keys and the posted commands are dropped instead.
// - Input::None (a wait that must not be cut short): the form is disabled
//   and takes no input, held commands are dropped, and a log-off or
//   shutdown waits for the work's end.
// - A close asked for meanwhile (WM_CLOSE, SC_CLOSE) closes the form once the
//   handler that began the work has returned, so that what it shows last is
//   seen first. A WM_QUIT stays in the queue.
// Nested scopes are one busy work, of the outermost's kind.
class BusyWork : public MessagePump {
 public:
  enum class Input { Waits, None };
  // sessionHeldFor: what Windows shows as the reason a log-off waits (None only).
  BusyWork(Form& form, Input input, const wchar_t* sessionHeldFor = nullptr);
  BusyWork(const BusyWork&) = delete;
  BusyWork& operator=(const BusyWork&) = delete;
  ~BusyWork();

  // What was asked for meanwhile is dropped rather than run once the work has
  // ended: it aimed at a row that is no longer the one selected.
  void DropWhatWaits();

  // The form's hooks. Answers a message the rule holds, drops or answers
  // itself (true, with the result); false lets the form handle it.
  static bool Answers(Form& form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // One of the form's handlers has returned: when it began the work, what
  // waited is posted once the input queued before it has run.
  static void HandlerReturned(const Form& form);

  // What waits for the handler that began busy work to return.
  struct Waiting {
    std::vector<MSG> commands;
    bool close = false;
    int handlers = 0;  // the form's handlers under way when the work began
  };

 private:
  using ReleaseSession = BOOL(WINAPI*)(HWND);
  void Hold(const MSG& command);

  Form& form_;
  BusyWork* const outer_;  // the outermost work, when this one is nested in it
  Input input_ = Input::Waits;
  Waiting waiting_;
  bool dropWaiting_ = false;
  bool disabledBefore_ = false;
  ReleaseSession releaseSession_ = nullptr;
};

}  // namespace quav
