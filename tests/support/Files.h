#pragma once

#include <windows.h>

#include <string>

#include "platform/Handles.h"

namespace quav::test {

// A file's bytes, read while others may hold it open; empty when missing.
inline std::string FileBytes(const std::wstring& path) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  std::string bytes(static_cast<size_t>(::GetFileSize(file.get(), nullptr)), '\0');
  DWORD read = 0;
  ::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

// The number of lines ended by CR LF.
inline size_t LineCount(const std::string& bytes) {
  size_t count = 0;
  for (size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++count;
  return count;
}

}  // namespace quav::test
