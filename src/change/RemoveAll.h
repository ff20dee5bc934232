#pragma once

#include <string>
#include <vector>

#include "adapters/AdapterScan.h"
#include "change/RecordedChange.h"

// Putting every adapter back to its own address: each overriding address
// removed and logged, as RemoveAndRecord removes one.
namespace quav {

struct RemovedAdapter {
  std::wstring adapter;
  RecordedChange change;
};

struct RemoveAllOutcome {
  std::vector<RemovedAdapter> removed;  // each adapter that had an override, in the list's order
  bool scanFailed = false;              // the scan ended early: adapters may have been missed
  std::wstring sentence;                // every adapter's outcome, a line each
};

// Every adapter the list shows with its filter off, by the same scan, its
// reports counted rather than shown; failed: the scan ended early or
// reported an error, so adapters may be missing.
std::vector<ScannedAdapter> ScanEveryAdapter(bool& failed);

// The adapters whose overriding address is stored, by the same scan as the
// list; scanFailed as above.
std::vector<std::wstring> AdaptersWithOverride(bool& scanFailed);

RemoveAllOutcome RemoveAllAndRecord(const std::wstring& logPath);

}  // namespace quav
