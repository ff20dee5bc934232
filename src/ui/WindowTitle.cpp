#include "ui/WindowTitle.h"

#include "AppVersion.h"

namespace quav {

std::wstring VersionedTitle(int major, int minor, int revision) {
  std::wstring title = std::wstring(kAppTitle) + L" " + std::to_wstring(major) + L"." + std::to_wstring(minor);
  if (revision > 0) title += L"." + std::to_wstring(revision);
  return title;
}

std::wstring WindowTitle() { return VersionedTitle(kVersionMajor, kVersionMinor, kVersionRevision); }

std::wstring ScanMarker(int scanResult) {
  switch (scanResult) {
    case 1:
      return Say(TextId::TitleWmi);
    case 2:
      return Say(TextId::TitleRegistry);
    default:
      return Say(TextId::TitleNoData);
  }
}

}  // namespace quav
