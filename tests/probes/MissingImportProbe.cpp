// Calls, through the program's delay-load hook, a function of a DLL no
// Windows has, or (given "function") one that version.dll lacks.
#include <cstring>

#include "DelayLoadHook.h"

extern "C" int QuavAbsentFunction();
extern "C" int QuavAbsentInVersion();

int main(int argc, char** argv) {
  quav::ConsoleOutput out;
  quav::TellMissingImportsOn(out);
  return argc > 1 && std::strcmp(argv[1], "function") == 0 ? QuavAbsentInVersion() : QuavAbsentFunction();
}
