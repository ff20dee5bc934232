#pragma once

#include <memory>
#include <string>

namespace quav {

// How a restart of an adapter's device went.
enum class RestartStatus {
  Restarted,     // disabled and enabled again
  NoDevice,      // no present device has that class subkey as its driver key
  AccessDenied,  // the caller may not change the device's state
  Failed,        // anything else; the error says what
  LeftDisabled,  // disabled, but enabling it again failed twice: it stays disabled
  WrongArchitecture,  // a 32-bit program on 64-bit Windows, which the device installer refuses
};

struct RestartResult {
  RestartStatus status = RestartStatus::Failed;
  unsigned long error = 0;  // the system's error code behind any status but Restarted
};

// The network adapters' devices, named by their class subkey (0007). Tests
// stand in for the system's devices, which Wine does not have.
class AdapterDevices {
 public:
  virtual ~AdapterDevices() = default;
  // Disables the device whose driver key is the network class key's subkey
  // adapterIndex and enables it again, so that its driver reads the
  // overriding address anew. Returns once the device is enabled again, or
  // once a second attempt to enable it has failed too.
  virtual RestartResult Restart(const std::wstring& adapterIndex) = 0;
};

// This machine's devices, through the device installer.
std::unique_ptr<AdapterDevices> SystemAdapterDevices();

}  // namespace quav
