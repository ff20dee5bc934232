#include "schedule/PerNetworkAddress.h"

#include <windows.h>

#include "adapters/ConnectionName.h"
#include "change/RandomAddress.h"
#include "platform/Cng.h"
#include "platform/Texts.h"
#include "schedule/NetworkAddress.h"

namespace quav {
namespace {

// The day in the machine's own time zone, so that a daily address changes
// at local midnight.
uint32_t LocalDay(uint64_t nowSeconds) {
  const uint64_t ticks = nowSeconds * 10000000u;
  const FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  FILETIME local{};
  if (!::FileTimeToLocalFileTime(&utc, &local)) return DayNumber(nowSeconds);
  return DayNumber(((static_cast<uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime) / 10000000u);
}

// The maker's prefix of the adapter's burned-in address, else of its active
// address; none when neither is one a maker assigned.
std::optional<uint32_t> OwnPrefix(const std::wstring& adapter, AdapterFacts& facts) {
  for (const std::optional<std::wstring>& text : {facts.PermanentAddress(adapter), facts.ActiveAddress(adapter)}) {
    const std::optional<MacBytes> bytes = text ? AddressBytes(*text) : std::nullopt;
    if (!bytes) continue;
    const uint32_t prefix = uint32_t{(*bytes)[0]} << 16 | uint32_t{(*bytes)[1]} << 8 | (*bytes)[2];
    if (IndividualPrefix(prefix)) return prefix;
  }
  return std::nullopt;
}

}  // namespace

NetworkAddressNow AddressOnNetwork(const std::wstring& adapter, const AddressKind& kind, AdapterFacts& facts,
                                   bool makeKey, uint64_t nowSeconds) {
  NetworkAddressNow now;
  now.network = facts.Network(adapter);
  const auto without = [&now](NetworkAddressStatus status, TextId log, std::wstring reason) {
    now.status = status;
    now.logReason = log;
    now.reason = std::move(reason);
    return now;
  };
  const auto said = [&without](NetworkAddressStatus status, TextId text) { return without(status, text, Say(text)); };
  if (facts.IsWireless(adapter) && IsWindowsRandomOn(facts.RandomAddress(adapter))) {
    return said(NetworkAddressStatus::WindowsOwn, TextId::LogRunWindowsOwn);
  }
  switch (now.network.status) {
    case NetworkIdentityStatus::Known: break;
    case NetworkIdentityStatus::NotConnected: return said(NetworkAddressStatus::NotConnected, TextId::LogRunNoNetwork);
    case NetworkIdentityStatus::Unknown: return said(NetworkAddressStatus::Unknown, TextId::LogRunUnknownNetwork);
    case NetworkIdentityStatus::LocationDenied:
      return said(NetworkAddressStatus::LocationDenied, TextId::LogRunLocationDenied);
  }
  std::optional<uint32_t> prefix;
  if (kind.keepMaker && !(prefix = OwnPrefix(adapter, facts))) {
    return without(NetworkAddressStatus::NoPrefix, TextId::LogRunNoPrefix, Say(TextId::PerNetworkNoPrefix, {adapter}));
  }
  const NetworkKeyOutcome key = OpenNetworkKey(makeKey);
  if (key.status != NetworkKeyStatus::Ready) {
    now.key = key.status;
    return without(NetworkAddressStatus::NoKey, TextId::LogRunNoKey,
                   key.status == NetworkKeyStatus::Missing ? Say(TextId::NetworkKeyMissing) : key.sentence);
  }
  const NetworkAddressInput input{AdapterInstanceId(adapter), now.network.identity,
                                  kind.daily ? std::optional(LocalDay(nowSeconds)) : std::nullopt, prefix};
  now.address = DeriveNetworkAddress(HmacSha256, key.key, input);
  if (!now.address) {
    // CNG is there from Windows Vista on.
    now.key = NetworkKeyStatus::NoRandom;
    return without(NetworkAddressStatus::NoKey, TextId::LogRunNoKey, Say(TextId::ScheduleNeedsVista));
  }
  now.status = NetworkAddressStatus::Derived;
  return now;
}

}  // namespace quav
