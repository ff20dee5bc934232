#include "cli/ConsoleOutput.h"

#include <string>

namespace quav {
namespace {

using AttachConsoleFunction = BOOL(WINAPI*)(DWORD);

// AttachConsole came with Windows XP: looked up, so that the program still
// loads on Windows 2000, where it only writes to a standard output.
bool AttachParentConsole() {
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return false;
  const auto attach = reinterpret_cast<AttachConsoleFunction>(
      reinterpret_cast<void*>(::GetProcAddress(kernel, "AttachConsole")));
  constexpr DWORD kParentProcess = static_cast<DWORD>(-1);
  return attach && attach(kParentProcess);
}

// A handle the caller passed on: a pipe, a file, a character device. A
// program started without one may still hold a stale console handle value.
bool Usable(HANDLE handle) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  return ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

std::wstring WithCrLf(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + 16);
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] == L'\r' && k + 1 < text.size() && text[k + 1] == L'\n') continue;
    if (text[k] == L'\n') out += L'\r';
    out += text[k];
  }
  return out;
}

}  // namespace

ConsoleOutput::ConsoleOutput() {
  HANDLE standard = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (Usable(standard)) {
    target_ = standard;
    return;
  }
  if (!AttachParentConsole()) return;
  console_.reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr));
  if (console_) target_ = console_.get();
}

void ConsoleOutput::Write(std::wstring_view text) {
  if (!target_ || text.empty()) return;
  const std::wstring lines = WithCrLf(text);
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(target_, &mode)) {
    ::WriteConsoleW(target_, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    return;
  }
  // Bytes for a pipe or file: as the console shows them when there is one
  // (cmd.exe's for /f, a redirected console program), else as the system's
  // ANSI programs read them.
  UINT codePage = ::GetConsoleOutputCP();
  if (codePage == 0) codePage = CP_ACP;
  const int length = static_cast<int>(lines.size());
  const int size = ::WideCharToMultiByte(codePage, 0, lines.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return;
  std::string bytes(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(codePage, 0, lines.data(), length, bytes.data(), size, nullptr, nullptr);
  ::WriteFile(target_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace quav
