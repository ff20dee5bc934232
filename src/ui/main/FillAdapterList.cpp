#include "ui/main/FillAdapterList.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <process.h>

#include <exception>
#include <string>
#include <utility>

#include "adapters/AdapterScan.h"
#include "adapters/ErrorReporter.h"
#include "platform/Handles.h"
#include "platform/VersionNumber.h"
#include "ui/Form.h"
#include "ui/Layout.h"
#include "ui/Twips.h"

namespace quav {
namespace {

constexpr int kAddressColumn = 5;
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
  ::SendMessageA(list.Hwnd(), LVM_SETCOLUMNWIDTH, kAddressColumn, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
  list.SetColumnWidth(kAddressColumn, list.ColumnWidth(kAddressColumn) - TwipsToPixels(kWidthFixTwips, ScreenDpi()));
}

constexpr wchar_t kScanningProperty[] = L"QUAV.Scanning";

// The scan on a thread of its own. Its error reports are handed to this thread,
// whose windows own the message boxes, and wait for the answer.
class ScanThread final : public ErrorReporter {
 public:
  ScanThread(HWND window, bool filterOn, const ScanServices& services)
      : window_(window),
        filterOn_(filterOn),
        services_(services),
        reports_(services.errors ? *services.errors : MessageBoxErrorReporter()),
        request_(::CreateEventA(nullptr, FALSE, FALSE, nullptr)),
        answered_(::CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
    services_.errors = this;
  }

  // Paints the windows and answers messages sent to them while the scan runs;
  // input and posted messages wait in the queue for its end, as they would
  // behind a scan on this thread. Scans here when no thread can be started.
  AdapterScan Run() {
    if (!request_ || !answered_) return ScanAdapters(filterOn_, services_);
    UniqueHandle thread(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Main, this, 0, nullptr)));
    if (!thread) return ScanAdapters(filterOn_, services_);
    const HANDLE waits[] = {thread.get(), request_.get()};
    for (;;) {
      // Also what was waiting before: the wait wakes for news only.
      MSG message;
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE)) {
        ::DispatchMessageW(&message);
      }
      const DWORD woken = ::MsgWaitForMultipleObjects(2, waits, FALSE, INFINITE, QS_PAINT | QS_SENDMESSAGE);
      if (woken == WAIT_OBJECT_0 + 1) {
        const HANDLE mark = ::RemovePropW(window_, kScanningProperty);
        try {
          reports_.Report(report_);
        } catch (...) {
          reportError_ = std::current_exception();
        }
        if (mark) ::SetPropW(window_, kScanningProperty, mark);
        ::SetEvent(answered_.get());
      } else if (woken != WAIT_OBJECT_0 + 2) {
        break;
      }
    }
    ::WaitForSingleObject(thread.get(), INFINITE);
    return std::move(scan_);
  }

  void Report(const std::wstring& text) override {
    report_ = text;
    ::SetEvent(request_.get());
    ::WaitForSingleObject(answered_.get(), INFINITE);
    // What the reporter threw goes on where the report came from.
    if (reportError_) std::rethrow_exception(std::exchange(reportError_, nullptr));
  }

 private:
  static unsigned __stdcall Main(void* self) {
    auto* job = static_cast<ScanThread*>(self);
    // The system's WMI source needs COM on the thread that uses it.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    try {
      job->scan_ = ScanAdapters(job->filterOn_, job->services_);
    } catch (...) {
      job->scan_.completed = false;
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    return 0;
  }

  HWND window_;
  bool filterOn_;
  ScanServices services_;
  ErrorReporter& reports_;
  UniqueHandle request_;
  UniqueHandle answered_;
  std::wstring report_;
  std::exception_ptr reportError_;
  AdapterScan scan_;
};

}  // namespace

ScanningMark::ScanningMark(HWND window) : window_(window) {
  ::SetPropW(window_, kScanningProperty, reinterpret_cast<HANDLE>(1));
}

ScanningMark::~ScanningMark() { ::RemovePropW(window_, kScanningProperty); }

int FillAdapterList(ListView& list, const CheckBox& filter, const std::wstring& osVersion,
                    const ScanServices& services) {
  int result = kScanEmpty;
  try {
    const bool filterOn = filter.Value() == 1;
    const AdapterScan scan = ScanThread(::GetAncestor(list.Hwnd(), GA_ROOT), filterOn, services).Run();
    result = scan.result;
    {
      const RedrawSuspended rowsFirst(list);
      list.Clear();
      for (const ScannedAdapter& row : scan.rows) {
        const long position = list.AddItem(row.cells[0]);
        for (int column = 1; column < kScanColumns; ++column)
          list.SetSubItem(position, column, row.cells[static_cast<size_t>(column)]);
      }
      // The rows come sorted; this sets the list's sort column and order.
      if (scan.completed) SortAdapterList(list, filter);
    }
    if (IsBeforeWindowsXP(osVersion)) WidenAddressColumn(list);
    list.Repaint();
    DoEvents();
  } catch (...) {
    // Failures end the scan quietly with the result reached so far.
  }
  return result;
}

void SortAdapterList(ListView& list, const CheckBox& filter) {
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
