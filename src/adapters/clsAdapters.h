#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "adapters/ConnectionName.h"
#include "adapters/IAdapter.h"
#include "platform/modRegistry.h"

namespace quav {

class ErrorReporter;
class HardwareAddressLookup;

// The registry pass's adapter records, in the order they were added and also
// addressed by their Index (without regard to letter case).
class clsAdapters {
 public:
  // Null services use the system's: the machine's interface table and ARP,
  // and message boxes for errors. meanwhile, when given, is called between
  // adapters while GetDeviceEntries reads them.
  explicit clsAdapters(HardwareAddressLookup* lookup = nullptr, ErrorReporter* errors = nullptr,
                       std::function<void()> meanwhile = {});

  // The record under a key; a blank record when the key is not present.
  IAdapter Item(const std::wstring& key) const;
  // The record at a one-based position; none when there is no such position.
  std::optional<IAdapter> Item(long position) const;
  long Count() const { return static_cast<long>(records_.size()); }
  std::vector<IAdapter>::const_iterator begin() const { return records_.begin(); }
  std::vector<IAdapter>::const_iterator end() const { return records_.end(); }
  void Clear();

  // Adds one record per subkey of the network class key, in its enumeration
  // order, with the description, the IP address and the hardware address the
  // registry and the address lookup give. Does not empty the collection first.
  void GetDeviceEntries();
  // The error that kept the connections or class key from being listed
  // whole (a key that is not there aside); 0 when both were.
  long ListingError() const { return listingError_; }

 private:
  struct ClassRow {
    std::wstring subkey;
    ClassKeyValues values;
  };

  // A duplicate Index is dropped silently; the first record stays.
  void Add(IAdapter record);
  std::vector<std::wstring> GetAdapters(UniqueHkey& key, long& count);
  std::vector<ClassRow> GetClasses(long& count);
  void AddMatchedRow(HKEY interfacesKey, HardwareAddressLookup& lookup, IAdapter record);
  ErrorReporter& Errors() const;
  void NoteListing(long status);

  HardwareAddressLookup* lookup_;
  ErrorReporter* errors_;
  std::function<void()> meanwhile_;
  long listingError_ = 0;
  std::vector<IAdapter> records_;
  std::unordered_map<std::wstring, size_t> positions_;  // folded Index -> position in records_
};

}  // namespace quav
