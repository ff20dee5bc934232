#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "e2e/QuavApp.h"
#include "support/RegistryFixture.h"
#include "ui/main/frmMainControls.h"

namespace quav::e2e {

// Each scenario starts from a machine with no adapters, the terms accepted
// and the restart notice on, and ends with the program gone.
class E2E : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program and waits for its first load to finish.
  QuavApp& Launch(bool disableWmi = true);
  // For the programs started after it. Scenarios about the registry pass
  // switch WMI off: WMI that works would list this machine's own adapters.
  static void SwitchWmi(bool on);
  // The settings value, or empty when missing.
  static std::wstring Setting(const wchar_t* name);
  static void SetSetting(const wchar_t* name, const wchar_t* text);
  static void ForgetSettings();
  std::wstring TestName() const;

  test::AdapterRegistry adapters;
  std::unique_ptr<QuavApp> app;
};

}  // namespace quav::e2e
