#include "change/NewAddressRules.h"

namespace quav {

std::optional<MacBytes> ParseMacArgument(std::wstring_view text) {
  // 12 digits bare, or 17 characters with the same separator after every pair.
  if (text.size() == 17) {
    const wchar_t separator = text[2];
    if (separator != L'-' && separator != L':') return std::nullopt;
    for (size_t at = 2; at < text.size(); at += 3) {
      if (text[at] != separator) return std::nullopt;
    }
  } else if (text.size() != 12) {
    return std::nullopt;
  }
  return AddressBytes(text);
}

std::wstring MacDigits(const MacBytes& address) { return HardwareAddressText(address.data(), address.size(), L""); }

std::wstring MacDisplay(const MacBytes& address) { return HardwareAddressText(address.data(), address.size()); }

std::vector<AddressWarning> WarningsFor(const MacBytes& address, bool wireless) {
  std::vector<AddressWarning> warnings;
  if (IsAllZeros(address)) {
    warnings.push_back(AddressWarning::AllZero);
  } else if (IsBroadcast(address)) {
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
  address[0] = static_cast<uint8_t>((address[0] & ~0x01) | 0x02);  // individual, local
  return address;
}

}  // namespace quav
