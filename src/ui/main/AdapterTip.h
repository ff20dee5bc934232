#pragma once

#include <memory>
#include <optional>
#include <string>

#include "adapters/BurnedInAddresses.h"
#include "adapters/RandomAddressState.h"
#include "schedule/PerNetworkAddress.h"
#include "ui/ListView.h"
#include "ui/RowTips.h"

// The adapter list's row tip: what the columns leave out.
namespace quav {

struct AdapterTipFacts {
  std::wstring connectionName;           // empty: the adapter has no connection
  std::optional<std::wstring> permanent;  // the burned-in address; none when the driver does not say
  std::wstring active;                    // the row's active address; empty when it has none
  bool wireless = false;
  // Windows' own random addresses, said for wireless adapters where a source
  // says; nothing is said when it is unknown.
  WindowsRandomAddress randomAddress = WindowsRandomAddress::Unknown;
  bool permanentAsking = false;  // the driver is asked for the burned-in address and has not answered yet
  // On a per-network schedule: the network it is on and the address it gets there.
  std::optional<NetworkAddressNow> perNetwork{};
};

// One line each: the connection's name, the burned-in address and the active
// one with their makers, wired or wireless, and for a wireless adapter
// whether Windows gives it random addresses of its own, where that is known;
// on a per-network schedule, its network and the address it gets there (or
// Windows' own, or why there is none).
std::wstring AdapterTipText(const AdapterTipFacts& facts);

// The adapter list's row tips: each row's AdapterTipText, read when its tip
// is about to show. The burned-in addresses are asked off the window's
// thread, once per adapter until the list is filled again; a tip that shows
// while its driver is asked says so, and is told again when the answer comes.
class AdapterTips {
 public:
  // Once the list exists; the facts outlive the tips.
  void Attach(ListView& list, AdapterFacts& facts);

 private:
  std::wstring TextFor(long position);

  ListView* list_ = nullptr;
  AdapterFacts* facts_ = nullptr;
  std::unique_ptr<BurnedInAddresses> burnedIn_;
  RowTips tips_;  // the last member: it leaves the list before the rest goes
};

}  // namespace quav
