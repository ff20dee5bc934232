#pragma once

#include <string>

namespace quav {

// Opens a web address or mail link through the desktop's shell, in the
// shell's own process: what opens it runs with the shell's rights, not with
// this program's, and in no folder of this program's. Needs COM on the
// calling thread. False when the desktop's shell cannot be reached or refuses.
bool OpenThroughDesktopShell(const std::wstring& target);

}  // namespace quav
