#include "platform/VersionNumber.h"

#include <cstdlib>
#include <string>

namespace quav {

double LeadingNumber(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t' || text[i] == L'\r' || text[i] == L'\n')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) number.push_back(static_cast<char>(text[i++]));
  bool point = false;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c >= L'0' && c <= L'9') {
      number.push_back(static_cast<char>(c));
    } else if (c == L'.' && !point) {
      point = true;
      number.push_back('.');
    } else {
      break;
    }
  }
  return std::strtod(number.c_str(), nullptr);
}

bool IsSupportedWindowsVersion(std::wstring_view versionText) { return LeadingNumber(versionText) >= 5; }

bool IsBeforeWindowsXP(std::wstring_view versionText) { return LeadingNumber(versionText) < LeadingNumber(L"5.1"); }

}  // namespace quav
