#pragma once

#include <windows.h>

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

// A form's busy work (a scan, filling its list, waiting for an adapter): the
// form paints and answers through the pump, but no command runs inside the
// work. A command that arrives meanwhile (a button's or menu entry's
// WM_COMMAND, WM_SYSCOMMAND, a list's click) runs once the work has ended,
// or is dropped where the work takes no input; a close asked for closes the
// form once the work has ended. Nested scopes are one busy work.
class BusyWork : public MessagePump {
 public:
  enum class Commands {
    Wait,  // run once the work has ended; clicks queued in the window meanwhile are dropped
    Drop,  // the window takes no input while the work lasts
  };
  BusyWork(Form& form, Commands commands);
  BusyWork(const BusyWork&) = delete;
  BusyWork& operator=(const BusyWork&) = delete;
  ~BusyWork();

 private:
  Form& form_;
  bool outermost_;
};

}  // namespace quav
