#include "adapters/GetMACFromIP.h"

// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <cstring>

#include "adapters/AddressRules.h"
#include "adapters/InterfaceTable.h"
#include "platform/AnsiText.h"

namespace quav {

void SystemHardwareAddressLookup::LoadInterfaces() {
  loaded_ = true;
  const InterfaceTable table;
  for (const IP_ADAPTER_INFO* adapter = table.First(); adapter; adapter = adapter->Next) {
    if (adapter->AddressLength == 0) continue;
    std::vector<uint8_t> hardware(adapter->Address, adapter->Address + adapter->AddressLength);
    for (const IP_ADDR_STRING* ip = &adapter->IpAddressList; ip; ip = ip->Next) {
      const unsigned long address = ::inet_addr(ip->IpAddress.String);
      if (address != 0 && address != INADDR_NONE) interfaces_.push_back({address, hardware});
    }
  }
}

unsigned long SystemHardwareAddressLookup::Lookup(uint32_t destination, uint8_t (&bytes)[6], unsigned long& length) {
  if (!loaded_) LoadInterfaces();
  for (const Interface& own : interfaces_) {
    if (own.address != destination) continue;
    length = static_cast<unsigned long>(own.hardware.size() < 6 ? own.hardware.size() : 6);
    std::memcpy(bytes, own.hardware.data(), length);
    return NO_ERROR;
  }
  ULONG arpLength = length;
  const DWORD result = ::SendARP(destination, 0, bytes, &arpLength);
  length = arpLength;
  return result;
}

bool GetMACFromIP(std::wstring_view addressText, std::wstring& result, HardwareAddressLookup& lookup) {
  const std::string ansi = ToAnsi(addressText);
  const unsigned long destination = ::inet_addr(ansi.c_str());
  if (destination == 0) return false;
  uint8_t bytes[6] = {};
  unsigned long length = sizeof bytes;
  if (lookup.Lookup(destination, bytes, length) != NO_ERROR) return false;
  if ((bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0) || length == 0) return false;
  if (length > sizeof bytes) length = sizeof bytes;
  result = HardwareAddressText(bytes, length);
  return true;
}

}  // namespace quav
