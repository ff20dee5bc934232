#include "adapters/PermanentAddress.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Handles.h"

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

// Only a GUID is looked for under \\.\: an instance ID that leads to a pipe
// is refused before anything is opened, so no pipe server hears of it.
TEST(PermanentAddress, TheSystemsQueryOpensNothingButAGuidsDevice) {
  UniqueHandle server(::CreateNamedPipeW(L"\\\\.\\pipe\\quav-ndis-test", PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                         PIPE_TYPE_BYTE, 1, 64, 64, 0, nullptr));
  ASSERT_TRUE(server);
  UniqueHandle connected(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  OVERLAPPED waiting{};
  waiting.hEvent = connected.get();
  ASSERT_FALSE(::ConnectNamedPipe(server.get(), &waiting));
  ASSERT_EQ(static_cast<DWORD>(ERROR_IO_PENDING), ::GetLastError());

  SystemNdisDevices devices;
  std::vector<uint8_t> answer;
  EXPECT_NE(static_cast<unsigned long>(ERROR_SUCCESS),
            devices.Query(L"{x}\\..\\pipe\\quav-ndis-test", 0x01010101, answer));
  EXPECT_NE(static_cast<unsigned long>(ERROR_SUCCESS), devices.Query(L"pipe\\quav-ndis-test", 0x01010101, answer));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), ::WaitForSingleObject(connected.get(), 0)) << "the pipe was opened";
  ::CancelIo(server.get());
  DWORD ignored = 0;
  ::GetOverlappedResult(server.get(), &waiting, &ignored, TRUE);
}

// A device that holds the request (here a pipe whose server never answers a
// transaction) is given up on at the time limit, the request cancelled.
TEST(PermanentAddress, ARequestTheDeviceHoldsEndsAtTheTimeLimit) {
  constexpr wchar_t kPipe[] = L"\\\\.\\pipe\\quav-held-test";
  UniqueHandle server(::CreateNamedPipeW(kPipe, PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, 1, 64,
                                         64, 0, nullptr));
  ASSERT_TRUE(server);
  UniqueHandle client(::CreateFileW(kPipe, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OVERLAPPED, nullptr));
  ASSERT_TRUE(client);
  DWORD mode = PIPE_READMODE_MESSAGE;
  ASSERT_TRUE(::SetNamedPipeHandleState(client.get(), &mode, nullptr, nullptr));

  std::vector<uint8_t> answer;
  constexpr unsigned long kPeek = 0x0011400C;      // FSCTL_PIPE_PEEK: answered at once
  constexpr unsigned long kTransact = 0x0011C017;  // FSCTL_PIPE_TRANSCEIVE: waits for the server
  EXPECT_EQ(static_cast<unsigned long>(ERROR_SUCCESS), AskDevice(client.get(), kPeek, nullptr, 0, answer, 1000));
  EXPECT_FALSE(answer.empty());
  const DWORD start = ::GetTickCount();
  EXPECT_EQ(static_cast<unsigned long>(ERROR_OPERATION_ABORTED),
            AskDevice(client.get(), kTransact, "ask", 3, answer, 200));
  const DWORD waited = ::GetTickCount() - start;
  EXPECT_GE(waited, 150u) << "held until the limit";
  EXPECT_LT(waited, 2000u);
  EXPECT_TRUE(answer.empty());
}

}  // namespace
}  // namespace quav
