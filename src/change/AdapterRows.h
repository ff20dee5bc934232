#pragma once

#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterScan.h"

// The adapters as the list shows them, for the operations that run without
// a window: every row, and what a row says of its adapter as far as it was read.
namespace quav {

// Every adapter the list shows with its filter off, by the same scan, its
// reports counted rather than shown; failed: the scan ended early or
// reported an error, so adapters may be missing.
std::vector<ScannedAdapter> ScanEveryAdapter(bool& failed);

// The row of the adapter with that ID; none when it is not listed.
std::optional<ScannedAdapter> RowOfAdapter(std::vector<ScannedAdapter> rows, const std::wstring& adapterIndex);

// The row's active address; none when its class key could not be read.
std::optional<std::wstring> ActiveAddressRead(const ScannedAdapter& row);

// The adapter's name for the sentences; empty where it could not be read.
std::wstring AdapterNameRead(const ScannedAdapter& row);

}  // namespace quav
