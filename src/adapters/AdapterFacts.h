#pragma once

#include <optional>
#include <string>

#include "adapters/NetworkIdentity.h"
#include "adapters/RandomAddressState.h"

namespace quav {

// What Windows reports about an adapter now, beyond the registry pass's rows.
// Adapters are named by their class subkey (0007); tests stand in for it.
class AdapterFacts {
 public:
  virtual ~AdapterFacts() = default;
  // The address the adapter presents now, in display form (00-0C-29-3A-4B-5C),
  // from the interface table; none while it is not there (disabled, or its
  // driver not started).
  virtual std::optional<std::wstring> ActiveAddress(const std::wstring& adapterIndex) = 0;
  // The address burned into the adapter, as its driver tells it; none when
  // the driver cannot be asked or does not say.
  virtual std::optional<std::wstring> PermanentAddress(const std::wstring& adapterIndex) = 0;
  // A wireless LAN adapter: its driver declares an 802.11 physical medium, or
  // the interface table gives it the 802.11 interface type.
  virtual bool IsWireless(const std::wstring& adapterIndex) = 0;
  // Whether Windows gives the adapter random addresses of its own in place of
  // the stored one; unknown unless a source says.
  virtual WindowsRandomAddress RandomAddress(const std::wstring& /*adapterIndex*/) {
    return WindowsRandomAddress::Unknown;
  }
  // The network the adapter is connected to now; unknown unless a source says.
  virtual NetworkIdentity Network(const std::wstring& /*adapterIndex*/) { return {}; }
};

// The registry and the interface table of this machine: the class subkey's
// NetCfgInstanceID names the interface.
class SystemAdapterFacts final : public AdapterFacts {
 public:
  std::optional<std::wstring> ActiveAddress(const std::wstring& adapterIndex) override;
  std::optional<std::wstring> PermanentAddress(const std::wstring& adapterIndex) override;
  bool IsWireless(const std::wstring& adapterIndex) override;
  WindowsRandomAddress RandomAddress(const std::wstring& adapterIndex) override;
  NetworkIdentity Network(const std::wstring& adapterIndex) override;
};

}  // namespace quav
