#pragma once

#include <windows.h>

namespace quav {

// Takes the control out of the input method, so that it receives keys as
// typed and no composed text.
void DetachInputMethod(HWND control);

}  // namespace quav
