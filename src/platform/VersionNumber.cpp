#include "platform/VersionNumber.h"

namespace quav {

double LeadingNumber(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t' || text[i] == L'\r' || text[i] == L'\n')) ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) sign = text[i++] == L'-' ? -1 : 1;
  // Read by hand: the C library's reading follows the locale's decimal point.
  double value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) value = value * 10 + (text[i] - L'0');
  if (i < text.size() && text[i] == L'.') {
    double fraction = 0;
    double scale = 1;
    for (++i; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
      if (scale < 1e18) {
        fraction = fraction * 10 + (text[i] - L'0');
        scale *= 10;
      }
    }
    value += fraction / scale;
  }
  // The 32-bit build's x87 code may keep the sum at extended precision, and
  // an inlined reading then differs from the same text's rounded one (5.1
  // would be below 5.1 on Windows XP): the store rounds it to a double.
  volatile double rounded = sign * value;
  return rounded;
}

bool IsSupportedWindowsVersion(std::wstring_view versionText) { return LeadingNumber(versionText) >= 5; }

// Compared with the same reading, so 5.1 itself is not below 5.1.
bool IsBeforeWindowsXP(std::wstring_view versionText) { return LeadingNumber(versionText) < LeadingNumber(L"5.1"); }

LinkRoute ChooseLinkRoute(std::wstring_view versionText, bool elevated) {
  return elevated && LeadingNumber(versionText) >= 6 ? LinkRoute::DesktopShell : LinkRoute::Direct;
}

}  // namespace quav
