#include "ui/side/SideCaptions.h"

#include "ui/WindowTitle.h"

namespace quav {

std::wstring AgreementCaption(int major, int minor, int revision) {
  return Say(TextId::AgreementCaption, {VersionedTitle(major, minor, revision)});
}

std::wstring AboutCaption(int major, int minor, int revision) {
  return Say(TextId::AboutCaption, {VersionedTitle(major, minor, revision)});
}

}  // namespace quav
