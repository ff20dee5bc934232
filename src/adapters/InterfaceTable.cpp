#include "adapters/InterfaceTable.h"

#include "adapters/GrowingBuffer.h"

namespace quav {

InterfaceTable::InterfaceTable()
    : buffer_(FillGrowingBuffer([](unsigned char* data, unsigned long& size) {
        ULONG length = size;
        const DWORD result = ::GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(data), &length);
        size = length;
        return static_cast<unsigned long>(result);
      })) {}

const IP_ADAPTER_INFO* InterfaceTable::First() const {
  return buffer_ ? reinterpret_cast<const IP_ADAPTER_INFO*>(buffer_->data()) : nullptr;
}

}  // namespace quav
