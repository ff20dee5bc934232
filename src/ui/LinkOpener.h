#pragma once

#include <windows.h>

#include <string>

namespace quav {

// Opens web addresses and mail links for a window. An elevated program opens
// them through the desktop's unelevated shell where there is one; the
// directory is only used where the link is opened directly.
class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  virtual void OpenLink(HWND owner, const std::wstring& target, const std::wstring& directory) = 0;
};

}  // namespace quav
