#include "ui/main/FillAdapterList.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "adapters/AdapterScan.h"
#include "platform/ErrorReporter.h"
#include "platform/ScopeExit.h"
#include "platform/VersionNumber.h"
#include "ui/BusyWork.h"
#include "ui/Layout.h"
#include "ui/Twips.h"

namespace quav {
namespace {

// Taken off the last column after Windows 2000 has sized it to its content.
constexpr int kWidthFixTwips = 30;

// Each row written into a shown list redraws its scroll bar at once (some
// milliseconds a row under Wine); the scan draws the list once, at its end.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(const ListView& list) : hwnd_(list.Hwnd()) { ::SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;
  ~RedrawSuspended() { ::SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0); }

 private:
  HWND hwnd_;
};

// Windows 2000 leaves the last column narrower than its content.
void WidenAddressColumn(ListView& list) {
  ::SendMessageA(list.Hwnd(), LVM_SETCOLUMNWIDTH, kActiveAddressColumn, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
  list.SetColumnWidth(kActiveAddressColumn,
                      list.ColumnWidth(kActiveAddressColumn) - TwipsToPixels(kWidthFixTwips, ScreenDpi()));
}

constexpr wchar_t kScanningProperty[] = L"QUAV.Scanning";

// A report of the scan lifts the window's scanning mark while it is shown:
// the window waits for an answer, not for the scan.
class UnmarkedReports final : public ErrorReporter {
 public:
  UnmarkedReports(HWND window, ErrorReporter& reports) : window_(window), reports_(reports) {}
  void Report(const std::wstring& text) override {
    const HANDLE mark = ::RemovePropW(window_, kScanningProperty);
    const ScopeExit remark([this, mark] {
      if (mark) ::SetPropW(window_, kScanningProperty, mark);
    });
    reports_.Report(text);
  }

 private:
  HWND window_;
  ErrorReporter& reports_;
};

}  // namespace

ScanningMark::ScanningMark(HWND window) : window_(window) {
  ::SetPropW(window_, kScanningProperty, reinterpret_cast<HANDLE>(1));
}

ScanningMark::~ScanningMark() { ::RemovePropW(window_, kScanningProperty); }

int FillAdapterList(ListView& list, const CheckBox& filter, const std::wstring& osVersion,
                    const ScanServices& services, MessagePump& pump) {
  int result = kScanEmpty;
  UnmarkedReports reports(::GetAncestor(list.Hwnd(), GA_ROOT),
                          services.errors ? *services.errors : MessageBoxErrorReporter());
  bool completed = false;
  try {
    const bool filterOn = filter.Value() == 1;
    ScanServices unmarked = services;
    unmarked.errors = &reports;
    const std::function<void()> answer = [&pump] { pump.Answer(); };
    const AdapterScan scan = ScanAdapters(filterOn, unmarked, answer);
    result = scan.result;
    completed = scan.completed;
    {
      const RedrawSuspended rowsFirst(list);
      list.Clear();
      // Some hundred rows take longer than the windows may go unanswered.
      for (const ScannedAdapter& row : scan.rows) {
        answer();
        const long position = list.AddItem(row.cells[0]);
        for (int column = 1; column < kScanColumns; ++column)
          list.SetSubItem(position, column, row.cells[static_cast<size_t>(column)]);
      }
      // The rows come sorted; this sets the list's sort column and order.
      if (scan.completed) SortAdapterList(list, filter);
    }
    // Turning redraw on lays the list out again, which under Wine takes about
    // as long as painting it.
    pump.AnswerSent();
    if (IsBeforeWindowsXP(osVersion)) WidenAddressColumn(list);
    list.Repaint();
  } catch (...) {
    completed = false;
  }
  // The rows listed may not be all, nor in their order: said, not shown as a whole list.
  if (!completed) {
    try {
      reports.Report(Say(TextId::ScanFailed));
    } catch (...) {
    }
  }
  return result;
}

void SortAdapterList(ListView& list, const CheckBox& filter) {
  for (const int column : DefaultSortColumns(filter.Value() != 0)) {
    list.SortOrder = 1;
    list.SortKey = column;
    list.Sorted = true;
    list.Sort();
  }
}

}  // namespace quav
