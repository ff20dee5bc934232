#include "adapters/PermanentAddress.h"

#include <windows.h>
#include <winioctl.h>
#include <ntddndis.h>

#include "adapters/AddressRules.h"
#include "platform/Handles.h"

namespace quav {
namespace {

constexpr size_t kAddressBytes = 6;

}  // namespace

unsigned long SystemNdisDevices::Query(const std::wstring& instanceId, uint32_t oid, std::vector<uint8_t>& answer) {
  answer.clear();
  if (instanceId.empty()) return ERROR_FILE_NOT_FOUND;
  const std::wstring device = L"\\\\.\\" + instanceId;
  UniqueFile file(::CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                nullptr));
  if (!file) return ::GetLastError();
  // Larger than any address a driver gives: a longer answer is not one of ours.
  uint8_t buffer[32] = {};
  DWORD returned = 0;
  DWORD query = oid;
  if (!::DeviceIoControl(file.get(), IOCTL_NDIS_QUERY_GLOBAL_STATS, &query, sizeof query, buffer, sizeof buffer,
                         &returned, nullptr)) {
    return ::GetLastError();
  }
  answer.assign(buffer, buffer + (returned < sizeof buffer ? returned : sizeof buffer));
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
