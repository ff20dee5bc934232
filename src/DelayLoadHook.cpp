// The DLLs Windows does not protect are the program's delay imports: the
// first call into one loads it here, from the system folder by full path,
// never from the program's folder or the current folder.
#include <windows.h>
#include <delayimp.h>

#include "platform/DllSearch.h"

namespace {

FARPROC WINAPI LoadDelayImport(unsigned note, PDelayLoadInfo info) {
  if (note != dliNotePreLoadLibrary || !info || !info->szDll) return nullptr;
  // Null leaves the default load to the helper, which then finds nothing
  // the restricted search does not allow.
  return reinterpret_cast<FARPROC>(quav::LoadSystemDll(info->szDll));
}

}  // namespace

// Declared extern "C" by delayimp.h; the helper calls it before each load.
PfnDliHook __pfnDliNotifyHook2 = LoadDelayImport;
