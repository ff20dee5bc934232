#include "ui/RowTips.h"

#include <commctrl.h>

namespace quav {
namespace {

// Wide enough for an address and its maker's name on one line; the text's
// line breaks make the rest.
constexpr int kMaxTipWidth = 600;

// The size every comctl32 takes, Windows 2000's too. Transparent: a click
// where the tip covers other rows goes to the list, as with its own tips.
TOOLINFOW ListTool(HWND list) {
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_TRANSPARENT;
  tool.hwnd = ::GetParent(list);
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  return tool;
}

}  // namespace

RowTips::~RowTips() { Detach(); }

void RowTips::Attach(HWND list, TextFor textFor) {
  Detach();
  list_ = list;
  textFor_ = std::move(textFor);
  // The list itself keeps nothing in its user data. Read for each of its
  // messages, so not a property: each property read asks the window server.
  ::SetWindowLongPtrW(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RowTips::ListProc)));
}

// Made when the pointer first comes onto the list, not with the window: under
// Wine making it costs the start-up some 15 ms.
bool RowTips::MakeTip() {
  if (tip_) return true;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                           0, ::GetParent(list_), nullptr, nullptr, nullptr);
  if (!tip_) return false;
  ::SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  TOOLINFOW tool = ListTool(list_);
  tool.lpszText = text_.data();
  ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  return true;
}

void RowTips::Detach() {
  if (list_ && ::IsWindow(list_)) {
    ::SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    ::SetWindowLongPtrW(list_, GWLP_USERDATA, 0);
  }
  if (tip_) ::DestroyWindow(tip_);
  list_ = tip_ = nullptr;
  original_ = nullptr;
  row_ = 0;
}

// A new row gets its own text and a fresh wait; off the rows there is none.
void RowTips::PointerAt(LPARAM clientPoint) {
  LVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
  const int index = static_cast<int>(::SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  const long row = index >= 0 && (hit.flags & LVHT_ONITEM) ? index + 1 : 0;
  if (row == row_) return;
  row_ = row;
  ::SendMessageW(tip_, TTM_POP, 0, 0);
  text_ = row ? textFor_(row) : std::wstring();
  TOOLINFOW tool = ListTool(list_);
  tool.lpszText = text_.data();
  ::SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK RowTips::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* tips = reinterpret_cast<RowTips*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!tips) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC original = tips->original_;
  if (message == WM_MOUSEMOVE && tips->MakeTip()) tips->PointerAt(lParam);
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && tips->tip_) {
    MSG relayed{hwnd, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
    const DWORD at = ::GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ::SendMessageW(tips->tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  // Refilled, the list may hold another adapter under the pointer.
  if (message == LVM_DELETEALLITEMS) tips->row_ = 0;
  if (message == WM_NCDESTROY) tips->Detach();
  return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace quav
