#include "platform/ValueData.h"

namespace quav::value_data {

Kind KindOf(uint32_t type) {
  switch (type) {
    case kNone:
    case kSz:
    case kExpandSz:
    case kMultiSz:
      return Kind::Text;
    case kBinary:
      return Kind::Binary;
    case kDword:
      return Kind::Dword;
    default:
      return Kind::Unhandled;
  }
}

std::string_view TrimTrailingZeros(std::string_view bytes) {
  while (!bytes.empty() && bytes.back() == '\0') bytes.remove_suffix(1);
  return bytes;
}

std::wstring DwordText(uint32_t value) { return std::to_wstring(static_cast<int32_t>(value)); }

std::optional<uint32_t> DwordFromText(std::wstring_view text) {
  while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - L'0');
  }
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<uint32_t>(-static_cast<int64_t>(value));
  }
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<uint32_t>(value);
}

std::string BytesToStore(uint32_t type, std::string ansiText) {
  switch (type) {
    case kExpandSz:
      ansiText.push_back('\0');
      return ansiText;
    case kMultiSz:
      if (ansiText.empty() || ansiText.back() != '\0') {
        ansiText.append(2, '\0');
      } else if (ansiText.size() < 2 || ansiText[ansiText.size() - 2] != '\0') {
        ansiText.push_back('\0');
      }
      return ansiText;
    default:
      return ansiText;
  }
}

}  // namespace quav::value_data
