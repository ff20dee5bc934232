#pragma once

#include <string>

namespace quav {

// The system's description of an error code, in the user's language, with
// the code itself: "拒绝访问。 (错误 5)".
std::wstring SystemErrorText(unsigned long code);

// The same for a COM result, its number in hexadecimal (0x80041315); a
// Win32 error wrapped in a result is said as SystemErrorText says it.
std::wstring ResultErrorText(long result);

}  // namespace quav
