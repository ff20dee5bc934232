#include "change/DriverKeyMatch.h"

#include <gtest/gtest.h>

#include <string>

namespace quav {
namespace {

struct KeyCase {
  const wchar_t* driverKey;
  const wchar_t* adapterIndex;
  bool names;
};

TEST(DriverKeyMatch, NamesOnlyTheNetworkClassSubkeyItself) {
  const KeyCase cases[] = {
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007", L"0007", true},
      // The class GUID may come in any case.
      {L"{4d36e972-e325-11ce-bfc1-08002be10318}\\0007", L"0007", true},
      {L"{4D36e972-E325-11ce-BFC1-08002Be10318}\\0000", L"0000", true},
      // Subkey names are compared as they are: no case folding, no numbers.
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007", L"0006", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007", L"7", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007", L"00007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\00070", L"0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\abc", L"ABC", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007 ", L"0007", false},
      // Another class's subkey of the same name is another device.
      {L"{4D36E968-E325-11CE-BFC1-08002BE10318}\\0007", L"0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10319}\\0007", L"0007", false},
      // The GUID in braces, one backslash, a subkey below nothing else.
      {L"4D36E972-E325-11CE-BFC1-08002BE10318\\0007", L"0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318\\0007", L"0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}0007", L"0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}/0007", L"0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\\\0007", L"0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\\\0007", L"\\0007", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007\\0", L"0007\\0", false},
      {L"\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007", L"0007", false},
      // No subkey names nothing, however the key ends.
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\", L"", false},
      {L"{4D36E972-E325-11CE-BFC1-08002BE10318}", L"", false},
      {L"", L"", false},
      {L"", L"0007", false},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(c.names, DriverKeyNames(c.driverKey, c.adapterIndex)) << c.driverKey << L" / " << c.adapterIndex;
  }
}

TEST(DriverKeyMatch, KeysWithNullsAreComparedWhole) {
  const std::wstring withNull(L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007\0", 44);
  EXPECT_FALSE(DriverKeyNames(withNull, L"0007"));
  EXPECT_FALSE(DriverKeyNames(L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007", std::wstring(L"0007\0", 5)));
}

TEST(DriverKeyMatch, OnlyWantOfRightsIsAccessDenied) {
  const struct {
    unsigned long error;
    RestartStatus status;
  } cases[] = {
      {5, RestartStatus::AccessDenied},            // ERROR_ACCESS_DENIED
      {1314, RestartStatus::AccessDenied},         // ERROR_PRIVILEGE_NOT_HELD
      {0x80070005UL, RestartStatus::AccessDenied},  // E_ACCESSDENIED
      {0x80070522UL, RestartStatus::AccessDenied},  // the same for the privilege
      {0, RestartStatus::Failed},
      {2, RestartStatus::Failed},
      {3010, RestartStatus::Failed},        // ERROR_SUCCESS_REBOOT_REQUIRED
      {1168, RestartStatus::Failed},        // ERROR_NOT_FOUND
      {0xE000020BUL, RestartStatus::Failed},  // ERROR_NO_SUCH_DEVINST
      {0xE0000235UL, RestartStatus::WrongArchitecture},  // ERROR_IN_WOW64
      // Only a Win32 code wrapped as a failure counts, not another facility's 5.
      {0x80040005UL, RestartStatus::Failed},
      {0x00070005UL, RestartStatus::Failed},
      {0xE0000005UL, RestartStatus::Failed},
      {0x10005UL, RestartStatus::Failed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.status, StatusForError(c.error)) << std::hex << c.error;
  }
}

}  // namespace
}  // namespace quav
