#pragma once

#include <memory>
#include <string>

// The program's folder of Windows' Task Scheduler (2.0, Vista and later):
// tasks registered from their XML, asked for and deleted by name. Tests
// stand in for it; each call returns S_OK or the HRESULT of the step that
// failed.
namespace quav {

class TaskStore {
 public:
  virtual ~TaskStore() = default;
  // Registers (or replaces) the task of that name in the folder, which is
  // made when missing, from the task's XML, to run as SYSTEM.
  virtual long Register(const std::wstring& folder, const std::wstring& name, const std::wstring& xml) = 0;
  // S_OK with exists set, the task found or not.
  virtual long Exists(const std::wstring& folder, const std::wstring& name, bool& exists) = 0;
  // S_OK also when there was no such task or folder.
  virtual long Delete(const std::wstring& folder, const std::wstring& name) = 0;
  // Deletes every task in the folder, then the folder; S_OK when there was none.
  virtual long DeleteFolder(const std::wstring& folder) = 0;
};

// The Task Scheduler service through ITaskService, connected on first use.
std::unique_ptr<TaskStore> SystemTaskStore();

// The user's sentence for what a TaskStore call returned: the system's
// words, and for a service that is not running, that it must be started.
std::wstring TaskErrorText(long result);

}  // namespace quav
