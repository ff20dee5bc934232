#include "platform/DllSearch.h"

#include <algorithm>

#include "platform/SystemFacts.h"
#include "platform/VersionNumber.h"

namespace quav {
namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

// Side-by-side assemblies came with Windows XP.
bool HasSideBySideStore() {
  std::wstring version;
  GetOSVersion(version);
  return !IsBeforeWindowsXP(version);
}

}  // namespace

std::wstring SystemDllPath(std::wstring_view systemFolder, std::string_view dllName, bool sideBySideStore) {
  if (dllName.empty() || dllName.find_first_of("\\/:") != std::string_view::npos || dllName == "." ||
      dllName == "..") {
    return {};
  }
  const std::wstring name(dllName.begin(), dllName.end());
  if (sideBySideStore && EqualsIgnoringAsciiCase(dllName, "comctl32.dll")) return name;
  if (systemFolder.empty()) return {};
  std::wstring path(systemFolder);
  if (path.back() != L'\\') path += L'\\';
  return path + name;
}

void RestrictDllSearch() {
  // Both are looked up: SetDefaultDllDirectories came with Windows 8 (and an
  // update for 7 and Vista), SetDllDirectoryW with XP SP1.
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return;
  using SetDefault = BOOL(WINAPI*)(DWORD);
  using SetDirectory = BOOL(WINAPI*)(LPCWSTR);
  const auto setDefault =
      reinterpret_cast<SetDefault>(reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  const auto setDirectory =
      reinterpret_cast<SetDirectory>(reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDllDirectoryW")));
  if (setDirectory) setDirectory(L"");
}

HMODULE LoadSystemDll(std::string_view dllName) {
  const std::wstring path = SystemDllPath(SystemFolder(), dllName, HasSideBySideStore());
  if (path.empty()) return nullptr;
  // A full path: the DLL's own imports are looked for beside it first.
  const DWORD flags = path.find(L'\\') != std::wstring::npos ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
  return ::LoadLibraryExW(path.c_str(), nullptr, flags);
}

}  // namespace quav
