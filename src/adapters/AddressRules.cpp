#include "adapters/AddressRules.h"

#include <algorithm>

#include "platform/TextRules.h"
#include "platform/VersionNumber.h"

namespace quav {

bool PassesAddressTest(std::wstring_view addressText) {
  return LeadingNumber(addressText) > 0 && addressText.size() > 8;
}

std::wstring HardwareAddressText(const uint8_t* bytes, size_t count, std::wstring_view separator) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) text += separator;
    text.push_back(kDigits[bytes[i] >> 4]);
    text.push_back(kDigits[bytes[i] & 0x0F]);
  }
  return text;
}

std::optional<MacBytes> AddressBytes(std::wstring_view text) {
  MacBytes address{};
  size_t digits = 0;
  for (const wchar_t c : text) {
    if (c == L'-' || c == L':') continue;
    int value = -1;
    if (c >= L'0' && c <= L'9') value = c - L'0';
    if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
    if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
    if (value < 0 || digits == 2 * address.size()) return std::nullopt;
    uint8_t& byte = address[digits / 2];
    byte = static_cast<uint8_t>(byte << 4 | value);
    ++digits;
  }
  if (digits != 2 * address.size()) return std::nullopt;
  return address;
}

bool SameAddress(std::wstring_view a, std::wstring_view b) {
  const std::optional<MacBytes> first = AddressBytes(a);
  return first && first == AddressBytes(b);
}

bool IsAllZeros(const MacBytes& address) {
  return std::all_of(address.begin(), address.end(), [](uint8_t b) { return b == 0x00; });
}

bool IsBroadcast(const MacBytes& address) {
  return std::all_of(address.begin(), address.end(), [](uint8_t b) { return b == 0xFF; });
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
