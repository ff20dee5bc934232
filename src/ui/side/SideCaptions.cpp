#include "ui/side/SideCaptions.h"

#include "ui/WindowTitle.h"

namespace quav {

std::wstring AgreementCaption(int major, int minor, int revision) {
  return VersionedTitle(major, minor, revision) + L"许可协议";
}

std::wstring AboutCaption(int major, int minor, int revision) {
  return L"关于    " + VersionedTitle(major, minor, revision);
}

}  // namespace quav
