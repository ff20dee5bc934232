#pragma once

#include "platform/ErrorReporter.h"

// What a window, control or callback procedure does with an exception: no
// exception may leave one (it would cross the system's code), so each
// reports it here and the window goes on.
namespace quav {

// The reporter the windows use: message boxes, unless another is set (tests
// set one; nullptr sets the message boxes back).
void SetWindowErrorReporter(ErrorReporter* reporter);

// Reports the exception being handled as one from the procedure; called in a
// catch block. Throws nothing, whatever the report itself runs into.
void ReportWindowException(const wchar_t* procedure) noexcept;

}  // namespace quav
