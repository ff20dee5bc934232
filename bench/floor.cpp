// The floors quav.exe's start-up is measured against: a window that only
// shows its title and, given "wmi", the same window after one WMI query of the
// adapter configurations, read as quav.exe reads them. The title ends in a
// list marker like quav.exe's so that the driver waits for both alike.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstring>
#include <string>

#include "platform/Handles.h"

namespace {

using quav::ComPtr;
using quav::UniqueBstr;
using quav::UniqueVariant;

HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD flags, DISPPARAMS& parameters, VARIANT* result) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr, nullptr);
}

// Instances walked with all five properties read; -1 when the query fails.
int QueryAdapters() {
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
    for (const wchar_t* property : {L"IPEnabled", L"Index", L"Description", L"IPAddress", L"MACAddress"}) {
      UniqueVariant value;
      InvokeByName(item.get()->pdispVal, property, DISPATCH_PROPERTYGET | DISPATCH_METHOD, none, value.put());
    }
    ++count;
  }
  return count;
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  std::wstring title = L"bench floor";
  if (std::strstr(commandLine, "wmi")) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int walked = QueryAdapters();
    title += walked < 0 ? L" wmi:failed" : L" wmi:" + std::to_wstring(walked);
  }
  title += L"  [WBEM]";

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
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
