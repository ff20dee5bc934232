#pragma once

#include <string>
#include <string_view>

namespace quav {

// The system's texts are Unicode; the registry layer, the log file and a few
// shell calls speak the system's default ANSI code page.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

}  // namespace quav
