#include "cli/SystemDevices.h"

#include <windows.h>

namespace quav {
namespace {

// No device can be restarted yet: every adapter reports NoDevice.
class NoAdapterDevices final : public AdapterDevices {
 public:
  RestartResult Restart(const std::wstring&) override { return {RestartStatus::NoDevice, ERROR_NOT_FOUND}; }
};

}  // namespace

std::unique_ptr<AdapterDevices> MakeSystemAdapterDevices() { return std::make_unique<NoAdapterDevices>(); }

}  // namespace quav
