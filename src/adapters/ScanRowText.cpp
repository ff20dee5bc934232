#include "adapters/ScanRowText.h"

#include <utility>

#include "adapters/AdapterScan.h"
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

std::optional<int> CompareByMeaning(int column, std::wstring_view a, std::wstring_view b) {
  if (column != kActiveColumn && column != kOverriddenColumn) return std::nullopt;
  const auto meaning = [](std::wstring_view text) -> std::optional<int> {
    if (text == kYesText) return 1;
    if (text == kNoText) return 0;
    return std::nullopt;
  };
  const std::optional<int> first = meaning(a), second = meaning(b);
  if (!first || !second) return std::nullopt;
  return *first - *second;
}

}  // namespace quav
