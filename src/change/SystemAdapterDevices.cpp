#include <windows.h>
#include <setupapi.h>

#include <memory>

#include "change/AdapterDevices.h"
#include "change/SetupApiAdapterDevices.h"
#include "platform/SystemFacts.h"

namespace quav {
namespace {

// The device installer refuses to change a device's state from a 32-bit
// process on 64-bit Windows (ERROR_IN_WOW64): asked first, so that the user
// learns which program to use rather than an error code.
class ArchitectureCheckedDevices final : public AdapterDevices {
 public:
  RestartResult Restart(const std::wstring& adapterIndex) override {
    if (RunsUnderWow64()) return {RestartStatus::WrongArchitecture, static_cast<unsigned long>(ERROR_IN_WOW64)};
    return devices_.Restart(adapterIndex);
  }

 private:
  SetupApiAdapterDevices devices_;
};

}  // namespace

std::unique_ptr<AdapterDevices> SystemAdapterDevices() { return std::make_unique<ArchitectureCheckedDevices>(); }

}  // namespace quav
