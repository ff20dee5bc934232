#include <windows.h>

#include <gtest/gtest.h>

#include <setupapi.h>

#include <string>
#include <vector>

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

// The installer's answers in turn, and what the restart makes of them.
TEST(SetupApiAdapterDevices, AFailedEnableIsTriedOnceMore) {
  struct Case {
    std::vector<unsigned long> answers;  // to disable, enable, enable again
    RestartStatus status;
    unsigned long error;
    size_t asked;
  };
  const Case cases[] = {
      {{ERROR_SUCCESS, ERROR_SUCCESS}, RestartStatus::Restarted, ERROR_SUCCESS, 2},
      {{ERROR_SUCCESS, ERROR_GEN_FAILURE, ERROR_SUCCESS}, RestartStatus::Restarted, ERROR_SUCCESS, 3},
      {{ERROR_SUCCESS, ERROR_GEN_FAILURE, ERROR_NOT_READY}, RestartStatus::LeftDisabled, ERROR_NOT_READY, 3},
      {{ERROR_ACCESS_DENIED}, RestartStatus::AccessDenied, ERROR_ACCESS_DENIED, 1},
  };
  for (const Case& c : cases) {
    std::vector<unsigned long> states;
    const RestartResult result = DisableAndEnable([&](unsigned long state) {
      states.push_back(state);
      return c.answers.at(states.size() - 1);
    });
    EXPECT_EQ(c.status, result.status) << c.answers.size();
    EXPECT_EQ(c.error, result.error) << c.answers.size();
    ASSERT_EQ(c.asked, states.size());
    EXPECT_EQ(static_cast<unsigned long>(DICS_DISABLE), states[0]);
    for (size_t k = 1; k < states.size(); ++k) EXPECT_EQ(static_cast<unsigned long>(DICS_ENABLE), states[k]);
  }
}

}  // namespace
}  // namespace quav
