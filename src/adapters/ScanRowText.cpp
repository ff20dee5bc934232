#include "adapters/ScanRowText.h"

#include <utility>

#include "platform/TextRules.h"

namespace quav {

std::wstring PaddedAdapterIndex(std::wstring indexText) {
  constexpr size_t kWidth = 4;
  if (!indexText.empty() && indexText.size() < kWidth) indexText.insert(0, kWidth - indexText.size(), L'0');
  return indexText;
}

std::wstring DisplayMacAddress(std::wstring macText) { return Replaced(std::move(macText), L':', L'-'); }

std::wstring AddressColumnText(std::wstring_view firstAddress) {
  return firstAddress.find(L'.') == std::wstring_view::npos ? std::wstring() : std::wstring(firstAddress);
}

}  // namespace quav
