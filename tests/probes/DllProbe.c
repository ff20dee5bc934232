// Planted beside quav.exe under the name of a DLL it might load: when the
// loader takes it, it leaves "<its own path>.loaded" behind and loads no
// further.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) {
    wchar_t path[MAX_PATH + 16] = {0};
    const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
      lstrcatW(path, L".loaded");
      HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
      if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
    }
  }
  return TRUE;
}

// A DLL needs an export table for the loader to read its name from.
__declspec(dllexport) int QuavProbe(void) { return 1; }
