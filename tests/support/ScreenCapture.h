#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quav::test {

// Writes a 24-bit bottom-up BMP of a screen rectangle to path, for a person to
// look at, and returns its pixel rows.
std::vector<BYTE> CaptureScreen(const RECT& area, const std::wstring& path);

}  // namespace quav::test
