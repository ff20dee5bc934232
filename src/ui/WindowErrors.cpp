#include "ui/WindowErrors.h"

#include <exception>

namespace quav {
namespace {

ErrorReporter* g_reporter = nullptr;

}  // namespace

void SetWindowErrorReporter(ErrorReporter* reporter) { g_reporter = reporter; }

void ReportWindowException(const wchar_t* procedure) noexcept {
  try {
    ReportException(g_reporter ? *g_reporter : MessageBoxErrorReporter(), std::current_exception(), procedure);
  } catch (...) {
    // Nothing is left to report with: the window goes on regardless.
  }
}

}  // namespace quav
