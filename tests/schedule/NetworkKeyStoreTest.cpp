#include "schedule/NetworkKeyStore.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include "platform/FileApi.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/WriterRules.h"
#include "support/RegistryFixture.h"

namespace quav {
namespace {

class NetworkKeyStore : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey); }
  void TearDown() override { test::DeleteTree(HKEY_LOCAL_MACHINE, kMachineSettingsKey); }
};

// The key as Wine's registry keeps it: made once, its DACL granting only
// SYSTEM and Administrators and nothing inherited, and read back the same.
TEST_F(NetworkKeyStore, IsMadeOnceReadableOnlyByAdministratorsAndSystem) {
  EXPECT_EQ(NetworkKeyStatus::Missing, OpenNetworkKey(false).status);
  const NetworkKeyOutcome made = OpenNetworkKey(true);
  ASSERT_EQ(NetworkKeyStatus::Ready, made.status) << made.sentence;
  EXPECT_NE(NetworkKey{}, made.key);
  EXPECT_EQ(made.key, OpenNetworkKey(true).key);
  EXPECT_EQ(made.key, OpenNetworkKey(false).key);

  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::GetNamedSecurityInfoW((std::wstring(L"MACHINE\\") + kNetworkKeyKey).c_str(),
                                                   SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                                   &dacl, nullptr, &descriptor));
  LPWSTR sddl = nullptr;
  ASSERT_TRUE(::ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1,
                                                                     DACL_SECURITY_INFORMATION, &sddl, nullptr));
  EXPECT_STREQ(L"D:P(A;;KA;;;SY)(A;;KA;;;BA)", sddl);
  ::LocalFree(sddl);
  ::LocalFree(descriptor);

  EXPECT_EQ(ERROR_SUCCESS, DeleteNetworkKey());
  EXPECT_EQ(ERROR_SUCCESS, DeleteNetworkKey());
  EXPECT_EQ(NetworkKeyStatus::Missing, OpenNetworkKey(false).status);
}

TEST_F(NetworkKeyStore, AKeyOthersCanReadOrThatHoldsNoKeyIsNotUsed) {
  ASSERT_EQ(NetworkKeyStatus::Ready, OpenNetworkKey(true).status);
  {
    test::DeniedKey loose(HKEY_LOCAL_MACHINE, kNetworkKeyKey, L"D:(A;;KA;;;BA)(A;;KR;;;BU)");
    const NetworkKeyOutcome read = OpenNetworkKey(true);
    EXPECT_EQ(NetworkKeyStatus::Unsafe, read.status);
    EXPECT_EQ(NetworkKey{}, read.key);
    EXPECT_NE(std::wstring::npos, read.sentence.find(L"S-1-5-32-545")) << read.sentence;
  }
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kNetworkKeyKey, 0, KEY_SET_VALUE, &key));
  const BYTE shortKey[16] = {1};
  ::RegSetValueExW(key, L"Key", 0, REG_BINARY, shortKey, sizeof shortKey);
  ::RegCloseKey(key);
  EXPECT_EQ(NetworkKeyStatus::Failed, OpenNetworkKey(true).status);
}

}  // namespace
}  // namespace quav
