#pragma once

#include <string>

#include "change/AdapterDevices.h"

namespace quav {

// The system's network adapters, restarted through the device installer:
// the same disable and enable as the device manager's.
class SetupApiAdapterDevices final : public AdapterDevices {
 public:
  RestartResult Restart(const std::wstring& adapterIndex) override;
};

}  // namespace quav
