#include <memory>

#include "change/AdapterDevices.h"
#include "change/SetupApiAdapterDevices.h"

namespace quav {

std::unique_ptr<AdapterDevices> SystemAdapterDevices() { return std::make_unique<SetupApiAdapterDevices>(); }

}  // namespace quav
