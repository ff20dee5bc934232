#pragma once

#include "cli/ConsoleOutput.h"

// A DLL or function the program imports on first use that this Windows lacks
// is named to the user, and the program then ends with the exit code of an
// unexpected error: the call cannot be made, and nothing catches the
// system's exception the delay-load helper would raise instead.
namespace quav {

// Names it on the console from now on, rather than in a message box.
void TellMissingImportsOn(ConsoleOutput& out);

}  // namespace quav
