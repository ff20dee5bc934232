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
    const int value = HexDigitValue(c);
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

bool IsInstanceGuid(std::wstring_view text) { return InstanceGuidBytes(text).has_value(); }

std::optional<std::array<uint8_t, 16>> InstanceGuidBytes(std::wstring_view text) {
  static constexpr std::wstring_view kPattern = L"{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}";
  if (text.size() != kPattern.size()) return std::nullopt;
  std::array<uint8_t, 16> bytes{};
  size_t digits = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    if (kPattern[k] != L'x') {
      if (text[k] != kPattern[k]) return std::nullopt;
      continue;
    }
    const int value = HexDigitValue(text[k]);
    if (value < 0) return std::nullopt;
    uint8_t& byte = bytes[digits / 2];
    byte = static_cast<uint8_t>(byte << 4 | value);
    ++digits;
  }
  return bytes;
}

}  // namespace quav
