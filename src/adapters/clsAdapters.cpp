#include "adapters/clsAdapters.h"

#include <windows.h>

#include <exception>
#include <unordered_set>
#include <utility>

#include "adapters/AdapterKeys.h"
#include "adapters/AddressRules.h"
#include "adapters/GetMACFromIP.h"
#include "platform/ErrorReporter.h"
#include "platform/TextRules.h"
#include "platform/modRegistry.h"

namespace quav {

clsAdapters::clsAdapters(HardwareAddressLookup* lookup, ErrorReporter* errors, std::function<void()> meanwhile)
    : lookup_(lookup), errors_(errors), meanwhile_(std::move(meanwhile)) {}

ErrorReporter& clsAdapters::Errors() const { return errors_ ? *errors_ : MessageBoxErrorReporter(); }

void clsAdapters::Add(IAdapter record) {
  if (!positions_.emplace(FoldedKey(record.Index), records_.size()).second) return;
  records_.push_back(std::move(record));
}

IAdapter clsAdapters::Item(const std::wstring& key) const {
  const auto found = positions_.find(FoldedKey(key));
  if (found == positions_.end()) return {};
  return records_[found->second];
}

std::optional<IAdapter> clsAdapters::Item(long position) const {
  if (position < 1 || position > Count()) return std::nullopt;
  return records_[static_cast<size_t>(position - 1)];
}

void clsAdapters::Clear() {
  records_.clear();
  positions_.clear();
}

// A key that is not there lists nothing, which is an answer; any other
// failure leaves the listing short.
void clsAdapters::NoteListing(long status) {
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) listingError_ = status;
}

// Both keys stay open for the pass: the keys below them are opened from them.
std::vector<std::wstring> clsAdapters::GetAdapters(UniqueHkey& key, long& count) {
  try {
    long found = 0;
    long status = 0;
    std::vector<std::wstring> names = EnumSubKeys(HKEY_LOCAL_MACHINE, kNetworkConnectionsKey, key, found, status, false);
    NoteListing(status);
    count = found;
    return names;
  } catch (...) {
    ReportException(Errors(), std::current_exception(), L"GetAdapters", L"");
    return {};
  }
}

std::vector<clsAdapters::ClassRow> clsAdapters::GetClasses(long& count) {
  try {
    UniqueHkey key;
    long found = 0;
    long status = 0;
    const std::wstring_view classKey = kNetworkClassKey.substr(0, kNetworkClassKey.size() - 1);
    const std::vector<std::wstring> names = EnumSubKeys(HKEY_LOCAL_MACHINE, classKey, key, found, status, false);
    NoteListing(status);
    std::vector<ClassRow> rows;
    rows.reserve(names.size());
    for (const std::wstring& name : names) {
      if (meanwhile_) meanwhile_();
      rows.push_back({name, ReadClassKey(key.get(), name, true)});
    }
    count = found;
    return rows;
  } catch (...) {
    ReportException(Errors(), std::current_exception(), L"GetClasses", L"");
    return {};
  }
}

void clsAdapters::AddMatchedRow(HKEY interfacesKey, HardwareAddressLookup& lookup, IAdapter record) {
  std::wstring dhcpAddress, staticAddress;
  long status = ERROR_SUCCESS;
  const UniqueHkey key = interfacesKey ? OpenKey(interfacesKey, record.InstanceId, status) : UniqueHkey();
  if (key) {
    DWORD type = 0;
    dhcpAddress = ReadValue(key.get(), L"DhcpIPAddress", type, status);
    staticAddress = ReadValue(key.get(), L"IPAddress", type, status);
  }
  const std::wstring* chosen = nullptr;
  if (PassesAddressTest(dhcpAddress)) {
    chosen = &dhcpAddress;
  } else if (PassesAddressTest(staticAddress)) {
    chosen = &staticAddress;
  }
  if (!chosen) {
    Add(std::move(record));
    return;
  }
  std::wstring hardwareAddress;
  GetMACFromIP(*chosen, hardwareAddress, lookup);
  record.IPAddress = Trimmed(*chosen);
  if (hardwareAddress.size() > 5) {
    record.IPEnabled = true;
    record.MACAddress = std::move(hardwareAddress);
  }
  Add(std::move(record));
}

void clsAdapters::GetDeviceEntries() {
  long connectionCount = 0;
  long classCount = 0;
  UniqueHkey connectionsKey;
  const std::vector<std::wstring> connections = GetAdapters(connectionsKey, connectionCount);
  if (meanwhile_) meanwhile_();
  const std::vector<ClassRow> rows = GetClasses(classCount);
  if (connectionCount < 1 || classCount < 1) return;
  try {
    SystemHardwareAddressLookup systemLookup;
    HardwareAddressLookup* lookup = lookup_ ? lookup_ : &systemLookup;
    // Connection names are the subkey names of one key, so at most one of them
    // equals a row's instance GUID exactly: a set finds it without walking
    // every name for every row.
    std::unordered_set<std::wstring> names(connections.begin(), connections.end());
    names.erase(std::wstring(kDescriptionsSubkey));
    // A key that cannot be opened leaves every adapter without an address, as
    // each adapter's key that cannot be would leave that adapter.
    long status = ERROR_SUCCESS;
    const UniqueHkey interfacesKey =
        OpenKey(HKEY_LOCAL_MACHINE, kTcpipInterfacesKey.substr(0, kTcpipInterfacesKey.size() - 1), status);
    for (const ClassRow& row : rows) {
      if (meanwhile_) meanwhile_();
      const ClassKeyValues& values = row.values;
      IAdapter record{row.subkey, false, values.description, L"", L"", values.instanceId, L"",
                      values.networkAddress, values.networkAddressStatus};
      if (names.count(values.instanceId) != 0) {
        record.ConnectionName = ConnectionNameBelow(connectionsKey.get(), values.instanceId);
        AddMatchedRow(interfacesKey.get(), *lookup, std::move(record));
      } else {
        Add(std::move(record));
      }
    }
  } catch (...) {
    ReportException(Errors(), std::current_exception(), L"GetDeviceEntries", L" ");
  }
}

}  // namespace quav
