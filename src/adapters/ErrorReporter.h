#pragma once

#include <string>

namespace quav {

// Where the registry pass reports its errors: on screen, a message box with
// an OK button captioned with the application's title.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void Report(const std::wstring& text) = 0;
};

ErrorReporter& MessageBoxErrorReporter();

// The text of an error report: "An error occurred in procedure NAME. "
// followed by the description and the number in parentheses.
std::wstring ProcedureErrorText(const wchar_t* procedure, const std::wstring& description, long number);

}  // namespace quav
