#pragma once

#include <optional>
#include <string>

#include "adapters/RandomAddressState.h"
#include "schedule/PerNetworkAddress.h"

// The adapter list's row tip: what the columns leave out.
namespace quav {

struct AdapterTipFacts {
  std::wstring connectionName;           // empty: the adapter has no connection
  std::optional<std::wstring> permanent;  // the burned-in address; none when the driver does not say
  std::wstring active;                    // the row's active address; empty when it has none
  bool wireless = false;
  // Windows' own random addresses, said for wireless adapters; none when not read.
  std::optional<WindowsRandomAddress> randomAddress{};
  // On a per-network schedule: the network it is on and the address it gets there.
  std::optional<NetworkAddressNow> perNetwork{};
};

// One line each: the connection's name, the burned-in address and the active
// one with their makers, wired or wireless, and for a wireless adapter
// whether Windows gives it random addresses of its own; on a per-network
// schedule, its network and the address it gets there (or Windows' own, or
// why there is none). What Windows cannot tell is said.
std::wstring AdapterTipText(const AdapterTipFacts& facts);

}  // namespace quav
