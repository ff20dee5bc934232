#pragma once

#include <string>

namespace quav {

// The system's description of an error code, in the user's language, with
// the code itself: "拒绝访问。 (错误 5)".
std::wstring SystemErrorText(unsigned long code);

}  // namespace quav
