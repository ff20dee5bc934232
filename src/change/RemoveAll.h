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

// The adapters whose overriding address is stored, by the same scan as the
// list; scanFailed: adapters may be missing.
std::vector<ScannedAdapter> AdaptersWithOverride(bool& scanFailed);

RemoveAllOutcome RemoveAllAndRecord(const std::wstring& logPath);

}  // namespace quav
