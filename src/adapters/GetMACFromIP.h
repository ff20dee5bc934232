#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quav {

// Finds the hardware address that answers for an IPv4 address, with the
// contract of SendARP: 0 and the address bytes (length set to their number),
// or an error code.
class HardwareAddressLookup {
 public:
  virtual ~HardwareAddressLookup() = default;
  virtual unsigned long Lookup(uint32_t destination, uint8_t (&bytes)[6], unsigned long& length) = 0;
};

// The machine's own interfaces answer for their own addresses without a
// request on the network (and so without waiting for an ARP timeout); any
// other address goes to SendARP. The interface table is read once per object.
class SystemHardwareAddressLookup final : public HardwareAddressLookup {
 public:
  unsigned long Lookup(uint32_t destination, uint8_t (&bytes)[6], unsigned long& length) override;

 private:
  struct Interface {
    uint32_t address;
    std::vector<uint8_t> hardware;
  };
  void LoadInterfaces();

  bool loaded_ = false;
  std::vector<Interface> interfaces_;
};

// Resolves a dotted IPv4 address text. On success stores the hardware address
// text (00-0C-29-3A-4B-5C) in result and returns true; otherwise leaves result
// as it was and returns false.
bool GetMACFromIP(std::wstring_view addressText, std::wstring& result, HardwareAddressLookup& lookup);

}  // namespace quav
