#pragma once

#include <windows.h>

#include "platform/Handles.h"

// DLLs the program does not import but loads when it needs them: always from
// the system folder by full path, so that no DLL of the same name beside the
// program or on the path is taken instead.
namespace quav {

namespace handle_traits {
struct Module {
  using Type = HMODULE;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::FreeLibrary(h); }
};
}  // namespace handle_traits

using UniqueHmodule = UniqueAny<handle_traits::Module>;

// Loads the DLL of that file name from the system folder; empty on failure.
UniqueHmodule LoadSystemLibrary(const wchar_t* fileName);

// A function of a loaded DLL as the type it has, or null when the module is
// null or lacks it.
template <typename Function>
Function SystemFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through void (*)(): the one function pointer type GCC lets any other cast from.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

}  // namespace quav
