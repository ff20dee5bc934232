#include "adapters/AddressRules.h"

#include "platform/TextRules.h"
#include "platform/VersionNumber.h"

namespace quav {

bool PassesAddressTest(std::wstring_view addressText) {
  return LeadingNumber(addressText) > 0 && addressText.size() > 8;
}

std::wstring HardwareAddressText(const uint8_t* bytes, size_t count) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) text.push_back(L'-');
    text.push_back(kDigits[bytes[i] >> 4]);
    text.push_back(kDigits[bytes[i] & 0x0F]);
  }
  return text;
}

std::wstring FoldedKey(std::wstring_view key) { return UpperCase(std::wstring(key)); }

}  // namespace quav
