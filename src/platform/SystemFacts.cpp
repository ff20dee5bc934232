#include "platform/SystemFacts.h"

#include <windows.h>

#include <cstring>

#include "platform/AnsiText.h"

namespace quav {
namespace {
constexpr DWORD kNameBufferChars = 255;
}

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

std::wstring GetCurrentUserName() {
  char buffer[kNameBufferChars] = {};
  DWORD size = kNameBufferChars;
  if (!::GetUserNameA(buffer, &size)) return {};
  return FromAnsi(std::string_view(buffer, ::strnlen(buffer, kNameBufferChars)));
}

std::wstring GetCurrentComputerName() {
  char buffer[kNameBufferChars] = {};
  DWORD size = kNameBufferChars;
  if (!::GetComputerNameA(buffer, &size)) return {};
  return FromAnsi(std::string_view(buffer, ::strnlen(buffer, kNameBufferChars)));
}

}  // namespace quav
