#pragma once

#include <string>

namespace quav {

// The system's description of an error code, with the code itself: "拒绝访问。
// (错误 5)". In the user's language; in English when the program speaks
// English and the system has the English text.
std::wstring SystemErrorText(unsigned long code);

}  // namespace quav
