#pragma once

#include <string>

namespace quav {

// Captions of the terms dialog ("QUAV 1.2许可协议") and of the About window
// ("关于    QUAV 1.2"), from VersionedTitle.
std::wstring AgreementCaption(int major, int minor, int revision);
std::wstring AboutCaption(int major, int minor, int revision);

}  // namespace quav
