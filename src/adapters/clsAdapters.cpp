#include "adapters/clsAdapters.h"

#include <windows.h>

#include <exception>
#include <unordered_set>
#include <utility>

#include "adapters/AdapterKeys.h"
#include "adapters/AddressRules.h"
#include "adapters/ErrorReporter.h"
#include "adapters/GetMACFromIP.h"
#include "platform/TextRules.h"
#include "platform/modRegistry.h"

namespace quav {
namespace {

std::wstring ReadText(std::wstring_view keyPath, std::wstring_view valueName) {
  DWORD type = 0;
  long status = 0;
  return GetRegValue(HKEY_LOCAL_MACHINE, keyPath, valueName, type, status);
}

}  // namespace

clsAdapters::clsAdapters(HardwareAddressLookup* lookup, ErrorReporter* errors, std::function<void()> meanwhile)
    : lookup_(lookup), errors_(errors), meanwhile_(std::move(meanwhile)) {}

ErrorReporter& clsAdapters::Errors() const { return errors_ ? *errors_ : MessageBoxErrorReporter(); }

void clsAdapters::Add(const std::wstring& index, bool ipEnabled, const std::wstring& description,
                      const std::wstring& ipAddress, const std::wstring& macAddress) {
  if (!positions_.emplace(FoldedKey(index), records_.size()).second) return;
  records_.push_back({index, ipEnabled, description, ipAddress, macAddress});
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

std::vector<std::wstring> clsAdapters::GetAdapters(long& count) {
  try {
    UniqueHkey key;
    long found = 0;
    long status = 0;
    std::vector<std::wstring> names = EnumSubKeys(HKEY_LOCAL_MACHINE, kNetworkConnectionsKey, key, found, status, true);
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
    const std::vector<std::wstring> names = EnumSubKeys(HKEY_LOCAL_MACHINE, classKey, key, found, status, true);
    NoteListing(status);
    std::vector<ClassRow> rows;
    rows.reserve(names.size());
    for (const std::wstring& name : names) {
      if (meanwhile_) meanwhile_();
      const std::wstring path = std::wstring(kNetworkClassKey) + name;
      std::wstring instanceId = ReadText(path, L"NetCfgInstanceID");
      // It names the adapter's keys: any other form matches no connection.
      if (!IsInstanceGuid(instanceId)) instanceId.clear();
      rows.push_back({ReadText(path, L"DriverDesc"), std::move(instanceId), name});
    }
    count = found;
    return rows;
  } catch (...) {
    ReportException(Errors(), std::current_exception(), L"GetClasses", L"");
    return {};
  }
}

void clsAdapters::AddMatchedRow(const ClassRow& row, HardwareAddressLookup& lookup) {
  const std::wstring interfaceKey = std::wstring(kTcpipInterfacesKey) + row.instanceId;
  const std::wstring dhcpAddress = ReadText(interfaceKey, L"DhcpIPAddress");
  const std::wstring staticAddress = ReadText(interfaceKey, L"IPAddress");
  const std::wstring* chosen = nullptr;
  if (PassesAddressTest(dhcpAddress)) {
    chosen = &dhcpAddress;
  } else if (PassesAddressTest(staticAddress)) {
    chosen = &staticAddress;
  }
  if (!chosen) {
    Add(row.subkey, false, row.driverDesc, L"", L"");
    return;
  }
  std::wstring hardwareAddress;
  GetMACFromIP(*chosen, hardwareAddress, lookup);
  const std::wstring address = Trimmed(*chosen);
  if (hardwareAddress.size() > 5) {
    Add(row.subkey, true, row.driverDesc, address, hardwareAddress);
  } else {
    Add(row.subkey, false, row.driverDesc, address, L"");
  }
}

void clsAdapters::GetDeviceEntries() {
  long connectionCount = 0;
  long classCount = 0;
  const std::vector<std::wstring> connections = GetAdapters(connectionCount);
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
    for (const ClassRow& row : rows) {
      if (meanwhile_) meanwhile_();
      if (names.count(row.instanceId) != 0) {
        AddMatchedRow(row, *lookup);
      } else {
        Add(row.subkey, false, row.driverDesc, L"", L"");
      }
    }
  } catch (...) {
    ReportException(Errors(), std::current_exception(), L"GetDeviceEntries", L" ");
  }
}

}  // namespace quav
