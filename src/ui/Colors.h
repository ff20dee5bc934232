#pragma once

#include <windows.h>

#include <cstdint>

namespace quav {

// Colours as the forms are designed: &HBBGGRR, or &H80000000 + n for system
// colour n.
using DesignColor = uint32_t;

inline constexpr DesignColor kSystemButtonText = 0x80000012;    // COLOR_BTNTEXT
inline constexpr DesignColor kSystemWorkspace = 0x8000000C;     // COLOR_APPWORKSPACE
inline constexpr DesignColor kSystemButtonFace = 0x8000000F;    // COLOR_BTNFACE
inline constexpr DesignColor kSystemWindow = 0x80000005;        // COLOR_WINDOW
inline constexpr DesignColor kSystemWindowText = 0x80000008;    // COLOR_WINDOWTEXT

COLORREF ResolveColor(DesignColor color);

}  // namespace quav
