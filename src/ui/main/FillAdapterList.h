#pragma once

#include <windows.h>

#include <string>

#include "adapters/AdapterScan.h"
#include "ui/ListView.h"

// The adapter list filled from the scan's rows.
namespace quav {

class MessagePump;

// Marks a window while its list is being loaded, except while a report of the
// scan is shown: what drives the window from outside (a script, a test) sees
// that it answers but has not listed the rows yet.
class ScanningMark {
 public:
  explicit ScanningMark(HWND window);
  ScanningMark(const ScanningMark&) = delete;
  ScanningMark& operator=(const ScanningMark&) = delete;
  ~ScanningMark();

 private:
  HWND window_;
};

// Replaces every row of the adapter list with ScanAdapters' rows, the filter
// on when its box is checked, the windows answering through the pump
// meanwhile. A scan that failed is reported. Returns the ScanResultCode.
int FillAdapterList(ListView& list, const CheckBox& filter, const std::wstring& osVersion,
                    const ScanServices& services, MessagePump& pump);

// The list's default sort: descending on "伪装" (overrides first), after a
// descending pass on "活动" when all adapters are shown.
void SortAdapterList(ListView& list, const CheckBox& filter);

}  // namespace quav
