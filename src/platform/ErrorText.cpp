#include "platform/ErrorText.h"

#include "platform/Texts.h"

#include <windows.h>

#include "platform/TextRules.h"

namespace quav {

namespace {

// The system's words for a code, without the code; empty when it has none.
std::wstring MessageText(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (length > 0 && buffer) text.assign(buffer, length);
  if (buffer) ::LocalFree(buffer);
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
  for (int k = 0; k < 8; ++k) hex[2 + k] = L"0123456789ABCDEF"[(static_cast<unsigned long>(result) >> (28 - 4 * k)) & 0xF];
  return MessageText(static_cast<unsigned long>(result)) + Say(TextId::SystemErrorNumber, {hex});
}

}  // namespace quav
