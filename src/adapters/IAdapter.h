#pragma once

#include <string>

namespace quav {

// One adapter as the registry pass finds it.
struct IAdapter {
  std::wstring Index;        // class subkey name (0007); the record's key
  bool IPEnabled = false;    // an address was found and its hardware address resolved
  std::wstring Description;  // DriverDesc
  std::wstring IPAddress;    // dotted IPv4 text, or empty
  std::wstring MACAddress;   // 00-0C-29-3A-4B-5C, or empty
};

}  // namespace quav
