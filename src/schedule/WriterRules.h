#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AccessEntries.h"

// Who may change what a SYSTEM task runs: only Administrators, SYSTEM and
// TrustedInstaller may write, rename or replace the installed copy, its
// folder and the schedule's record; anyone else who can makes the copy
// unsafe to run as SYSTEM.
namespace quav {

inline constexpr wchar_t kSystemSid[] = L"S-1-5-18";
inline constexpr wchar_t kAdministratorsSid[] = L"S-1-5-32-544";
inline constexpr wchar_t kTrustedInstallerSid[] =
    L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";
inline constexpr wchar_t kEveryoneSid[] = L"S-1-1-0";

// The rights that change a file, a folder's contents or a registry key, or
// that let their holder give himself those: write data or set a value,
// append or create a subkey, delete a child, delete, change the DACL or the
// owner, and the generic write and all rights.
inline constexpr uint32_t kChangeRights = 0x00000002 | 0x00000004 | 0x00000040 | 0x00010000 | 0x00040000 |
                                          0x00080000 | 0x40000000 | 0x10000000;
// The rights that read a registry key's values: query a value, generic
// read. Whoever holds them, or kChangeRights, can learn a secret the key holds.
inline constexpr uint32_t kReadRights = 0x00000001 | 0x80000000;
// The rights on a parent folder that let its holder rename or replace what
// is in it: delete a child, change the DACL or the owner, all rights.
inline constexpr uint32_t kReplaceChildRights = 0x00000040 | 0x00040000 | 0x00080000 | 0x10000000;

// The principals besides Administrators, SYSTEM, TrustedInstaller and those
// in alsoTrusted that may change the object with one of the rights: its
// owner (who may always rewrite the DACL) and each SID an allowing entry
// that applies to the object grants one of them; Everyone for an object
// without a DACL. Deny entries are not weighed: a right granted counts even
// where a deny may take it away, so the answer errs on the side of refusing.
// "Owner rights" entries count for the owner; "creator owner" ones apply to
// no one on the object itself. Empty: no one else.
std::vector<std::wstring> OtherWriters(const ObjectAccess& access, uint32_t rights,
                                       const std::vector<std::wstring>& alsoTrusted);

}  // namespace quav
