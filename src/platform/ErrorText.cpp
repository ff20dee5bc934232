#include "platform/ErrorText.h"

#include "platform/Texts.h"

#include <windows.h>

#include "platform/TextRules.h"

namespace quav {

namespace {

// The system's text for code in one language (0: the system's own choice);
// empty when it has none in that language.
std::wstring SystemText(unsigned long code, DWORD language) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      language, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (length > 0 && buffer) text.assign(buffer, length);
  if (buffer) ::LocalFree(buffer);
  return text;
}

// The system's words for a code, without the code, followed by a blank;
// empty when it has none. In English, the system's English text where it
// has one (a Chinese Windows may not), else its own.
std::wstring MessageText(unsigned long code) {
  std::wstring text;
  if (CurrentLanguage() == Language::English) text = SystemText(code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  if (text.empty()) text = SystemText(code, 0);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  if (!text.empty()) text += L' ';
  return text;
}

}  // namespace

std::wstring SystemErrorText(unsigned long code) {
  return MessageText(code) + Say(TextId::SystemErrorNumber, {std::to_wstring(code)});
}

std::wstring ResultErrorText(long result) {
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) return SystemErrorText(HRESULT_CODE(result));
  wchar_t hex[11] = L"0x";
  for (int k = 0; k < 8; ++k) {
    hex[2 + k] = L"0123456789ABCDEF"[(static_cast<unsigned long>(result) >> (28 - 4 * k)) & 0xF];
  }
  return MessageText(static_cast<unsigned long>(result)) + Say(TextId::SystemErrorNumber, {hex});
}

}  // namespace quav
