#pragma once

#include <windows.h>

#include <string>

namespace quav::test {

// An empty folder of its own under the temporary folder for a log, removed
// with the log at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    do {
      path_ = std::wstring(temp) + L"quav-change-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
              std::to_wstring(++serial);
    } while (!::CreateDirectoryW(path_.c_str(), nullptr) && serial < 1000);
  }
  ~ScratchFolder() {
    ::DeleteFileW((path_ + L"\\QUAV.log").c_str());
    ::RemoveDirectoryW(path_.c_str());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

}  // namespace quav::test
