#pragma once

#include <string>

// Who and where the program runs.
namespace quav {

// major.minor.build of the running Windows, e.g. 5.1.2600; 0.0.0 when the
// system does not say.
void GetOSVersion(std::wstring& versionText);

// The program runs with an elevated token (Vista's TokenElevation); false
// where the system has no such notion (before Vista) or does not say.
bool ProcessIsElevated();

// The logon name of the current user; empty when it cannot be had.
std::wstring GetCurrentUserName();

// The computer's NetBIOS name as Windows stores it; empty when it cannot be had.
std::wstring GetCurrentComputerName();

// The running program's own file; empty when the system does not say.
std::wstring ProgramPath();

// The folder of the running program, without a closing backslash (except at
// a drive root: C:\); empty when the system does not say.
std::wstring ProgramFolder();

// The system folder (system32); empty when the system does not say.
std::wstring SystemFolder();

// The full path of a program in the system folder (system32), so that none
// of that name elsewhere is found instead; empty when the system does not say.
std::wstring SystemProgramPath(const wchar_t* fileName);

// Whether this is a 32-bit program running on 64-bit Windows (WoW64).
bool RunsUnderWow64();

}  // namespace quav
