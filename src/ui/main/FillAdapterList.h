#pragma once

#include <string>

#include "adapters/AdapterScan.h"
#include "ui/ListView.h"

// The adapter list filled from the scan's rows.
namespace quav {

// Replaces every row of the adapter list with ScanAdapters' rows, the filter
// on when its box is checked. Returns the ScanResultCode.
int FillAdapterList(ListView& list, const CheckBox& filter, const std::wstring& osVersion,
                    const ScanServices& services);

// The list's default sort: descending on "伪装" (overrides first), after a
// descending pass on "活动" when all adapters are shown.
void SortAdapterList(ListView& list, const CheckBox& filter);

}  // namespace quav
