#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "change/SetupApiAdapterDevices.h"

namespace quav {
namespace {

// Wine presents no device of the network class, while its display and
// monitor devices have driver keys ending in 0000: the search ends without a
// device, and a device of another class is never taken for the adapter's.
TEST(SetupApiAdapterDevices, AdapterWithoutAPresentDeviceIsNoDevice) {
  SetupApiAdapterDevices devices;
  for (const wchar_t* adapterIndex : {L"0000", L"9999", L""}) {
    const RestartResult result = devices.Restart(adapterIndex);
    EXPECT_EQ(RestartStatus::NoDevice, result.status) << adapterIndex << L": error " << result.error;
    EXPECT_EQ(static_cast<unsigned long>(ERROR_NOT_FOUND), result.error) << adapterIndex;
  }
}

}  // namespace
}  // namespace quav
