#include "e2e/E2EFixture.h"

#include "platform/Settings.h"

namespace quav::e2e {
namespace {

// Wine takes a program's DLL overrides from this key (an override in the
// child's environment is not read: Wine hands a child its parent's).
constexpr wchar_t kOverrides[] = L"Software\\Wine\\AppDefaults\\quav.exe\\DllOverrides";

}  // namespace

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
  test::DeleteTree(HKEY_CURRENT_USER, kOverrides);
  ForgetSettings();
}

std::wstring E2E::TestName() const {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string(info->test_suite_name()) + "." + info->name();
  return std::wstring(name.begin(), name.end());
}

QuavApp& E2E::Launch(bool disableWmi) {
  app = std::make_unique<QuavApp>(TestName());
  SwitchWmi(!disableWmi);
  app->Start();
  EXPECT_TRUE(app->WaitForMainWindow()) << "the main window did not appear";
  EXPECT_TRUE(app->WaitForListLoaded()) << "the list did not finish loading: " << std::string(app->Title().begin(),
                                                                                              app->Title().end());
  app->Settle();
  // The list is in, so WMI was asked if it could be: its module is there
  // exactly when it is on.
  if (disableWmi) {
    EXPECT_FALSE(app->HasLoaded(L"wbemprox.dll")) << "WMI is not switched off";
  }
  return *app;
}

void E2E::SwitchWmi(bool on) {
  test::DeleteTree(HKEY_CURRENT_USER, kOverrides);
  if (on) return;
  for (const wchar_t* wmi : {L"wbemprox", L"wbemdisp"}) {
    test::SetText(HKEY_CURRENT_USER, kOverrides, wmi, L"");  // empty: not loaded at all
  }
}

std::wstring E2E::Setting(const wchar_t* name) { return test::StoredString(HKEY_CURRENT_USER, kSettingsKey, name); }

void E2E::SetSetting(const wchar_t* name, const wchar_t* text) {
  test::SetText(HKEY_CURRENT_USER, kSettingsKey, name, text);
}

void E2E::ForgetSettings() { test::DeleteTree(HKEY_CURRENT_USER, L"SOFTWARE\\ORV"); }

}  // namespace quav::e2e
