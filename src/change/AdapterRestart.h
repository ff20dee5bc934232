#pragma once

#include <functional>
#include <string>

#include "adapters/AdapterFacts.h"
#include "change/AdapterDevices.h"
#include "change/RestartReport.h"

namespace quav {

// How the caller passes the time between two looks at the interface table:
// the command line sleeps, a window keeps answering its messages.
using RestartPause = std::function<void(unsigned milliseconds)>;

// Restarts the adapter's device and, once it is back in the interface table
// (waiting up to waitMilliseconds, in pauses; none: Sleep), compares the
// address it presents with the overriding address stored for it.
RestartReport RestartAndVerify(const std::wstring& adapterIndex, AdapterDevices& devices, AdapterFacts& facts,
                               unsigned waitMilliseconds = 15000, const RestartPause& pause = {});

}  // namespace quav
