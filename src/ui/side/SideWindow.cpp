#include "ui/side/SideWindow.h"

#include "ui/Resources.h"

namespace quav {

SideWindow::SideWindow(const FormDesign& design, const std::array<DesignLine, 2>& rule) : Form(design), rule_(rule) {}

bool SideWindow::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      PaintRule();
      result = 0;
      return true;
    default:
      return false;
  }
}

void SideWindow::PaintRule() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(Hwnd(), &ps);
  for (const DesignLine& line : rule_) {
    const int top = Px(line.y);
    const RECT rc{Px(line.x1), top, Px(line.x2), top + line.width};
    UniqueHbrush brush(::CreateSolidBrush(ResolveColor(line.color)));
    ::FillRect(dc, &rc, brush.get());
  }
  ::EndPaint(Hwnd(), &ps);
}

void SideWindow::ShowPicture(int boxId, HBITMAP picture) {
  HWND box = Item(boxId);
  if (!box) return;
  ::SendMessageW(box, kPictureSetBitmap, 0, reinterpret_cast<LPARAM>(picture));
  BITMAP info{};
  if (picture && ::GetObjectW(picture, sizeof info, &info)) {
    ::SetWindowPos(box, nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void SideWindow::ShowApplicationIcon(int boxId) {
  constexpr int kSize = 32;
  UniqueHicon icon(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUAV), IMAGE_ICON, kSize, kSize, 0)));
  if (!icon) return;
  WindowDc screen(nullptr);
  UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  icon_.reset(::CreateCompatibleBitmap(screen.get(), kSize, kSize));
  {
    SelectedObject selected(memory.get(), icon_.get());
    const RECT rc{0, 0, kSize, kSize};
    ::FillRect(memory.get(), &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawIconEx(memory.get(), 0, 0, icon.get(), kSize, kSize, 0, nullptr, DI_NORMAL);
  }
  ShowPicture(boxId, icon_.get());
}

}  // namespace quav
