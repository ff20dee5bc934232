#pragma once

#include <functional>
#include <string>

#include "change/AdapterDevices.h"

namespace quav {

// The system's network adapters, restarted through the device installer:
// the same disable and enable as the device manager's.
class SetupApiAdapterDevices final : public AdapterDevices {
 public:
  RestartResult Restart(const std::wstring& adapterIndex) override;
};

// Disables the device and enables it again, trying the enable a second time
// when the first attempt fails; changeState asks for DICS_DISABLE or
// DICS_ENABLE and gives ERROR_SUCCESS or why not. Restarted when the device
// is enabled again (whatever the installer then says of a reboot).
RestartResult DisableAndEnable(const std::function<unsigned long(unsigned long state)>& changeState);

}  // namespace quav
