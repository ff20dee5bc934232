#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <vector>

#include "adapters/AdapterFacts.h"
#include "cli/ConsoleCommands.h"
#include "platform/DllSearch.h"
#include "ui/Form.h"
#include "ui/main/SystemModalWindows.h"
#include "ui/main/SystemProgramHost.h"
#include "ui/main/frmMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Before any DLL beyond the loader's own is loaded.
  quav::RestrictDllSearch();
  // Only the list view: comctl32 before version 6 refuses flags it does not know.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  // With arguments the program is a tool for scripts: one verb, no window.
  const std::vector<std::wstring> arguments = quav::ProgramArguments();
  if (!arguments.empty()) {
    quav::SystemAdapterFacts facts;
    const std::unique_ptr<quav::AdapterDevices> devices = quav::SystemAdapterDevices();
    quav::ConsoleOutput out;
    const quav::ExitCode code = quav::RunCommandLine(arguments, {*devices, facts}, out);
    ::CoUninitialize();
    return static_cast<int>(code);
  }

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
