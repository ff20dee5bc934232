#include "platform/ErrorReporter.h"

#include "platform/Texts.h"

#include <windows.h>

#include <new>

#include "AppVersion.h"

namespace quav {
namespace {

class MessageBoxReporter final : public ErrorReporter {
 public:
  void Report(const std::wstring& text) override {
    ::MessageBoxW(::GetActiveWindow(), text.c_str(), kAppTitle, MB_OK);
  }
};

}  // namespace

ErrorReporter& MessageBoxErrorReporter() {
  static MessageBoxReporter reporter;
  return reporter;
}

std::wstring ProcedureErrorText(const wchar_t* procedure, const std::wstring& description, long number) {
  return Say(TextId::ProcedureError, {procedure, description, std::to_wstring(number)});
}

ExceptionDescription DescribeException(const std::exception_ptr& error) {
  ExceptionDescription result{Say(TextId::UnexpectedError), kUnexpectedErrorNumber};
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    result = {Say(TextId::OutOfMemory), kOutOfMemoryNumber};
  } catch (const std::exception& e) {
    const std::string what = e.what();
    result.description.assign(what.begin(), what.end());
  } catch (...) {
  }
  return result;
}

void ReportException(ErrorReporter& errors, const std::exception_ptr& error, const wchar_t* procedure,
                     const wchar_t* tail) {
  const ExceptionDescription described = DescribeException(error);
  errors.Report(ProcedureErrorText(procedure, described.description, described.number) + tail);
}

}  // namespace quav
