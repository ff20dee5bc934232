#include "adapters/PermanentAddress.h"

#include <windows.h>
#include <winioctl.h>
#include <ntddndis.h>

#include <memory>

#include "adapters/AddressRules.h"
#include "platform/Handles.h"

namespace quav {
namespace {

constexpr size_t kAddressBytes = 6;

// A driver that holds the request must not hold the window that asked.
constexpr DWORD kDriverTimeLimit = 1000;

// A request in flight: the driver writes its answer and the system the
// outcome into it whenever it completes, so it lives apart from the caller.
struct DriverRequest {
  OVERLAPPED overlapped{};
  // Larger than any address a driver gives: a longer answer is not one of ours.
  uint8_t buffer[32] = {};
  UniqueHandle completed;
};

}  // namespace

unsigned long SystemNdisDevices::Query(const std::wstring& instanceId, uint32_t oid, std::vector<uint8_t>& answer) {
  answer.clear();
  // Anything but a GUID might name a pipe or another device under \\.\.
  if (!IsInstanceGuid(instanceId)) return ERROR_FILE_NOT_FOUND;
  const std::wstring device = L"\\\\.\\" + instanceId;
  // Whatever answers may learn who asks, never act as them.
  UniqueFile file(::CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
  if (!file) return ::GetLastError();
  const DWORD query = oid;
  return AskDevice(file.get(), IOCTL_NDIS_QUERY_GLOBAL_STATS, &query, sizeof query, answer, kDriverTimeLimit);
}

unsigned long AskDevice(void* device, unsigned long code, const void* question, unsigned long questionSize,
                        std::vector<uint8_t>& answer, unsigned long timeLimit) {
  answer.clear();
  auto request = std::make_unique<DriverRequest>();
  request->completed.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!request->completed) return ::GetLastError();
  request->overlapped.hEvent = request->completed.get();
  if (!::DeviceIoControl(device, code, const_cast<void*>(question), questionSize, request->buffer,
                         sizeof request->buffer, nullptr, &request->overlapped)) {
    const DWORD error = ::GetLastError();
    if (error != ERROR_IO_PENDING) return error;
    if (::WaitForSingleObject(request->completed.get(), timeLimit) != WAIT_OBJECT_0) {
      ::CancelIo(device);
      if (::WaitForSingleObject(request->completed.get(), timeLimit) != WAIT_OBJECT_0) {
        // Not even cancelled: the driver may still write into the request
        // at any time, so it is left to the driver for good.
        static_cast<void>(request.release());
        return ERROR_TIMEOUT;
      }
    }
  }
  DWORD returned = 0;
  if (!::GetOverlappedResult(device, &request->overlapped, &returned, FALSE)) return ::GetLastError();
  const DWORD kept = returned < sizeof request->buffer ? returned : sizeof request->buffer;
  answer.assign(request->buffer, request->buffer + kept);
  return ERROR_SUCCESS;
}

std::optional<std::wstring> PermanentAddress(const std::wstring& instanceId, NdisDevices& devices) {
  std::vector<uint8_t> answer;
  if (devices.Query(instanceId, OID_802_3_PERMANENT_ADDRESS, answer) != ERROR_SUCCESS ||
      answer.size() != kAddressBytes) {
    return std::nullopt;
  }
  return HardwareAddressText(answer.data(), answer.size());
}

}  // namespace quav
