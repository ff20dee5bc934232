#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// How the program finds the DLLs it loads. It runs elevated, so nothing in
// its own folder or the current folder may be taken for a system DLL: only
// DLLs Windows protects are imported by the loader; every other one is
// loaded on first use from the system folder by its full path.
namespace quav {

// Where a DLL the program loads itself comes from: the full path in the
// system folder, or the bare name where Windows redirects it (the common
// controls, which the manifest takes from the side-by-side store; Windows
// 2000 has no such store, so there too the system folder's). Empty for a
// name that is not a plain file name.
std::wstring SystemDllPath(std::wstring_view systemFolder, std::string_view dllName, bool sideBySideStore);

// Takes the program's folder and the current folder out of the search for
// every DLL loaded from now on: SetDefaultDllDirectories(system folder) where
// Windows has it, else SetDllDirectory(""), which drops the current folder.
void RestrictDllSearch();

// Loads a system DLL by SystemDllPath; its own imports are then looked for
// in the system folder first. Null when it cannot be loaded.
HMODULE LoadSystemDll(std::string_view dllName);

}  // namespace quav
