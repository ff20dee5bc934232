#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

namespace quav {

// A tip for each row of a report list view, shown as Windows shows a list's
// tips: once the pointer rests on a row, and anew for each row it moves to.
// The list view's own info tips would do this on Windows, but Wine's list
// view has none; a tooltip control of our own behaves alike on both.
class RowTips {
 public:
  // The text for a row (one-based); empty for none.
  using TextFor = std::function<std::wstring(long position)>;
  // Posted to the list, from any thread, when the rows' texts may have
  // changed: a tip that shows asks for its text again.
  static constexpr UINT kTextChanged = WM_APP + 0x320;

  RowTips() = default;
  RowTips(const RowTips&) = delete;
  RowTips& operator=(const RowTips&) = delete;
  ~RowTips();

  // Once the list exists; the text is asked for when a row's tip is about to
  // show. emptied is called when every row is deleted (the list is filled
  // anew), so that what the texts were made from can go with the rows.
  void Attach(HWND list, TextFor textFor, std::function<void()> emptied = {});

 private:
  static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool MakeTip();
  // The rows were sorted or changed, or the pointer left the list: the tip
  // shown, if any, goes, and none shows until the pointer moves onto a row
  // again.
  void Forget();
  void PointerAt(LPARAM clientPoint);
  void ShowText(NMTTDISPINFOW& info);
  void Detach();

  HWND list_ = nullptr;
  HWND tip_ = nullptr;
  WNDPROC original_ = nullptr;
  TextFor textFor_;
  std::function<void()> emptied_;
  long row_ = 0;  // under the pointer when it last moved; 0 for none or forgotten
  bool tracking_ = false;  // the list is told when the pointer leaves it
  std::wstring text_;
};

}  // namespace quav
