#include "adapters/NetworkIdentity.h"

#include "adapters/AddressRules.h"

namespace quav {
namespace {

// The code points of valid UTF-8, none for anything else (overlong forms,
// surrogates and values past U+10FFFF included).
std::optional<std::u32string> Utf8CodePoints(std::string_view bytes) {
  std::u32string points;
  for (size_t k = 0; k < bytes.size();) {
    const auto lead = static_cast<uint8_t>(bytes[k]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || k + length > bytes.size()) return std::nullopt;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t n = 1; n < length; ++n) {
      const auto next = static_cast<uint8_t>(bytes[k + n]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      point = (point << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
    points += point;
    k += length;
  }
  return points;
}

std::string Tagged(std::string_view tag, std::string_view bytes) {
  std::string identity(tag);
  identity += '\0';
  identity += bytes;
  return identity;
}

}  // namespace

std::wstring SsidText(std::string_view ssid) {
  const std::optional<std::u32string> points = Utf8CodePoints(ssid);
  if (!points) return HardwareAddressText(reinterpret_cast<const uint8_t*>(ssid.data()), ssid.size(), L"");
  std::wstring text;
  for (const char32_t point : *points) {
    if (point < 0x20 || point == 0x7F) {
      text += L'?';
    } else if (point >= 0x10000) {
      text += static_cast<wchar_t>(0xD800 + ((point - 0x10000) >> 10));
      text += static_cast<wchar_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
    } else {
      text += static_cast<wchar_t>(point);
    }
  }
  return text;
}

NetworkIdentity WiFiIdentity(std::string_view ssid, uint32_t authentication, std::wstring_view profile) {
  std::string bytes(ssid);
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(authentication >> shift);
  return {NetworkIdentityStatus::Known, NetworkSource::WiFi, SsidText(ssid), Tagged("wifi", bytes),
          std::wstring(profile)};
}

NetworkIdentity NetworkListIdentity(const std::array<uint8_t, 16>& networkId, std::wstring_view name) {
  const std::string bytes(networkId.begin(), networkId.end());
  return {NetworkIdentityStatus::Known, NetworkSource::NetworkList, std::wstring(name), Tagged("network list", bytes),
          L""};
}

NetworkIdentity GatewayIdentity(const std::array<uint8_t, 6>& gateway) {
  const std::string bytes(gateway.begin(), gateway.end());
  return {NetworkIdentityStatus::Known, NetworkSource::Gateway, HardwareAddressText(gateway.data(), gateway.size()),
          Tagged("gateway", bytes), L""};
}

}  // namespace quav
