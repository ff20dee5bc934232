#include "adapters/PermanentAddress.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace quav {
namespace {

// A driver that gives the answer and status the test sets.
class FakeNdis final : public NdisDevices {
 public:
  unsigned long Query(const std::wstring& instanceId, uint32_t oid, std::vector<uint8_t>& reply) override {
    asked = instanceId;
    askedOid = oid;
    reply = answer;
    return status;
  }
  unsigned long status = ERROR_SUCCESS;
  std::vector<uint8_t> answer;
  std::wstring asked;
  uint32_t askedOid = 0;
};

constexpr wchar_t kGuid[] = L"{AAAAAAAA-0000-0000-0000-000000000001}";

TEST(PermanentAddress, OnlyASixByteAnswerOfTheDriverIsAnAddress) {
  FakeNdis driver;
  driver.answer = {0x00, 0x0C, 0x29, 0x3A, 0x4B, 0x5C};
  EXPECT_EQ(L"00-0C-29-3A-4B-5C", PermanentAddress(kGuid, driver).value_or(L"<none>"));
  EXPECT_EQ(kGuid, driver.asked);
  EXPECT_EQ(0x01010101u, driver.askedOid) << "OID_802_3_PERMANENT_ADDRESS";

  driver.answer = {0x00, 0x0C, 0x29, 0x3A};
  EXPECT_FALSE(PermanentAddress(kGuid, driver)) << "a short answer";
  driver.answer = {0x00, 0x0C, 0x29, 0x3A, 0x4B, 0x5C};
  for (const unsigned long refused : {ERROR_FILE_NOT_FOUND, ERROR_NOT_SUPPORTED, ERROR_INVALID_FUNCTION}) {
    driver.status = refused;
    EXPECT_FALSE(PermanentAddress(kGuid, driver)) << refused;
  }
}

// Wine has no NDIS devices: the system's query fails with the error, and
// says nothing else.
TEST(PermanentAddress, TheSystemsQueryOfAMissingDeviceFails) {
  SystemNdisDevices devices;
  std::vector<uint8_t> answer{1};
  EXPECT_NE(static_cast<unsigned long>(ERROR_SUCCESS), devices.Query(kGuid, 0x01010101, answer));
  EXPECT_TRUE(answer.empty());
  EXPECT_FALSE(PermanentAddress(L"", devices));
}

}  // namespace
}  // namespace quav
