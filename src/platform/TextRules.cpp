#include "platform/TextRules.h"

#include <algorithm>
#include <cwctype>

namespace quav {

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring Replaced(std::wstring text, wchar_t from, wchar_t to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

std::wstring Removed(std::wstring text, wchar_t character) {
  text.erase(std::remove(text.begin(), text.end(), character), text.end());
  return text;
}

std::wstring UpperCase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return text;
}

bool ReadsAsSet(const std::wstring& text) { return text == L"1"; }

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace quav
