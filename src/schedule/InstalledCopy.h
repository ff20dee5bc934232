#pragma once

#include <string>
#include <vector>

// The copy of the program a SYSTEM task runs: in %ProgramFiles%\QUAV, the
// same bytes as the program that scheduled it, and changeable only by
// Administrators, SYSTEM and TrustedInstaller.
namespace quav {

struct InstallPlace {
  std::wstring folder;   // %ProgramFiles%\QUAV
  std::wstring program;  // the running program, copied from
};

// This machine's: the running program and %ProgramFiles%\QUAV.
InstallPlace SystemInstallPlace();

// The installed copy's full path: the folder's quav.exe.
std::wstring InstalledProgram(const InstallPlace& place);

enum class InstallStatus {
  Installed,   // the copy is in place, identical, and only the trusted may change it
  Failed,      // the folder could not be made or the program not copied there
  Differs,     // the copy is not byte for byte the program
  Unreadable,  // who may change the folder or the copy could not be read
  Unsafe,      // someone else may change the folder, the copy, or rename them
};

struct InstallOutcome {
  InstallStatus status = InstallStatus::Failed;
  std::wstring sentence;  // why not Installed
};

// Makes the folder (Administrators and SYSTEM full control, Users read and
// run, nothing inherited) when missing, copies the program into it unless
// the same bytes are there, and checks the copy, its folder and the folder's
// parent. Nothing is scheduled on anything but Installed.
InstallOutcome InstallCopy(const InstallPlace& place);

// The principals besides the trusted ones that may change the file or
// folder, or rename or replace it through its parent, as the sentence names
// them; status 0 or the error that kept the DACL from being read.
struct WritersFound {
  unsigned long status = 0;
  std::wstring object;                // the one that failed or has other writers
  std::vector<std::wstring> writers;  // SIDs
};
WritersFound OtherWritersOf(const std::vector<std::wstring>& paths);

struct UninstallOutcome {
  bool done = true;
  bool atRestart = false;  // the running copy is deleted when Windows restarts
  std::wstring sentence;   // what happened
};

// Deletes the copy, its log and the folder; a copy that is running now is
// deleted when Windows next starts.
UninstallOutcome RemoveInstalledCopy(const InstallPlace& place);

}  // namespace quav
