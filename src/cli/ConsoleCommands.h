#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adapters/AdapterFacts.h"
#include "change/AdapterDevices.h"
#include "change/RandomAddress.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "platform/TaskScheduler.h"
#include "schedule/InstalledCopy.h"

// The command line's verbs on this machine: the same scan, registry writes
// and log lines as the window, without any window or message box shown.
namespace quav {

struct CommandLineServices {
  AdapterDevices& devices;
  AdapterFacts& facts;
  RandomSource& random = SystemRandomSource();
  TaskStore* tasks = nullptr;            // none: the system's Task Scheduler
  std::optional<InstallPlace> place{};  // none: %ProgramFiles%\QUAV and this program
};

// The program's arguments after its own name; commandTail is what follows
// the name on the command line (wWinMain's).
std::vector<std::wstring> ProgramArguments(std::wstring_view commandTail);

// Runs the command the arguments name and says on out what happened; an
// error thrown by the command is said there too, and answered Unexpected.
ExitCode RunCommandLine(const std::vector<std::wstring>& arguments, const CommandLineServices& services,
                        ConsoleOutput& out);

}  // namespace quav
