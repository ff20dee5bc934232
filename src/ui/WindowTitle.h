#pragma once

#include <string>

#include "platform/Texts.h"

namespace quav {

// The title and version as captions show them: "QUAV 1.2", with ".revision"
// only when the revision is above 0 ("QUAV 1.2.3").
std::wstring VersionedTitle(int major, int minor, int revision);

// This release's VersionedTitle: the main window's title before any marker.
std::wstring WindowTitle();

// What the adapter list's title marker says while a first load runs.
inline constexpr TextRef kLoadingMarker{TextId::TitleLoading};

// The marker for a scan's result: no rows, rows from WMI, rows from the registry.
std::wstring ScanMarker(int scanResult);

}  // namespace quav
