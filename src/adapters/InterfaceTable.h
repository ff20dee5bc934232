#pragma once

// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <optional>
#include <vector>

namespace quav {

// The machine's interface table (GetAdaptersInfo), read once.
class InterfaceTable {
 public:
  InterfaceTable();
  // The first entry, each leading to the next; null when the table could not
  // be read or is empty.
  const IP_ADAPTER_INFO* First() const;

 private:
  std::optional<std::vector<unsigned char>> buffer_;
};

}  // namespace quav
