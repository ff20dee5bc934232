#include "platform/SystemFacts.h"

#include <windows.h>
#include <lmcons.h>

#include <cstring>

#include "platform/AnsiText.h"
#include "platform/Handles.h"

namespace quav {
namespace {
// The longest user name (UNLEN characters) and its terminator, at up to two
// bytes a character in a double-byte code page.
constexpr DWORD kUserNameBytes = 2 * (UNLEN + 1);
// Well above MAX_COMPUTERNAME_LENGTH + 1.
constexpr DWORD kComputerNameBytes = 255;
}  // namespace

void GetOSVersion(std::wstring& versionText) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
  ::GetVersionExA(&info);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  versionText = std::to_wstring(info.dwMajorVersion) + L"." + std::to_wstring(info.dwMinorVersion) + L"." +
                std::to_wstring(info.dwBuildNumber);
}

bool ProcessIsElevated() {
  UniqueHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  // Before Vista the class is unknown and the call fails.
  if (!::GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size)) return false;
  return elevation.TokenIsElevated != 0;
}

bool RunsUnderWow64() {
  // IsWow64Process came with Windows XP SP2: looked up, so that the program
  // still loads on Windows 2000, which has no 64-bit Windows beside it.
  using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return false;
  const auto isWow64 = reinterpret_cast<IsWow64ProcessFunction>(
      reinterpret_cast<void*>(::GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  return isWow64 && isWow64(::GetCurrentProcess(), &wow64) && wow64;
}

std::wstring GetCurrentUserName() {
  char buffer[kUserNameBytes] = {};
  DWORD size = kUserNameBytes;
  if (!::GetUserNameA(buffer, &size)) return {};
  return FromAnsi(std::string_view(buffer, ::strnlen(buffer, kUserNameBytes)));
}

std::wstring GetCurrentComputerName() {
  char buffer[kComputerNameBytes] = {};
  DWORD size = kComputerNameBytes;
  if (!::GetComputerNameA(buffer, &size)) return {};
  return FromAnsi(std::string_view(buffer, ::strnlen(buffer, kComputerNameBytes)));
}

std::wstring ProgramPath() {
  constexpr DWORD kLongestPath = 32768;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    // A cut-off name fills the whole buffer.
    if (length < path.size()) return path.substr(0, length);
    if (path.size() >= kLongestPath) return {};
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() {
  const std::wstring path = ProgramPath();
  const size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos) return {};
  // "C:\quav.exe" lives in "C:\", not in "C:".
  return path.substr(0, slash > 0 && path[slash - 1] == L':' ? slash + 1 : slash);
}

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

std::wstring SystemProgramPath(const wchar_t* fileName) {
  std::wstring path = SystemFolder();
  if (path.empty()) return {};
  if (path.back() != L'\\') path += L'\\';
  return path + fileName;
}

}  // namespace quav
