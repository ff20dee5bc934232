#include "platform/AnsiText.h"

#include <windows.h>

namespace quav {

std::string ToAnsi(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string out(static_cast<size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
  return out;
}

std::wstring FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int needed = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring out(static_cast<size_t>(needed), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, out.data(), needed);
  return out;
}

}  // namespace quav
