#include "ui/RowTips.h"

#include "ui/WindowErrors.h"

namespace quav {
namespace {

// Wide enough for an address and its maker's name on one line; the text's
// line breaks make the rest.
constexpr int kMaxTipWidth = 600;

// The size every comctl32 takes, Windows 2000's too. Transparent: a click
// where the tip covers other rows goes to the list, as with its own tips.
// The list is its own tool's window, so that the tip asks it for its text.
TOOLINFOW ListTool(HWND list) {
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_TRANSPARENT;
  tool.hwnd = list;
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  return tool;
}

// What the list's rows hold or where they stand changes with these.
bool ChangesRows(UINT message) {
  switch (message) {
    case LVM_SORTITEMS:
    case LVM_SORTITEMSEX:
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
    case LVM_DELETEITEM:
    case LVM_DELETEALLITEMS:
    case LVM_SETITEMA:
    case LVM_SETITEMW:
    case LVM_SETITEMTEXTA:
    case LVM_SETITEMTEXTW:
      return true;
    default:
      return false;
  }
}

}  // namespace

RowTips::~RowTips() { Detach(); }

void RowTips::Attach(HWND list, TextFor textFor, std::function<void()> emptied) {
  Detach();
  list_ = list;
  textFor_ = std::move(textFor);
  emptied_ = std::move(emptied);
  // The list itself keeps nothing in its user data. Read for each of its
  // messages, so not a property: each property read asks the window server.
  ::SetWindowLongPtrW(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RowTips::ListProc)));
}

void RowTips::Forget() {
  row_ = 0;
  if (tip_) ::SendMessageW(tip_, TTM_POP, 0, 0);
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
  tracking_ = false;
}

// A new row gets a fresh wait, and its text when its tip shows.
void RowTips::PointerAt(LPARAM clientPoint) {
  if (!tracking_) {
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, list_, 0};
    tracking_ = ::TrackMouseEvent(&leave) != FALSE;
  }
  LVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
  const int index = static_cast<int>(::SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  const long row = index >= 0 && (hit.flags & LVHT_ONITEM) ? index + 1 : 0;
  if (row == row_) return;
  row_ = row;
  ::SendMessageW(tip_, TTM_POP, 0, 0);
}

// The row the pointer came onto, unless the rows changed since: then none
// until it moves again, and no tip shows.
void RowTips::ShowText(NMTTDISPINFOW& info) {
  text_ = row_ ? textFor_(row_) : std::wstring();
  info.lpszText = text_.data();
  info.hinst = nullptr;
}

bool RowTips::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_MOUSEMOVE && MakeTip()) PointerAt(lParam);
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && tip_) {
    MSG relayed{list_, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
    const DWORD at = ::GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ::SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  if (message == WM_MOUSELEAVE) {
    tracking_ = false;
    Forget();
  }
  if (ChangesRows(message)) Forget();
  if (message == LVM_DELETEALLITEMS && emptied_) emptied_();
  if (message == kTextChanged) {
    // The tip control asks for a callback text again when it is set anew.
    if (tip_ && row_) {
      TOOLINFOW tool = ListTool(list_);
      ::SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return true;
  }
  if (message == WM_NOTIFYFORMAT && tip_ && reinterpret_cast<HWND>(wParam) == tip_) {
    result = NFR_UNICODE;
    return true;
  }
  if (message == WM_NOTIFY && tip_) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom == tip_ && header->code == TTN_GETDISPINFOW) {
      ShowText(*reinterpret_cast<NMTTDISPINFOW*>(header));
      return true;
    }
  }
  if (message == WM_NCDESTROY) Detach();
  return false;
}

LRESULT CALLBACK RowTips::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* tips = reinterpret_cast<RowTips*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!tips) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC original = tips->original_;
  try {
    LRESULT result = 0;
    if (tips->Handle(message, wParam, lParam, result)) return result;
  } catch (...) {
    // The list goes on without a tip for this message.
    ReportWindowException(L"RowTips");
  }
  return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace quav
