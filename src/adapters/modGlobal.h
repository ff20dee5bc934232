#pragma once

#include <string>

#include "ui/ListView.h"
#include "ui/main/MainWindowServices.h"

namespace quav {

// Where the rows of the adapter list came from.
enum ScanResultCode : int {
  kScanEmpty = 0,
  kScanFromWmi = 1,
  kScanFromRegistry = 2,
};

// Replaces every row of the adapter list: from WMI when it answers for every
// adapter, else from the registry pass. With the filter box checked only
// IP-enabled adapters are listed. Returns the ScanResultCode.
int FillAdapterList(ListView& list, const CheckBox& filter, const std::wstring& osVersion,
                    const ScanServices& services);

// The list's default sort: descending on "伪装" (overrides first), after a
// descending pass on "活动" when all adapters are shown.
void SortAdapterList(ListView& list, const CheckBox& filter);

}  // namespace quav
