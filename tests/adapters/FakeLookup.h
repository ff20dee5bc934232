#pragma once

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "adapters/GetMACFromIP.h"

namespace quav::test {

// Answers for the addresses it was given, like SendARP for everything else
// under Wine: error 50.
class FakeLookup final : public HardwareAddressLookup {
 public:
  void Answer(const char* address, std::vector<uint8_t> bytes) { answers_[NetworkOrder(address)] = std::move(bytes); }
  unsigned long Lookup(uint32_t destination, uint8_t (&bytes)[6], unsigned long& length) override {
    asked.push_back(destination);
    const auto found = answers_.find(destination);
    if (found == answers_.end()) return ERROR_NOT_SUPPORTED;
    length = static_cast<unsigned long>(found->second.size());
    std::memcpy(bytes, found->second.data(), found->second.size());
    return 0;
  }
  std::vector<uint32_t> asked;

 private:
  // The dotted address as inet_addr gives it: its four bytes in text order.
  static uint32_t NetworkOrder(const char* address) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    std::sscanf(address, "%u.%u.%u.%u", &a, &b, &c, &d);
    const uint8_t bytes[4] = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c),
                              static_cast<uint8_t>(d)};
    uint32_t value = 0;
    std::memcpy(&value, bytes, 4);
    return value;
  }
  std::map<uint32_t, std::vector<uint8_t>> answers_;
};

}  // namespace quav::test
