#include "ui/InputMethod.h"

#include <imm.h>

namespace quav {

void DetachInputMethod(HWND control) { ::ImmAssociateContext(control, nullptr); }

}  // namespace quav
