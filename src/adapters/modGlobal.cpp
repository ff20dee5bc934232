#include "adapters/modGlobal.h"

#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>

#include <memory>
#include <optional>
#include <string>

#include "adapters/AdapterKeys.h"
#include "adapters/ScanRowText.h"
#include "adapters/WmiAdapterSource.h"
#include "adapters/clsAdapters.h"
#include "platform/Handles.h"
#include "platform/VersionNumber.h"
#include "platform/modRegistry.h"
#include "ui/Form.h"
#include "ui/Layout.h"
#include "ui/Twips.h"

namespace quav {
namespace {

constexpr int kAddressColumn = 5;
// Taken off the last column after Windows 2000 has sized it to its content.
constexpr int kWidthFixTwips = 30;

const wchar_t* YesNo(bool value) { return value ? kYesText : kNoText; }

// A property's value as text; none when it cannot be read or has no text form
// (a null among them).
std::optional<std::wstring> TextOf(VARIANT& value) {
  UniqueVariant text;
  if (FAILED(::VariantChangeType(text.put(), &value, 0, VT_BSTR))) return std::nullopt;
  const BSTR bstr = text.get()->bstrVal;
  return std::wstring(bstr ? bstr : L"", ::SysStringLen(bstr));
}

std::optional<std::wstring> ReadText(WmiInstance& instance, const wchar_t* property) {
  UniqueVariant value;
  if (!instance.Get(property, value.put())) return std::nullopt;
  return TextOf(*value.get());
}

// Element 0 of the address array as text. An instance without one (null, not
// an array, empty) fails the read: the WMI pass then gives way to the
// registry's, which finds adapters and their addresses on its own.
std::optional<std::wstring> ReadFirstAddress(WmiInstance& instance) {
  UniqueVariant value;
  if (!instance.Get(L"IPAddress", value.put())) return std::nullopt;
  const VARIANT& addresses = *value.get();
  if (!(addresses.vt & VT_ARRAY) || (addresses.vt & VT_BYREF) || !addresses.parray ||
      ::SafeArrayGetDim(addresses.parray) != 1) {
    return std::nullopt;
  }
  LONG first = 0;
  UniqueVariant element;
  switch (addresses.vt & VT_TYPEMASK) {
    case VT_VARIANT:
      if (FAILED(::SafeArrayGetElement(addresses.parray, &first, element.put()))) return std::nullopt;
      break;
    case VT_BSTR: {
      BSTR text = nullptr;
      if (FAILED(::SafeArrayGetElement(addresses.parray, &first, &text))) return std::nullopt;
      element.get()->vt = VT_BSTR;
      element.get()->bstrVal = text;
      break;
    }
    default:
      return std::nullopt;
  }
  return TextOf(*element.get());
}

// Null counts as false; other values must convert to a Boolean.
std::optional<bool> ReadIPEnabled(WmiInstance& instance) {
  UniqueVariant value;
  if (!instance.Get(L"IPEnabled", value.put())) return std::nullopt;
  if (value.get()->vt == VT_NULL) return false;
  UniqueVariant flag;
  if (FAILED(::VariantChangeType(flag.put(), value.get(), 0, VT_BOOL))) return std::nullopt;
  return flag.get()->boolVal != VARIANT_FALSE;
}

std::optional<std::wstring> ReadMacAddress(WmiInstance& instance) {
  UniqueVariant value;
  if (!instance.Get(L"MACAddress", value.put())) return std::nullopt;
  if (value.get()->vt == VT_NULL) return std::wstring();
  return TextOf(*value.get());
}

// Writes one row after another; the override column reads the adapter's class key.
class RowWriter {
 public:
  RowWriter(ListView& list, const std::wstring& classKeyRoot) : list_(list), classKeyRoot_(classKeyRoot) {}

  void Add(const std::wstring& id) {
    position_ = list_.AddItem(id);
    id_ = id;
  }
  void SetIPEnabled(bool enabled) { list_.SetSubItem(position_, 1, YesNo(enabled)); }
  void SetOverride() {
    std::wstring stored;
    const bool present =
        TryGetRegValue(HKEY_LOCAL_MACHINE, classKeyRoot_ + id_, kNetworkAddressValue, stored) && !stored.empty();
    list_.SetSubItem(position_, 2, YesNo(present));
  }
  void Set(int column, const std::wstring& text) { list_.SetSubItem(position_, column, text); }

 private:
  ListView& list_;
  const std::wstring& classKeyRoot_;
  long position_ = 0;
  std::wstring id_;
};

// One WMI row; false as soon as a property cannot be read, leaving what was
// written so far.
bool WriteWmiRow(WmiInstance& instance, bool filterOn, RowWriter& row) {
  const std::optional<std::wstring> index = ReadText(instance, L"Index");
  if (!index) return false;
  row.Add(PaddedAdapterIndex(*index));
  if (filterOn) {
    row.SetIPEnabled(true);
  } else {
    const std::optional<bool> enabled = ReadIPEnabled(instance);
    if (!enabled) return false;
    row.SetIPEnabled(*enabled);
  }
  row.SetOverride();
  const std::optional<std::wstring> description = ReadText(instance, L"Description");
  if (!description) return false;
  row.Set(3, *description);
  const std::optional<std::wstring> address = ReadFirstAddress(instance);
  if (!address) return false;
  row.Set(4, AddressColumnText(*address));
  const std::optional<std::wstring> mac = ReadMacAddress(instance);
  if (!mac) return false;
  row.Set(5, DisplayMacAddress(*mac));
  return true;
}

// All or nothing: false when any step fails.
bool WriteWmiRows(WmiAdapterSource& source, bool filterOn, RowWriter& row) {
  if (!source.Open()) return false;
  for (;;) {
    std::unique_ptr<WmiInstance> instance;
    bool failed = false;
    if (!source.Next(instance, failed)) return !failed;
    if (filterOn) {
      const std::optional<bool> enabled = ReadIPEnabled(*instance);
      if (!enabled) return false;
      if (!*enabled) continue;
    }
    if (!WriteWmiRow(*instance, filterOn, row)) return false;
  }
}

void WriteRegistryRows(const ScanServices& services, bool filterOn, RowWriter& row) {
  clsAdapters adapters(services.lookup, services.errors);
  adapters.GetDeviceEntries();
  for (const IAdapter& adapter : adapters) {
    if (filterOn && !adapter.IPEnabled) continue;
    row.Add(adapter.Index);
    row.SetIPEnabled(adapter.IPEnabled);
    row.SetOverride();
    row.Set(3, adapter.Description);
    row.Set(4, adapter.IPAddress);
    row.Set(5, adapter.MACAddress);
  }
  adapters.Clear();
}

// Each row written into a shown list redraws its scroll bar at once (some
// milliseconds a row under Wine); the scan draws the list once, at its end.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(const ListView& list) : hwnd_(list.Hwnd()) { ::SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;
  ~RedrawSuspended() { ::SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0); }

 private:
  HWND hwnd_;
};

// Windows 2000 leaves the last column narrower than its content.
void WidenAddressColumn(ListView& list) {
  ::SendMessageA(list.Hwnd(), LVM_SETCOLUMNWIDTH, kAddressColumn, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
  list.SetColumnWidth(kAddressColumn, list.ColumnWidth(kAddressColumn) - TwipsToPixels(kWidthFixTwips, ScreenDpi()));
}

}  // namespace

int FillAdapterList(ListView& list, const CheckBox& filter, const std::wstring& osVersion,
                    const ScanServices& services) {
  int result = kScanEmpty;
  try {
    const std::wstring classKeyRoot(kNetworkClassKey);
    const bool filterOn = filter.Value() == 1;
    RowWriter row(list, classKeyRoot);
    {
      const RedrawSuspended rowsFirst(list);
      list.Clear();

      bool wmiCompleted = false;
      try {
        std::unique_ptr<WmiAdapterSource> system;
        WmiAdapterSource* wmi = services.wmi;
        if (!wmi) {
          system = MakeSystemWmiAdapterSource();
          wmi = system.get();
        }
        wmiCompleted = WriteWmiRows(*wmi, filterOn, row);
      } catch (...) {
        // Abandons the WMI pass like any failing step.
      }
      if (wmiCompleted && list.Count() > 0) result = kScanFromWmi;

      // Rows written before a WMI failure must not stay.
      if (!wmiCompleted) list.Clear();
      if (list.Count() == 0) {
        WriteRegistryRows(services, filterOn, row);
        result = list.Count() > 0 ? kScanFromRegistry : kScanEmpty;
      }
      SortAdapterList(list, filter);
    }
    if (IsBeforeWindowsXP(osVersion)) WidenAddressColumn(list);
    list.Repaint();
    DoEvents();
  } catch (...) {
    // Failures end the scan quietly with the result reached so far.
  }
  return result;
}

void SortAdapterList(ListView& list, const CheckBox& filter) {
  if (filter.Value() == 0) {
    list.SortOrder = 1;
    list.SortKey = 1;
    list.Sorted = true;
    list.Sort();
  }
  list.SortOrder = 1;
  list.SortKey = 2;
  list.Sorted = true;
  list.Sort();
}

}  // namespace quav
