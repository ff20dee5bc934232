#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "ui/Form.h"
#include "ui/main/SystemModalWindows.h"
#include "ui/main/SystemProgramHost.h"
#include "ui/main/frmMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Only the list view: comctl32 before version 6 refuses flags it does not know.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  quav::SystemProgramHost host;
  quav::SystemModalWindows windows;
  quav::frmMain form({host, windows, {}, L""});
  form.EndRunWhenUnloaded();
  if (!form.Create()) return 1;
  form.Form_Load();
  form.Show();
  const int code = quav::RunMessageLoop();
  ::CoUninitialize();
  return code;
}
