#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <vector>

#include "DelayLoadHook.h"
#include "adapters/AdapterFacts.h"
#include "platform/ErrorReporter.h"
#include "cli/ConsoleCommands.h"
#include "platform/DllSearch.h"
#include "platform/Settings.h"
#include "ui/Form.h"
#include "ui/main/SystemModalWindows.h"
#include "ui/main/SystemProgramHost.h"
#include "ui/main/frmMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandTail, int) {
  // Before any DLL beyond the loader's own is loaded.
  quav::RestrictDllSearch();
  // Before any text is read: the user's choice, else the interface language.
  quav::SetLanguage(quav::ChosenLanguage());
  // Uninitialised at the end only when it was initialised here.
  const bool com = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

  // With arguments the program is a tool for scripts: one verb, no window.
  const std::vector<std::wstring> arguments = quav::ProgramArguments(commandTail ? commandTail : L"");
  if (!arguments.empty()) {
    quav::ConsoleOutput out;
    quav::TellMissingImportsOn(out);
    quav::ExitCode code = quav::ExitCode::Unexpected;
    try {
      quav::SystemAdapterFacts facts;
      const std::unique_ptr<quav::AdapterDevices> devices = quav::SystemAdapterDevices();
      code = quav::RunCommandLine(arguments, {*devices, facts}, out);
    } catch (...) {
      // Said on the console: the command line shows no message box.
      const quav::ExceptionDescription error = quav::DescribeException(std::current_exception());
      out.Write(quav::ProcedureErrorText(L"RunCommandLine", error.description, error.number) + L"\n");
    }
    if (com) ::CoUninitialize();
    return static_cast<int>(code);
  }

  // Only the window needs the common controls (a scheduled run loads none):
  // only the list view, as comctl32 before version 6 refuses flags it does not know.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  int code = 1;
  try {
    quav::SystemProgramHost host;
    quav::SystemModalWindows windows;
    quav::frmMain form({host, windows, {}, L""});
    form.EndRunWhenUnloaded();
    if (form.Create()) {
      form.Form_Load();
      form.Show();
      code = quav::RunMessageLoop();
    }
  } catch (...) {
    // Thrown before the window's procedures took over (they report their own).
    quav::ReportException(quav::MessageBoxErrorReporter(), std::current_exception(), L"wWinMain");
  }
  if (com) ::CoUninitialize();
  return code;
}
