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

bool IsInstanceGuid(std::wstring_view text) {
  static constexpr std::wstring_view kPattern = L"{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
  if (text.size() != kPattern.size()) return false;
  for (size_t k = 0; k < text.size(); ++k) {
    const wchar_t c = text[k];
    if (kPattern[k] != L'x') {
      if (c != kPattern[k]) return false;
    } else if (!((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'))) {
      return false;
    }
  }
  return true;
}

}  // namespace quav
