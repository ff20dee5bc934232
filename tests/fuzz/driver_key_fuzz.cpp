// Which device is an adapter's: a driver key names the class subkey only when
// it is the network class in braces (any ASCII case), one backslash, and
// exactly that subkey name, whatever either text holds.
#include <string>

#include "FuzzInput.h"
#include "change/DriverKeyMatch.h"

namespace {

constexpr std::wstring_view kClass = L"{4D36E972-E325-11CE-BFC1-08002BE10318}";

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 0x20) : c; }

// The reference rule: upper-case the key's first part (ASCII only) and
// compare it with the key built from the class and the subkey name.
bool Names(std::wstring_view key, std::wstring_view index) {
  if (index.empty() || index.find(L'\\') != std::wstring_view::npos) return false;
  std::wstring folded(key);
  for (size_t k = 0; k < folded.size() && k < kClass.size(); ++k) folded[k] = AsciiUpper(folded[k]);
  return folded == std::wstring(kClass) + L"\\" + std::wstring(index);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  // The first eight bytes pick which of the class's letters go lower case.
  uint64_t mask = 0;
  for (size_t k = 0; k < 8; ++k) mask |= static_cast<uint64_t>(data[k]) << (8 * k);
  const std::wstring text = FuzzText(data + 8, size - 8);
  const size_t split = text.find(wchar_t(0xFFFF));
  const std::wstring key = text.substr(0, split);
  const std::wstring index = split == std::wstring::npos ? std::wstring() : text.substr(split + 1);

  FUZZ_CHECK(quav::DriverKeyNames(key, index) == Names(key, index));

  // The key the device installer would give for this subkey, in any case.
  std::wstring built(kClass);
  for (size_t k = 0; k < built.size(); ++k) {
    if (built[k] >= L'A' && built[k] <= L'F' && (mask >> k & 1)) built[k] = static_cast<wchar_t>(built[k] + 0x20);
  }
  built += L'\\';
  built += index;
  FUZZ_CHECK(quav::DriverKeyNames(built, index) == (!index.empty() && index.find(L'\\') == std::wstring::npos));
  // The key never names another subkey, nor one with a character more or less.
  FUZZ_CHECK(!quav::DriverKeyNames(built, index + L"0"));
  if (!index.empty()) FUZZ_CHECK(!quav::DriverKeyNames(built, index.substr(1)));
  return 0;
}
