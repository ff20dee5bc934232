// Calls, through the program's delay-load hook, a function of a DLL no
// Windows has, or (given "function") one that version.dll lacks; told in a
// message box, or on the console given "console" first.
#include <cstring>

#include "DelayLoadHook.h"

extern "C" int QuavAbsentFunction();
extern "C" int QuavAbsentInVersion();

int main(int argc, char** argv) {
  quav::ConsoleOutput out;
  int next = 1;
  if (next < argc && std::strcmp(argv[next], "console") == 0) {
    quav::TellMissingImportsOn(out);
    ++next;
  }
  return next < argc && std::strcmp(argv[next], "function") == 0 ? QuavAbsentInVersion() : QuavAbsentFunction();
}
