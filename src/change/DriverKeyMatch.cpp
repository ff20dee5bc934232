#include "change/DriverKeyMatch.h"

#include <algorithm>

namespace quav {

namespace {

constexpr std::wstring_view kNetworkClassGuid = L"{4D36E972-E325-11CE-BFC1-08002BE10318}";

// Windows' error codes, spelt out so that this builds without its headers.
constexpr unsigned long kAccessDenied = 5;
constexpr unsigned long kPrivilegeNotHeld = 1314;
// ERROR_IN_WOW64, the device installer's refusal of a 32-bit process on 64-bit Windows.
constexpr unsigned long kInWow64 = 0xE0000235;
// HRESULT_FROM_WIN32: failure, facility 7 (Win32), the code in the low word.
constexpr unsigned long kWin32HresultHigh = 0x8007;

// ASCII only: the GUID's hex digits are all the case there is to fold, and a
// locale must not make another character equal to one of them.
wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

}  // namespace

bool DriverKeyNames(std::wstring_view driverKey, std::wstring_view adapterIndex) {
  if (adapterIndex.empty() || driverKey.size() != kNetworkClassGuid.size() + 1 + adapterIndex.size()) return false;
  const std::wstring_view guid = driverKey.substr(0, kNetworkClassGuid.size());
  const bool sameClass = std::equal(guid.begin(), guid.end(), kNetworkClassGuid.begin(),
                                    [](wchar_t a, wchar_t b) { return AsciiUpper(a) == b; });
  return sameClass && driverKey[kNetworkClassGuid.size()] == L'\\' &&
         driverKey.substr(kNetworkClassGuid.size() + 1) == adapterIndex &&
         adapterIndex.find(L'\\') == std::wstring_view::npos;
}

RestartStatus StatusForError(unsigned long error) {
  if (error == kInWow64) return RestartStatus::WrongArchitecture;
  const unsigned long code = error >> 16 == kWin32HresultHigh ? error & 0xFFFF : error;
  return code == kAccessDenied || code == kPrivilegeNotHeld ? RestartStatus::AccessDenied : RestartStatus::Failed;
}

}  // namespace quav
