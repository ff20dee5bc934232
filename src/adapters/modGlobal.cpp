#include "adapters/modGlobal.h"

namespace quav {

int FillAdapterList(ListView& list, CheckBox& /*filter*/, const std::wstring& /*osVersion*/,
                    const ScanServices& /*services*/) {
  list.Clear();
  return kScanEmpty;
}

void SortAdapterList(ListView& list, CheckBox& filter) {
  if (filter.Value() == 0) {
    list.SortOrder = 1;
    list.SortKey = 1;
    list.Sorted = true;
    list.Sort();
  }
  list.SortOrder = 1;
  list.SortKey = 2;
  list.Sorted = true;
  list.Sort();
}

}  // namespace quav
