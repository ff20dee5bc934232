#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quav {

// Asks an adapter's driver through its device (\\.\{instance GUID}); tests
// stand in for it.
class NdisDevices {
 public:
  virtual ~NdisDevices() = default;
  // Queries one NDIS object of the adapter: ERROR_SUCCESS with the driver's
  // answer, or the system's error (no such device, the driver refused).
  virtual unsigned long Query(const std::wstring& instanceId, uint32_t oid, std::vector<uint8_t>& answer) = 0;
};

// The drivers of this machine, asked with no access rights: the query needs
// none, so it works for any user and never blocks a writer.
class SystemNdisDevices final : public NdisDevices {
 public:
  unsigned long Query(const std::wstring& instanceId, uint32_t oid, std::vector<uint8_t>& answer) override;
};

// Sends one request to a device opened for overlapped use and waits for the
// answer (at most 32 bytes) up to timeLimit milliseconds; a request still
// held then is cancelled (ERROR_OPERATION_ABORTED). ERROR_SUCCESS, or the
// system's error.
unsigned long AskDevice(void* device, unsigned long code, const void* question, unsigned long questionSize,
                        std::vector<uint8_t>& answer, unsigned long timeLimit);

// The address burned into the adapter (00-0C-29-3A-4B-5C), as its driver
// tells it; none when the driver cannot be asked or gives no 6-byte answer.
std::optional<std::wstring> PermanentAddress(const std::wstring& instanceId, NdisDevices& devices);

}  // namespace quav
