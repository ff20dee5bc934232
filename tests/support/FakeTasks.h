#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "platform/TaskScheduler.h"

namespace quav::test {

// A Task Scheduler that keeps tasks by path and fails the nth call (of all
// kinds, 1-based) with a chosen result when told.
class FakeTasks final : public TaskStore {
 public:
  long Register(const std::wstring& folder, const std::wstring& name, const std::wstring& xml) override {
    if (const long failed = Fails()) return failed;
    tasks[folder + L"\\" + name] = xml;
    return S_OK;
  }
  long Exists(const std::wstring& folder, const std::wstring& name, bool& exists) override {
    if (const long failed = Fails()) return failed;
    exists = tasks.count(folder + L"\\" + name) > 0;
    return S_OK;
  }
  long Delete(const std::wstring& folder, const std::wstring& name) override {
    if (const long failed = Fails()) return failed;
    tasks.erase(folder + L"\\" + name);
    return S_OK;
  }
  long DeleteFolder(const std::wstring& folder) override {
    if (const long failed = Fails()) return failed;
    std::erase_if(tasks, [&](const auto& task) { return task.first.rfind(folder + L"\\", 0) == 0; });
    return S_OK;
  }

  std::map<std::wstring, std::wstring> tasks;  // path, XML
  std::optional<int> failCall;
  long failWith = E_ACCESSDENIED;
  int calls = 0;

 private:
  long Fails() {
    ++calls;
    return failCall && calls == *failCall ? failWith : S_OK;
  }
};

}  // namespace quav::test
