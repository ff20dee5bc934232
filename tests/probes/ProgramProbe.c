/* Stands in for a program planted where a program found by bare name would
   be picked up: when it runs it leaves "<its own path>.ran" and ends. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  wchar_t path[MAX_PATH + 8];
  HANDLE marker;
  DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
  (void)instance;
  (void)previous;
  (void)commandLine;
  (void)show;
  if (length == 0 || length >= MAX_PATH) return 1;
  lstrcpyW(path + length, L".ran");
  marker = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (marker == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(marker);
  return 0;
}
