#include "support/ScreenCapture.h"

#include "platform/Handles.h"

namespace quav::test {

std::vector<BYTE> CaptureScreen(const RECT& area, const std::wstring& path) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  WindowDc screen(nullptr);
  UniqueHbitmap picture(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  {
    SelectedObject selected(memory.get(), picture.get());
    ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  }
  ::GdiFlush();
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD size = stride * static_cast<DWORD>(height);
  std::vector<BYTE> pixels(static_cast<const BYTE*>(bits), static_cast<const BYTE*>(bits) + size);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + size;
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ::WriteFile(file.get(), &header, sizeof header, &written, nullptr);
  ::WriteFile(file.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
  ::WriteFile(file.get(), pixels.data(), size, &written, nullptr);
  return pixels;
}

}  // namespace quav::test
