#pragma once

#include <windows.h>

#include <string_view>

#include "platform/Handles.h"

namespace quav {

// Where the command line's text goes: the standard output when the caller
// gave one (a pipe or a file), else the console of the process that started
// the program, if it has one. A program of the GUI subsystem gets no console
// of its own.
class ConsoleOutput {
 public:
  ConsoleOutput();
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;

  // Writes the text with every line end as CR LF; nothing when there is no
  // target.
  void Write(std::wstring_view text);

 private:
  HANDLE target_ = nullptr;  // the standard output, or the parent's console below
  UniqueFile console_;
};

}  // namespace quav
