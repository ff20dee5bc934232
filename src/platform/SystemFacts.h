#pragma once

#include <string>

// Who and where the program runs.
namespace quav {

// major.minor.build of the running Windows, e.g. 5.1.2600; 0.0.0 when the
// system does not say.
void GetOSVersion(std::wstring& versionText);

// The logon name of the current user; empty when it cannot be had.
std::wstring GetCurrentUserName();

// The computer's NetBIOS name as Windows stores it; empty when it cannot be had.
std::wstring GetCurrentComputerName();

// The folder of the running program, without a closing backslash (except at
// a drive root: C:\); empty when the system does not say.
std::wstring ProgramFolder();

// Whether this is a 32-bit program running on 64-bit Windows (WoW64).
bool RunsUnderWow64();

}  // namespace quav
