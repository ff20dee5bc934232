#include "adapters/ErrorReporter.h"

#include <windows.h>

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
  return L"An error occurred in procedure " + std::wstring(procedure) + L". " + description + L" (" +
         std::to_wstring(number) + L")";
}

}  // namespace quav
