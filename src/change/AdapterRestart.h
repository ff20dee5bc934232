#pragma once

#include <string>

#include "adapters/AdapterFacts.h"
#include "change/AdapterDevices.h"
#include "change/RestartReport.h"

namespace quav {

// Restarts the adapter's device and, once it is back in the interface table
// (waiting up to waitMilliseconds), compares the address it presents with
// the overriding address stored for it.
RestartReport RestartAndVerify(const std::wstring& adapterIndex, AdapterDevices& devices, AdapterFacts& facts,
                               unsigned waitMilliseconds = 15000);

}  // namespace quav
