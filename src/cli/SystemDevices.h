#pragma once

#include <memory>

#include "change/AdapterDevices.h"

namespace quav {

// The devices of this machine, for the command line's restart.
std::unique_ptr<AdapterDevices> MakeSystemAdapterDevices();

}  // namespace quav
