#include "platform/NumberText.h"

#include <windows.h>

namespace quav {

std::wstring NumberText(unsigned long long number) {
  const std::wstring digits = std::to_wstring(number);
  // The locale's own format carries its decimals ("7,925.00"); they are cut
  // at its decimal separator.
  wchar_t formatted[64] = {};
  wchar_t decimal[8] = {};
  if (::GetNumberFormatW(LOCALE_USER_DEFAULT, 0, digits.c_str(), nullptr, formatted, 64) == 0 ||
      ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8) == 0) {
    return digits;
  }
  const std::wstring text(formatted);
  return text.substr(0, text.rfind(decimal));
}

}  // namespace quav
