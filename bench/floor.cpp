// The floors quav.exe's start-up is measured against, one program by its
// argument: a window that only shows its title (floor a); the same window
// after one WMI query of the adapter configurations, read as quav.exe reads
// them, through the locator (floor b, "wmi") or through the scripting moniker
// quav.exe used before ("moniker"); and the main window as designed, with its
// controls, fonts, pictures and menu, its list's columns and one row for each
// of N adapters, after the same query ("window N", floor c). The title ends
// in a list marker like quav.exe's so that the driver waits for all alike.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "bench/WmiWalk.h"
#include "platform/Handles.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Pictures.h"
#include "ui/Resources.h"
#include "ui/main/StartupRules.h"
#include "ui/main/frmMainControls.h"
#include "ui/main/frmMainLayout.h"

namespace {

using namespace quav;
using bench::kWmiProperties;
using bench::QueryThroughLocator;

HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD flags, DISPPARAMS& parameters, VARIANT* result) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr, nullptr);
}

// The same walk as a script makes it, through "winmgmts:".
int QueryThroughMoniker() {
  ComPtr<IDispatch> service;
  if (FAILED(::CoGetObject(L"winmgmts:{impersonationLevel=impersonate}", nullptr, IID_IDispatch, service.put_void()))) {
    return -1;
  }
  UniqueBstr className(::SysAllocString(L"Win32_NetworkAdapterConfiguration"));
  VARIANTARG argument;
  ::VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = className.get();
  DISPPARAMS query{&argument, nullptr, 1, 0};
  UniqueVariant instances;
  if (FAILED(InvokeByName(service.get(), L"InstancesOf", DISPATCH_METHOD, query, instances.put())) ||
      instances.get()->vt != VT_DISPATCH || !instances.get()->pdispVal) {
    return -1;
  }
  DISPPARAMS none{};
  UniqueVariant enumerator;
  if (FAILED(instances.get()->pdispVal->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT,
                                               DISPATCH_PROPERTYGET | DISPATCH_METHOD, &none, enumerator.put(), nullptr,
                                               nullptr)) ||
      (enumerator.get()->vt != VT_UNKNOWN && enumerator.get()->vt != VT_DISPATCH) || !enumerator.get()->punkVal) {
    return -1;
  }
  ComPtr<IEnumVARIANT> walk;
  if (FAILED(enumerator.get()->punkVal->QueryInterface(IID_IEnumVARIANT, walk.put_void()))) return -1;
  int count = 0;
  for (;;) {
    UniqueVariant item;
    ULONG fetched = 0;
    if (walk->Next(1, item.put(), &fetched) != S_OK || fetched != 1) break;
    if (item.get()->vt != VT_DISPATCH || !item.get()->pdispVal) return -1;
    for (const wchar_t* property : kWmiProperties) {
      UniqueVariant value;
      InvokeByName(item.get()->pdispVal, property, DISPATCH_PROPERTYGET | DISPATCH_METHOD, none, value.put());
    }
    ++count;
  }
  return count;
}

std::wstring Marker(int walked) { return (walked < 0 ? L" wmi:failed" : L" wmi:" + std::to_wstring(walked)) + L"  [WBEM]"; }

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void ShowBareWindow(HINSTANCE instance, const std::wstring& title) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"QuavBenchFloor";
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, L"QuavBenchFloor", title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 538, 342, nullptr, nullptr, instance, nullptr);
  ::ShowWindow(window, SW_SHOW);
}

// The main window's design with nothing of the program behind it: the notice's
// text, the list's columns and rows of typical texts.
class DesignedWindow final : public Form {
 public:
  DesignedWindow() : Form(MainWindowDesign()) {}

  void AddRows(int rows) {
    for (int row = 0; row < rows; ++row) {
      wchar_t id[8];
      std::swprintf(id, 8, L"%04d", row);
      const long position = list_.AddItem(id);
      const wchar_t* cells[] = {L"是", L"否", L"Bench Ethernet Adapter", L"10.0.0.20", L"02:00:0A:00:01:14"};
      for (int column = 1; column <= 5; ++column) list_.SetSubItem(position, column, cells[column - 1]);
    }
  }

 protected:
  void OnCreate() override {
    AddControls(MainWindowLayout());
    list_.Attach(Item(frmMainControls::lvwNIC));
    const int widths[] = {540, 680, 830, 2410, 1460, 1560};
    const wchar_t* headers[] = {L"ID", L"活动", L"伪装", L"网络适配器", L"IP 地址", L"活动 MAC"};
    for (int column = 0; column < 6; ++column) list_.AddColumn(headers[column], Px(widths[column]));
    list_.SetReportPresentation();
    list_.SetStripeColor(0xFFF1EC);
    SetMainMenuBar(Hwnd());
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    logo_.reset(LoadBitmapResource(instance, IDB_LOGO));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    clear_.reset(LoadKeyedBitmap(instance, IDB_CLEAR, face));
    copy_.reset(LoadKeyedBitmap(instance, IDB_COPY_ARROW, face));
    ::SendMessageW(Item(frmMainControls::picLogo), kPictureSetBackColor, 0, kSystemWorkspace);
    ::SendMessageW(Item(frmMainControls::picLogo), kPictureSetBitmap, 0, reinterpret_cast<LPARAM>(logo_.get()));
    SetText(frmMainControls::lblDisclaimer, DisclaimerText());
    ::ShowWindow(Item(frmMainControls::picImage), SW_HIDE);
    ::SendMessageW(Item(frmMainControls::cmdClear), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(clear_.get()));
    for (const int id : {frmMainControls::cmdSpoofMAC, frmMainControls::cmdActiveMAC}) {
      ::SendMessageW(Item(id), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copy_.get()));
    }
  }
  LRESULT OnNotify(const NMHDR& header) override {
    if (header.code != NM_CUSTOMDRAW) return 0;
    return list_.CustomDraw(const_cast<NMHDR*>(&header));
  }
  void OnDestroy() override { ::PostQuitMessage(0); }

 private:
  ListView list_;
  UniqueHbitmap logo_, clear_, copy_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  std::unique_ptr<DesignedWindow> designed;
  if (std::strncmp(commandLine, "window", 6) == 0) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    designed = std::make_unique<DesignedWindow>();
    designed->Create();
    designed->Show();
    designed->Repaint();
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int walked = QueryThroughLocator();
    designed->AddRows(std::atoi(commandLine + 6));
    designed->SetCaption(L"bench floor c" + Marker(walked));
  } else if (std::strstr(commandLine, "moniker") || std::strstr(commandLine, "wmi")) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int walked = std::strstr(commandLine, "moniker") ? QueryThroughMoniker() : QueryThroughLocator();
    ShowBareWindow(instance, L"bench floor" + Marker(walked));
  } else {
    ShowBareWindow(instance, L"bench floor  [WBEM]");
  }
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
