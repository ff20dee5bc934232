#include "platform/ShellLaunch.h"

#include <windows.h>
#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "platform/Handles.h"

namespace quav {
namespace {

// The shell's own application object, reached through the desktop's view.
ComPtr<IShellDispatch2> DesktopShellDispatch() {
  ComPtr<IShellWindows> windows;
  if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                windows.put_void()))) {
    return {};
  }
  UniqueVariant desktop;
  V_VT(desktop.get()) = VT_I4;
  V_I4(desktop.get()) = CSIDL_DESKTOP;
  UniqueVariant root;
  LONG window = 0;
  ComPtr<IDispatch> found;
  // S_FALSE: no desktop window is registered.
  if (windows->FindWindowSW(desktop.get(), root.get(), SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, found.put()) !=
          S_OK ||
      !found) {
    return {};
  }
  ComPtr<IServiceProvider> provider;
  ComPtr<IShellBrowser> browser;
  ComPtr<IShellView> view;
  ComPtr<IDispatch> background;
  ComPtr<IShellFolderViewDual> folderView;
  ComPtr<IDispatch> application;
  ComPtr<IShellDispatch2> shell;
  if (FAILED(found->QueryInterface(IID_IServiceProvider, provider.put_void())) ||
      FAILED(provider->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.put_void())) ||
      FAILED(browser->QueryActiveShellView(view.put())) || !view ||
      FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.put_void())) || !background ||
      FAILED(background->QueryInterface(IID_IShellFolderViewDual, folderView.put_void())) ||
      FAILED(folderView->get_Application(application.put())) || !application ||
      FAILED(application->QueryInterface(IID_IShellDispatch2, shell.put_void()))) {
    return {};
  }
  return shell;
}

}  // namespace

bool OpenThroughDesktopShell(const std::wstring& target) {
  const ComPtr<IShellDispatch2> shell = DesktopShellDispatch();
  if (!shell) return false;
  UniqueBstr file(::SysAllocString(target.c_str()));
  if (!file) return false;
  // No arguments, no folder: the shell's own working folder.
  UniqueVariant arguments;
  UniqueVariant folder;
  UniqueVariant operation;
  V_VT(operation.get()) = VT_BSTR;
  V_BSTR(operation.get()) = ::SysAllocString(L"open");
  if (!V_BSTR(operation.get())) return false;
  UniqueVariant show;
  V_VT(show.get()) = VT_I4;
  V_I4(show.get()) = SW_SHOWNORMAL;
  return SUCCEEDED(shell->ShellExecute(file.get(), *arguments.get(), *folder.get(), *operation.get(), *show.get()));
}

}  // namespace quav
