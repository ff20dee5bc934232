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

}  // namespace quav::test
