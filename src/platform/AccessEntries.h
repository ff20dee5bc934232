#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An object's owner and access control entries as plain data (SIDs as
// S-1-5-32-544 text), for decisions made without the system.
namespace quav {

struct AccessEntry {
  bool allows = true;        // an access-allowed entry; false: any other kind (denied, audit...)
  bool inheritOnly = false;  // only passed on to children, not applied to the object itself
  uint32_t mask = 0;         // the rights, as the entry holds them (generic rights unmapped)
  std::wstring sid;
};

struct ObjectAccess {
  std::wstring owner;
  bool hasDacl = true;  // false: no DACL at all, which lets everyone do everything
  std::vector<AccessEntry> entries;
};

}  // namespace quav
