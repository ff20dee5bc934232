#include "ui/Form.h"

#include "ui/Twips.h"
#include "ui/WindowErrors.h"

namespace quav {
namespace {

constexpr wchar_t kFormProperty[] = L"QUAV.Form";

// Tab, Enter and Esc move between and press a window's controls.
bool TranslateForDialog(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || !::GetPropW(root, kFormProperty)) return false;
  return ::IsDialogMessageW(root, &msg) != FALSE;
}

}  // namespace

void DispatchQueued(MSG& msg) {
  if (TranslateForDialog(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

int RunMessageLoop() {
  MSG msg{};
  BOOL got = 0;
  while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) > 0) DispatchQueued(msg);
  // -1: the loop itself failed, and no WM_QUIT carries a code.
  return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

Form::Form(const FormDesign& design) : design_(design), fonts_(ScreenDpi()) {}

Form::~Form() {
  if (hwnd_) {
    if (modal_ && owner_) ::EnableWindow(owner_, TRUE);
    ::DestroyWindow(hwnd_);
  }
}

bool Form::Create(HWND owner) {
  if (hwnd_) return true;
  owner_ = owner;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!::GetClassInfoExW(instance, design_.className, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = design_.className;
    ::RegisterClassExW(&wc);
  }
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (design_.minimizeBox) style |= WS_MINIMIZEBOX;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (design_.dialogFrame) exStyle |= WS_EX_DLGMODALFRAME;
  if (!owner) exStyle |= WS_EX_APPWINDOW;
  hwnd_ = ::CreateWindowExW(exStyle, design_.className, design_.caption.Text(), style, 0, 0, 100, 100, owner, nullptr, instance,
                            this);
  if (!hwnd_) return false;
  if (design_.iconResource) {
    bigIcon_.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(design_.iconResource), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(design_.iconResource), IMAGE_ICON,
                                                     ::GetSystemMetrics(SM_CXSMICON),
                                                     ::GetSystemMetrics(SM_CYSMICON), 0)));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  }
  OnCreate();
  // The client area as designed, whatever the frame and menu take; centred.
  RECT rc{0, 0, Px(design_.clientWidth), Px(design_.clientHeight)};
  ::AdjustWindowRectEx(&rc, style, ::GetMenu(hwnd_) != nullptr, exStyle);
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  RECT area;
  if (design_.centerOnOwner && owner) {
    ::GetWindowRect(owner, &area);
  } else {
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int x = area.left + ((area.right - area.left) - width) / 2;
  const int y = area.top + ((area.bottom - area.top) - height) / 2;
  ::SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void Form::Show() {
  if (!hwnd_) Create();
  ::ShowWindow(hwnd_, SW_SHOWNORMAL);
  ::UpdateWindow(hwnd_);
}

void Form::ShowModal(HWND owner) {
  if (!hwnd_ && !Create(owner)) return;
  modal_ = true;
  if (owner_) ::EnableWindow(owner_, FALSE);
  ::ShowWindow(hwnd_, SW_SHOWNORMAL);
  ::SetForegroundWindow(hwnd_);
  MSG msg{};
  while (hwnd_) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      ::PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
      Unload();
      break;
    }
    DispatchQueued(msg);
  }
  modal_ = false;
}

void Form::Unload() {
  if (!hwnd_) return;
  // The owner takes the activation back rather than some other program.
  if (modal_ && owner_) {
    ::EnableWindow(owner_, TRUE);
    ::SetActiveWindow(owner_);
  }
  ::DestroyWindow(hwnd_);
}

std::wstring Form::Caption() const {
  if (!hwnd_) return {};
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Form::SetCaption(std::wstring_view caption) {
  if (hwnd_) ::SetWindowTextW(hwnd_, std::wstring(caption).c_str());
}

// Paints at once whatever of the window and its controls is out of date:
// the window is then fully drawn, without drawing again what already is.
void Form::Repaint() {
  if (hwnd_) ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HWND Form::Item(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

std::wstring Form::Text(int id) const {
  HWND control = Item(id);
  if (!control) return {};
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Form::SetText(int id, std::wstring_view text) {
  if (HWND control = Item(id)) ::SetWindowTextW(control, std::wstring(text).c_str());
}

bool Form::Enabled(int id) const {
  HWND control = Item(id);
  return control && ::IsWindowEnabled(control);
}

void Form::SetEnabled(int id, bool enabled) {
  if (HWND control = Item(id)) ::EnableWindow(control, enabled ? TRUE : FALSE);
}

void Form::Focus(int id) {
  if (HWND control = Item(id)) ::SetFocus(control);
}

void Form::SetBackColor(int id, DesignColor color) {
  backColors_[id] = color;
  if (HWND control = Item(id)) ::InvalidateRect(control, nullptr, TRUE);
}

void Form::SetForeColor(int id, DesignColor color) {
  foreColors_[id] = color;
  if (HWND control = Item(id)) ::InvalidateRect(control, nullptr, TRUE);
}

std::optional<DesignColor> Form::ForeColor(int id) const {
  const auto found = foreColors_.find(id);
  if (found == foreColors_.end()) return std::nullopt;
  return found->second;
}

int Form::Px(int twips) const { return TwipsToPixels(twips, Dpi()); }

int Form::Twips(int pixels) const { return PixelsToTwips(pixels, Dpi()); }

int Form::LeftTwips() const {
  RECT rc{};
  ::GetWindowRect(hwnd_, &rc);
  return Twips(rc.left);
}

int Form::TopTwips() const {
  RECT rc{};
  ::GetWindowRect(hwnd_, &rc);
  return Twips(rc.top);
}

int Form::HeightTwips() const {
  RECT rc{};
  ::GetWindowRect(hwnd_, &rc);
  return Twips(rc.bottom - rc.top);
}

int Form::ScaleWidthTwips() const {
  RECT rc{};
  ::GetClientRect(hwnd_, &rc);
  return Twips(rc.right);
}

int Form::ScaleHeightTwips() const {
  RECT rc{};
  ::GetClientRect(hwnd_, &rc);
  return Twips(rc.bottom);
}

void Form::PlaceControl(int id, int left, int top, int width, int height) {
  if (HWND control = Item(id)) {
    ::MoveWindow(control, Px(left), Px(top), Px(width), Px(height), TRUE);
  }
}

RECT Form::ControlRectTwips(int id) const {
  RECT rc{};
  HWND control = Item(id);
  if (!control) return rc;
  ::GetWindowRect(control, &rc);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
  return RECT{Twips(rc.left), Twips(rc.top), Twips(rc.right), Twips(rc.bottom)};
}

void Form::AddControls(std::span<const ControlDesign> table) {
  for (auto& [id, hwnd] : CreateControls(hwnd_, table, fonts_)) controls_[id] = hwnd;
}

HBRUSH Form::Brush(COLORREF color) {
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second.get();
  UniqueHbrush brush(::CreateSolidBrush(color));
  HBRUSH handle = brush.get();
  brushes_.emplace(color, std::move(brush));
  return handle;
}

LRESULT Form::ControlColor(HDC dc, HWND control, bool edit) {
  const int id = ::GetDlgCtrlID(control);
  const auto fore = foreColors_.find(id);
  const auto back = backColors_.find(id);
  if (fore != foreColors_.end()) ::SetTextColor(dc, ResolveColor(fore->second));
  const DesignColor backColor =
      back != backColors_.end() ? back->second : (edit && ::IsWindowEnabled(control) ? kSystemWindow : kSystemButtonFace);
  const COLORREF resolved = ResolveColor(backColor);
  ::SetBkColor(dc, resolved);
  return reinterpret_cast<LRESULT>(Brush(resolved));
}

LRESULT CALLBACK Form::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    // The property marks the window as a form for the message loop; each of
    // its messages finds the form in the user data, which is read without
    // asking the window server.
    ::SetPropW(hwnd, kFormProperty, reinterpret_cast<HANDLE>(form));
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::RemovePropW(hwnd, kFormProperty);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    form->controls_.clear();
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  LRESULT result = 0;
  ++form->handlers_;
  try {
    result = form->Handle(message, wParam, lParam);
  } catch (...) {
    ReportWindowException(form->design_.className);
  }
  --form->handlers_;
  BusyWork::HandlerReturned(*form);
  return result;
}

LRESULT Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (BusyWork::Answers(*this, message, wParam, lParam, result)) return result;
  if (OnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (id == IDCANCEL && lParam == 0) {
        if (!cancelButton_) return 0;
        id = cancelButton_;
      } else if (id == IDOK && lParam == 0) {
        if (!defaultButton_) return 0;
        id = defaultButton_;
      }
      OnCommand(id, code, reinterpret_cast<HWND>(lParam));
      return 0;
    }
    case DM_GETDEFID:
      return defaultButton_ ? MAKELRESULT(defaultButton_, DC_HASDEFID) : 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ACTIVATE: {
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      // As a dialog does: the focus goes back to the control that had it, at
      // first to the first tab stop, rather than to the window itself.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
        return 0;
      }
      if (HIWORD(wParam)) return 0;  // minimised
      HWND target = lastFocus_ && ::IsChild(hwnd_, lastFocus_) && ::IsWindowEnabled(lastFocus_)
                        ? lastFocus_
                        : ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
      if (!target) break;
      ::SetFocus(target);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      return ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CTLCOLOREDIT:
      return ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_CTLCOLORBTN:
      return ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace quav
