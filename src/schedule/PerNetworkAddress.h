#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "adapters/AdapterFacts.h"
#include "adapters/AddressRules.h"
#include "platform/Texts.h"
#include "schedule/NetworkKeyStore.h"
#include "schedule/ScheduleRules.h"

// The address an adapter on a per-network schedule gets on the network it is
// on now: the one sequence the scheduled run, the row tip and /list /json
// share.
namespace quav {

enum class NetworkAddressStatus {
  Derived,         // address holds the network's address
  WindowsOwn,      // Windows gives the adapter a random address of its own on this network
  NotConnected,    // the adapter is on no network
  Unknown,         // the network cannot be told
  LocationDenied,  // Windows keeps the Wi-Fi network's name from programs without location permission
  NoKey,           // the key cannot be used (reason says why)
  NoPrefix,        // the adapter's own maker prefix cannot be read (reason says why)
};

struct NetworkAddressNow {
  NetworkAddressStatus status = NetworkAddressStatus::Unknown;
  NetworkIdentity network;
  std::optional<MacBytes> address;
  std::wstring reason;  // what a person is told when there is no address
  TextId logReason = TextId::LogRunUnknownNetwork;  // the log's words for it
  NetworkKeyStatus key = NetworkKeyStatus::Ready;  // NoKey: why
};

// The adapter's address on its network for the kind (daily, keep-maker);
// makeKey: make the key when there is none yet (a run does, the window and
// /list do not). nowSeconds: the system's clock (FILETIME / 10^7, UTC).
NetworkAddressNow AddressOnNetwork(const std::wstring& adapter, const AddressKind& kind, AdapterFacts& facts,
                                   bool makeKey, uint64_t nowSeconds);

}  // namespace quav
