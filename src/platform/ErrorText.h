#pragma once

#include <string>

namespace quav {

// The system's description of an error code, with the code itself: "拒绝访问。
// (错误 5)". In the user's language; in English when the program speaks
// English and the system has the English text.
std::wstring SystemErrorText(unsigned long code);

// The same for a COM result, its number in hexadecimal (0x80041315); a
// Win32 error wrapped in a result is said as SystemErrorText says it.
std::wstring ResultErrorText(long result);

}  // namespace quav
