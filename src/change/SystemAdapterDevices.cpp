#include <memory>

#include "change/AdapterDevices.h"

namespace quav {
namespace {

// Until the device installer is wired in, no device is found to restart.
class NoDevices final : public AdapterDevices {
 public:
  RestartResult Restart(const std::wstring&) override { return {RestartStatus::NoDevice, ERROR_NOT_FOUND_CODE}; }

 private:
  static constexpr unsigned long ERROR_NOT_FOUND_CODE = 1168;
};

}  // namespace

std::unique_ptr<AdapterDevices> SystemAdapterDevices() { return std::make_unique<NoDevices>(); }

}  // namespace quav
