#include "adapters/AdapterScan.h"

#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "adapters/AdapterKeys.h"
#include "adapters/ConnectionName.h"
#include "adapters/ScanRowText.h"
#include "adapters/WmiAdapterSource.h"
#include "adapters/clsAdapters.h"
#include "platform/Handles.h"

namespace quav {
namespace {

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

// Adds one row after another; the override column reads the adapter's class
// key. In the registry pass every cell but the ID comes from that key (and
// the keys it names), so a key the registry layer cannot open leaves them
// all unread; WMI tells the rest of its rows itself.
class RowWriter {
 public:
  RowWriter(std::vector<ScannedAdapter>& rows, const std::wstring& classKeyRoot, bool fromRegistry)
      : rows_(rows), classKeyRoot_(classKeyRoot), fromRegistry_(fromRegistry) {}

  void Add(const std::wstring& id) {
    ScannedAdapter row;
    row.cells.resize(kScanColumns);
    row.cells[0] = id;
    rows_.push_back(std::move(row));
  }
  void SetIPEnabled(bool enabled) { Set(1, YesNo(enabled)); }
  // The override and the connection's name, from the class key opened once.
  void ReadClassKeyOfRow() {
    const ClassKeyValues values = ReadClassKey(HKEY_LOCAL_MACHINE, classKeyRoot_ + rows_.back().cells[0], false);
    SetOverride(values.networkAddress, values.networkAddressStatus);
    rows_.back().connectionName = ConnectionName(values.instanceId);
  }
  // What the registry pass read of them.
  void SetClassKeyValues(const IAdapter& adapter) {
    SetOverride(adapter.NetworkAddress, adapter.NetworkAddressStatus);
    rows_.back().connectionName = adapter.ConnectionName;
  }
  void Set(int column, const std::wstring& text) { rows_.back().cells[static_cast<size_t>(column)] = text; }

 private:
  // stored and status as GetRegValue gives them.
  void SetOverride(const std::wstring& stored, long status) {
    ScannedAdapter& row = rows_.back();
    // The text is empty unless the value was read (a failing close aside).
    row.cells[2] = YesNo(!stored.empty());
    // No value there is an answer; a key or value that cannot be read is not.
    if (stored.empty() && status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
      row.readError = status;
      row.unreadColumns = fromRegistry_ ? std::vector<int>{1, 2, 3, 4, 5} : std::vector<int>{2};
    }
  }

  std::vector<ScannedAdapter>& rows_;
  const std::wstring& classKeyRoot_;
  bool fromRegistry_;
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
  row.ReadClassKeyOfRow();
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
bool WriteWmiRows(WmiAdapterSource& source, bool filterOn, RowWriter& row, const std::function<void()>& meanwhile) {
  if (!source.Open()) return false;
  for (;;) {
    if (meanwhile) meanwhile();
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

// False when the adapters could not all be listed.
bool WriteRegistryRows(const ScanServices& services, bool filterOn, RowWriter& row,
                       const std::function<void()>& meanwhile) {
  clsAdapters adapters(services.lookup, services.errors, meanwhile);
  adapters.GetDeviceEntries();
  for (const IAdapter& adapter : adapters) {
    if (meanwhile) meanwhile();
    if (filterOn && !adapter.IPEnabled) continue;
    row.Add(adapter.Index);
    row.SetIPEnabled(adapter.IPEnabled);
    row.SetClassKeyValues(adapter);
    row.Set(3, adapter.Description);
    row.Set(4, adapter.IPAddress);
    row.Set(5, adapter.MACAddress);
  }
  return adapters.ListingError() == ERROR_SUCCESS;
}

}  // namespace

AdapterScan ScanAdapters(bool filterOn, const ScanServices& services, const std::function<void()>& meanwhile) {
  AdapterScan scan;
  try {
    const std::wstring classKeyRoot(kNetworkClassKey);
    bool wmiCompleted = false;
    try {
      std::unique_ptr<WmiAdapterSource> system;
      WmiAdapterSource* wmi = services.wmi;
      if (!wmi) {
        system = MakeSystemWmiAdapterSource();
        wmi = system.get();
      }
      RowWriter row(scan.rows, classKeyRoot, false);
      wmiCompleted = WriteWmiRows(*wmi, filterOn, row, meanwhile);
    } catch (...) {
      // Abandons the WMI pass like any failing step.
    }
    if (wmiCompleted && !scan.rows.empty()) scan.result = kScanFromWmi;

    // Rows written before a WMI failure must not stay.
    if (!wmiCompleted) scan.rows.clear();
    if (scan.rows.empty()) {
      RowWriter row(scan.rows, classKeyRoot, true);
      if (!WriteRegistryRows(services, filterOn, row, meanwhile)) scan.completed = false;
      scan.result = scan.rows.empty() ? kScanEmpty : kScanFromRegistry;
    }
    SortScannedAdapters(scan.rows, filterOn);
  } catch (...) {
    // Ends the scan with the result and the rows reached so far.
    scan.completed = false;
  }
  return scan;
}

std::vector<int> DefaultSortColumns(bool filterOn) {
  if (filterOn) return {kOverriddenColumn};
  return {kActiveColumn, kOverriddenColumn};
}

void SortScannedAdapters(std::vector<ScannedAdapter>& rows, bool filterOn) {
  // The scan's yes/no cells always hold one of the two texts.
  for (const int column : DefaultSortColumns(filterOn)) {
    std::stable_sort(rows.begin(), rows.end(), [column](const ScannedAdapter& a, const ScannedAdapter& b) {
      const size_t k = static_cast<size_t>(column);
      return CompareByMeaning(column, a.cells[k], b.cells[k]).value_or(0) > 0;
    });
  }
}

}  // namespace quav
