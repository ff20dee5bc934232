#include "change/NewAddressRules.h"

#include "platform/Texts.h"

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

std::vector<AddressWarning> WarningsFor(const MacBytes& address, bool wireless, bool windowsRandom) {
  std::vector<AddressWarning> warnings;
  if (IsAllZeros(address)) {
    warnings.push_back(AddressWarning::AllZero);
  } else if (IsBroadcast(address)) {
    warnings.push_back(AddressWarning::Broadcast);
  } else if (IsGroupAddress(address)) {
    warnings.push_back(AddressWarning::Group);
  }
  if (wireless && !IsLocallyAdministered(address)) warnings.push_back(AddressWarning::NotLocal);
  if (windowsRandom) warnings.push_back(AddressWarning::WindowsRandom);
  return warnings;
}

std::wstring WarningStatement(const std::vector<AddressWarning>& warnings, const MacBytes& address,
                              std::wstring_view adapterIndex, std::wstring_view adapterName) {
  std::wstring text = SayNaming(TextId::WarningHead, adapterName, {MacDisplay(address), adapterIndex});
  for (const AddressWarning warning : warnings) {
    text += L"\r\n";
    switch (warning) {
      case AddressWarning::AllZero:
        text += Say(TextId::WarnAllZero);
        break;
      case AddressWarning::Broadcast:
        text += Say(TextId::WarnBroadcast);
        break;
      case AddressWarning::Group:
        text += Say(TextId::WarnGroup);
        break;
      case AddressWarning::NotLocal:
        text += Say(TextId::WarnNotLocal);
        break;
      case AddressWarning::WindowsRandom:
        text += Say(TextId::WarnWindowsRandom);
        break;
    }
  }
  return text;
}

std::wstring WarningMessage(const std::vector<AddressWarning>& warnings, const MacBytes& address,
                            std::wstring_view adapterIndex, std::wstring_view adapterName) {
  return WarningStatement(warnings, address, adapterIndex, adapterName) + Say(TextId::WarningQuestion);
}

MacBytes LocallyAdministeredUnicast(MacBytes address) {
  address[0] = static_cast<uint8_t>((address[0] & ~kGroupBit) | kLocalBit);  // individual, local
  return address;
}

}  // namespace quav
