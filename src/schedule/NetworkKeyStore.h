#pragma once

#include <string>

#include "schedule/NetworkAddress.h"

// The secret key the per-network addresses are derived from. Whoever reads
// it can tell which addresses are one adapter's, so it lives where only
// Administrators and SYSTEM can read it: a key of its own under
// HKEY_LOCAL_MACHINE with a DACL that grants only them, checked before every
// use. It is made once, from the system's random source.
namespace quav {

inline constexpr wchar_t kNetworkKeyKey[] = L"SOFTWARE\\ORV\\QUAV12\\NetworkKey";

enum class NetworkKeyStatus {
  Ready,
  Missing,   // no key yet (only when not asked to make one)
  Unsafe,    // others than Administrators and SYSTEM can read or change it
  NoRandom,  // the system's random source (CNG) cannot be used
  Failed,    // the registry refused, or the value is not a key
};

struct NetworkKeyOutcome {
  NetworkKeyStatus status = NetworkKeyStatus::Failed;
  NetworkKey key{};
  std::wstring sentence;  // why there is no key; empty when Ready or Missing
};

// The key, made first when there is none and make is true.
NetworkKeyOutcome OpenNetworkKey(bool make);

// Removes the key; 0 also when there was none.
long DeleteNetworkKey();

}  // namespace quav
