#include "ui/Layout.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "ui/Colors.h"
#include "ui/Twips.h"
#include "ui/WindowErrors.h"

namespace quav {
namespace {

// A font's face name, cut to what LOGFONT holds and always terminated.
void CopyFaceName(wchar_t (&to)[LF_FACESIZE], const wchar_t* from) {
  const size_t length = ::wcsnlen(from, LF_FACESIZE - 1);
  std::copy_n(from, length, to);
  to[length] = L'\0';
}

struct PictureState {
  HBITMAP bitmap = nullptr;
  DesignColor back = kSystemButtonFace;
  bool link = false;
  HFONT font = nullptr;  // not owned: the form's font cache keeps it
};

LRESULT HandlePictureBox(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<PictureState*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureState));
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (!state) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      delete state;
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    // The box keeps its font, so that text meant for it can be measured in it.
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) ::InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case kPictureSetBitmap:
      state->bitmap = reinterpret_cast<HBITMAP>(lParam);
      ::InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case kPictureSetBackColor:
      state->back = static_cast<DesignColor>(lParam);
      ::InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case kPictureSetLink:
      state->link = wParam != 0;
      return 0;
    case kPictureGetBitmap:
      return reinterpret_cast<LRESULT>(state->bitmap);
    case WM_SETCURSOR:
      if (state->link && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_ERASEBKGND: {
      RECT rc;
      ::GetClientRect(hwnd, &rc);
      UniqueHbrush brush(::CreateSolidBrush(ResolveColor(state->back)));
      ::FillRect(reinterpret_cast<HDC>(wParam), &rc, brush.get());
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      if (state->bitmap) {
        BITMAP info{};
        ::GetObjectW(state->bitmap, sizeof info, &info);
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        UniqueMemoryDc memory(::CreateCompatibleDC(dc));
        SelectedObject selected(memory.get(), state->bitmap);
        ::SetStretchBltMode(dc, HALFTONE);
        ::StretchBlt(dc, 0, 0, rc.right, rc.bottom, memory.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
      }
      ::EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      const WORD code = message == WM_MOUSEMOVE ? kNotifyMouseMove : kNotifyClick;
      ::SendMessageW(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hwnd), code),
                     reinterpret_cast<LPARAM>(hwnd));
      return 0;
    }
    // Controls inside a picture box talk to the form.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return ::SendMessageW(::GetParent(hwnd), message, wParam, lParam);
    default:
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HandlePictureBox(hwnd, message, wParam, lParam);
  } catch (...) {
    ReportWindowException(L"PictureBox");
    return 0;  // at WM_NCCREATE: the box is not made
  }
}

// Link labels tell their form when the mouse moves over them.
LRESULT HandleLinkLabel(HWND hwnd, WNDPROC original, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE) {
    ::SendMessageW(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hwnd), kNotifyMouseMove),
                   reinterpret_cast<LPARAM>(hwnd));
  } else if (message == WM_SETCURSOR) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  } else if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  }
  return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK LinkLabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  try {
    return HandleLinkLabel(hwnd, original, message, wParam, lParam);
  } catch (...) {
    ReportWindowException(L"LinkLabel");
    return 0;
  }
}

struct ClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ClassAndStyle ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT, 0};
    case ControlKind::LinkLabel:
      return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::PictureButton:
      return {L"BUTTON", BS_PUSHBUTTON | BS_BITMAP, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::OptionButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineText:
      return {L"EDIT", ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ListView:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    case ControlKind::PictureBox:
      return {PictureBoxClass(), WS_CLIPCHILDREN, 0};
  }
  return {L"STATIC", 0, 0};
}

}  // namespace

const wchar_t* PictureBoxClass() {
  static const wchar_t* const name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PictureBoxProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"QUAV.PictureBox";
    ::RegisterClassExW(&wc);
    return L"QUAV.PictureBox";
  }();
  return name;
}

const FontDesign& DefaultFont() {
  static const FontDesign font = [] {
    // The message-box font stands for the dialog font; its face is kept for
    // the life of the program.
    static wchar_t face[LF_FACESIZE] = L"MS Shell Dlg";
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
#if WINVER >= 0x0600
    metrics.cbSize -= sizeof metrics.iPaddedBorderWidth;  // the size Windows XP knows
#endif
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
      CopyFaceName(face, metrics.lfMessageFont.lfFaceName);
    }
    return FontDesign{face, 900, false, DEFAULT_CHARSET};
  }();
  return font;
}

int ScreenDpi() {
  WindowDc screen(nullptr);
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

FontDesign SpokenFont(const FontDesign& design) {
  if (CurrentLanguage() != Language::English || design.charset != GB2312_CHARSET) return design;
  return FontDesign{DefaultFont().face, design.centipoints, design.bold, DEFAULT_CHARSET};
}

HFONT FontCache::Get(const FontDesign* design) {
  if (!design) design = &DefaultFont();
  auto found = fonts_.find(design);
  if (found != fonts_.end()) return found->second.get();
  const FontDesign spoken = SpokenFont(*design);
  LOGFONTW lf{};
  lf.lfHeight = -::MulDiv(spoken.centipoints, dpi_, 7200);
  lf.lfWeight = spoken.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = spoken.charset;
  lf.lfQuality = DEFAULT_QUALITY;
  CopyFaceName(lf.lfFaceName, spoken.face);
  UniqueHfont font(::CreateFontIndirectW(&lf));
  HFONT handle = font.get();
  fonts_.emplace(design, std::move(font));
  return handle;
}

std::unordered_map<int, HWND> CreateControls(HWND form, std::span<const ControlDesign> table, FontCache& fonts) {
  // Tab stops first, in tab order: the dialog manager follows creation order.
  std::vector<const ControlDesign*> order(table.size());
  std::transform(table.begin(), table.end(), order.begin(), [](const ControlDesign& design) { return &design; });
  std::stable_sort(order.begin(), order.end(), [](const ControlDesign* a, const ControlDesign* b) {
    const int ta = a->tabIndex < 0 ? 1 << 20 : a->tabIndex;
    const int tb = b->tabIndex < 0 ? 1 << 20 : b->tabIndex;
    return ta < tb;
  });
  // Containers before what they contain.
  std::stable_partition(order.begin(), order.end(),
                        [](const ControlDesign* design) { return design->kind == ControlKind::PictureBox; });

  std::unordered_map<int, HWND> controls;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const int dpi = fonts.Dpi();
  for (const ControlDesign* design : order) {
    const ClassAndStyle base = ClassFor(design->kind);
    // Overlapping controls do not paint over those created before them.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | base.style | design->style;
    if (design->tabIndex >= 0) style |= WS_TABSTOP;
    if (!design->enabled) style |= WS_DISABLED;
    HWND parent = form;
    if (design->parentId != 0) {
      const auto found = controls.find(design->parentId);
      if (found != controls.end()) parent = found->second;
    }
    HWND hwnd = ::CreateWindowExW(
        base.exStyle | design->exStyle, base.className, design->caption.Text() ? design->caption.Text() : L"", style,
        TwipsToPixels(design->left, dpi), TwipsToPixels(design->top, dpi), TwipsToPixels(design->width, dpi),
        TwipsToPixels(design->height, dpi), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design->id)), instance,
        nullptr);
    if (!hwnd) continue;
    ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(design->font)), FALSE);
    if (design->kind == ControlKind::LinkLabel) {
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkLabelProc)));
    }
    controls[design->id] = hwnd;
  }
  return controls;
}

}  // namespace quav
