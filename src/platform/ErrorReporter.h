#pragma once

#include <exception>
#include <string>

namespace quav {

// Where errors are reported (the registry pass's, those a window or the
// command line ran into): on screen, a message box with an OK button
// captioned with the application's title.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void Report(const std::wstring& text) = 0;
};

ErrorReporter& MessageBoxErrorReporter();

// The text of an error report: "An error occurred in procedure NAME. "
// followed by the description and the number in parentheses.
std::wstring ProcedureErrorText(const wchar_t* procedure, const std::wstring& description, long number);

// The numbers an error report gives for what was thrown.
inline constexpr long kUnexpectedErrorNumber = 5;  // anything but running out of memory
inline constexpr long kOutOfMemoryNumber = 7;

struct ExceptionDescription {
  std::wstring description;
  long number;
};

// The description and number for what was thrown: its message, or "Out of
// memory" for a failed allocation.
ExceptionDescription DescribeException(const std::exception_ptr& error);

// Reports what was thrown in the procedure, the tail after the number.
void ReportException(ErrorReporter& errors, const std::exception_ptr& error, const wchar_t* procedure,
                     const wchar_t* tail = L"");

}  // namespace quav
