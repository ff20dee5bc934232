#include "e2e/E2EFixture.h"

#include "platform/Settings.h"

namespace quav::e2e {

void E2E::SetUp() {
  // Wine's desktop process starts with the first window of a session and
  // needs write access below the machine key then: have it running before a
  // scenario takes rights away.
  ::DestroyWindow(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  ForgetSettings();
  SetSetting(kAgreementValue, L"1");
}

void E2E::TearDown() {
  if (app) {
    app->Kill();
    app.reset();
  }
  ForgetSettings();
}

std::wstring E2E::TestName() const {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string(info->test_suite_name()) + "." + info->name();
  return std::wstring(name.begin(), name.end());
}

QuavApp& E2E::Launch(bool disableWmi) {
  app = std::make_unique<QuavApp>(TestName());
  // Wine's WMI on this machine gives up on interfaces without an address, so
  // scenarios that are about the registry pass say so explicitly.
  if (disableWmi) app->SetEnvironment(L"WINEDLLOVERRIDES", L"wbemprox,wbemdisp=d;mscoree,mshtml=");
  app->Start();
  EXPECT_TRUE(app->WaitForMainWindow()) << "the main window did not appear";
  EXPECT_TRUE(app->WaitForListLoaded()) << "the list did not finish loading: " << std::string(app->Title().begin(),
                                                                                              app->Title().end());
  app->Settle();
  return *app;
}

std::wstring E2E::Setting(const wchar_t* name) { return test::StoredString(HKEY_CURRENT_USER, kSettingsKey, name); }

void E2E::SetSetting(const wchar_t* name, const wchar_t* text) {
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, name, text);
}

void E2E::ForgetSettings() { test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV"); }

}  // namespace quav::e2e
