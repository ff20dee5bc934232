#include "ui/InputMethod.h"

#include <imm.h>

#include "platform/SystemLibrary.h"

namespace quav {
namespace {

// imm32.dll, loaded at the first use and kept for the program's life.
struct InputMethodFunctions {
  UniqueHmodule module = LoadSystemLibrary(L"imm32.dll");
  decltype(&::ImmAssociateContext) associate = SystemFunction<decltype(&::ImmAssociateContext)>(
      module.get(), "ImmAssociateContext");
};

}  // namespace

void DetachInputMethod(HWND control) {
  static const InputMethodFunctions functions;
  if (functions.associate) functions.associate(control, nullptr);
}

}  // namespace quav
