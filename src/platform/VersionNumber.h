#pragma once

#include <string_view>

namespace quav {

// The number a text starts with, read as far as it forms one (leading blanks
// skipped, one decimal point): 5.1.2600 reads as 5.1, 192.168.0.5 as 192.168,
// and a text without a leading number as 0.
double LeadingNumber(std::wstring_view text);

// Windows 2000 (5.0) and later run the program; NT 4.0 and the 9x family do not.
bool IsSupportedWindowsVersion(std::wstring_view versionText);

// Windows 2000 and older: the adapter list's last column needs widening there.
bool IsBeforeWindowsXP(std::wstring_view versionText);

// How a web or mail link is opened. From Vista (6.0) on the desktop's shell
// runs unelevated, and an elevated program opens links through it, so the
// browser or mail program does not get this program's rights.
enum class LinkRoute { Direct, DesktopShell };
LinkRoute ChooseLinkRoute(std::wstring_view versionText, bool elevated);

}  // namespace quav
