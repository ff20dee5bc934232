#pragma once

#include <string>

// Writing and deleting an adapter's overriding address, without a window: the
// window and the command line share it. A change counts as done only when
// reading the value back shows it.
namespace quav {

struct ChangeOutcome {
  bool done = false;
  std::wstring failure;  // why not, in a sentence for the user; empty when done
  long status = 0;       // the registry's error code behind a failure, 0 when there is none
};

// Writes digits (twelve hexadecimal digits) as NetworkAddress of the adapter
// whose class subkey is adapterIndex. The key must exist: no subkey is created
// in the system's class key.
ChangeOutcome StoreOverrideAddress(const std::wstring& adapterIndex, const std::wstring& digits);

// Deletes NetworkAddress of that adapter; a value that was not there counts
// as deleted.
ChangeOutcome DeleteOverrideAddress(const std::wstring& adapterIndex);

// The overriding address now stored, as twelve digits; empty when there is none.
std::wstring StoredOverrideAddress(const std::wstring& adapterIndex);

}  // namespace quav
