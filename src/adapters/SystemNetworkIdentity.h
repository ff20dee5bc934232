#pragma once

#include <string>

#include "adapters/NetworkIdentity.h"
#include "adapters/WlanRandomAddress.h"

namespace quav {

// The network the interface (its instance GUID) is on: a wireless one by its
// Wi-Fi connection; else, or where Native Wi-Fi cannot say, by the Network
// List Manager (Windows Vista and later); else by its default gateway's
// hardware address.
NetworkIdentity IdentifyNetwork(const std::wstring& instanceId, bool wireless, WlanConnection& wlan);

}  // namespace quav
