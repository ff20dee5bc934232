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
  // Read in the same pass, so that the scan does not read the keys again.
  std::wstring InstanceId;      // as AdapterInstanceId gives it
  std::wstring ConnectionName;  // as ConnectionName gives it
  std::wstring NetworkAddress;  // the override stored, or empty
  long NetworkAddressStatus = 0;  // of reading it, as GetRegValue sets it
};

}  // namespace quav
