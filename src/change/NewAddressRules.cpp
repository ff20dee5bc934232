#include "change/NewAddressRules.h"

#include <algorithm>

namespace quav {
namespace {

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

std::wstring Joined(const MacBytes& address, std::wstring_view separator) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  for (size_t k = 0; k < address.size(); ++k) {
    if (k > 0) text += separator;
    text += kDigits[address[k] >> 4];
    text += kDigits[address[k] & 0x0F];
  }
  return text;
}

}  // namespace

std::optional<MacBytes> ParseMacArgument(std::wstring_view text) {
  // 12 digits bare, or 17 characters with the same separator after every pair.
  size_t step = 2;
  wchar_t separator = 0;
  if (text.size() == 17) {
    separator = text[2];
    if (separator != L'-' && separator != L':') return std::nullopt;
    step = 3;
  } else if (text.size() != 12) {
    return std::nullopt;
  }
  MacBytes address{};
  for (size_t k = 0; k < address.size(); ++k) {
    const size_t at = k * step;
    if (separator != 0 && k > 0 && text[at - 1] != separator) return std::nullopt;
    const int high = HexValue(text[at]);
    const int low = HexValue(text[at + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    address[k] = static_cast<uint8_t>(high << 4 | low);
  }
  return address;
}

std::wstring MacDigits(const MacBytes& address) { return Joined(address, L""); }

std::wstring MacDisplay(const MacBytes& address) { return Joined(address, L"-"); }

std::vector<AddressWarning> WarningsFor(const MacBytes& address, bool wireless) {
  std::vector<AddressWarning> warnings;
  const auto all = [&](uint8_t value) {
    return std::all_of(address.begin(), address.end(), [value](uint8_t b) { return b == value; });
  };
  if (all(0x00)) {
    warnings.push_back(AddressWarning::AllZero);
  } else if (all(0xFF)) {
    warnings.push_back(AddressWarning::Broadcast);
  } else if (IsGroupAddress(address)) {
    warnings.push_back(AddressWarning::Group);
  }
  if (wireless && !IsLocallyAdministered(address)) warnings.push_back(AddressWarning::NotLocal);
  return warnings;
}

std::wstring WarningMessage(const std::vector<AddressWarning>& warnings, const MacBytes& address,
                            std::wstring_view adapterIndex) {
  std::wstring text = L"新的 MAC 地址 " + MacDisplay(address) + L" 可能无法用于网络适配器 " +
                      std::wstring(adapterIndex) + L"：\r\n";
  for (const AddressWarning warning : warnings) {
    text += L"\r\n";
    switch (warning) {
      case AddressWarning::AllZero:
        text += L"全部为零的地址不属于任何网络适配器，驱动程序将继续使用原来的地址。";
        break;
      case AddressWarning::Broadcast:
        text += L"这是广播地址，网络适配器不能把它用作自己的地址。";
        break;
      case AddressWarning::Group:
        text += L"这是组播（多播）地址：第一个字节的最低位为 1。驱动程序通常不接受它。";
        break;
      case AddressWarning::NotLocal:
        text += L"这是无线网络适配器，而该地址不是本地管理的地址（第一个字节的第二低位为 0）。"
                L"许多无线驱动程序只接受第二个十六进制数字为 2、6、A 或 E 的地址。";
        break;
    }
  }
  text += L"\r\n\r\n仍要更新 MAC 地址吗？";
  return text;
}

MacBytes LocallyAdministeredUnicast(MacBytes address) {
  address[0] = static_cast<uint8_t>((address[0] & ~0x01) | 0x02);
  return address;
}

}  // namespace quav
