#include "platform/TaskScheduler.h"

#include <windows.h>
#include <taskschd.h>

#include "platform/ErrorText.h"
#include "platform/Handles.h"
#include "platform/Texts.h"

namespace quav {
namespace {

// From taskschd.h's CLSID and IID, which a static library would otherwise
// bring, and the service's "not running" error.
const CLSID kTaskSchedulerClass = {0x0f87369f, 0xa4e5, 0x4cfc, {0xbd, 0x3e, 0x73, 0xe6, 0x15, 0x45, 0x72, 0xdd}};
const IID kTaskServiceInterface = {0x2faba4c7, 0x4da9, 0x4013, {0x96, 0x97, 0x20, 0xcc, 0x3f, 0xd4, 0x0f, 0x85}};
constexpr HRESULT kServiceNotRunning = static_cast<HRESULT>(0x80041315);

UniqueBstr Bstr(const std::wstring& text) { return UniqueBstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))); }

// A folder as its parent, the root, names it: without the leading backslash.
std::wstring BelowRoot(const std::wstring& folder) { return folder.starts_with(L"\\") ? folder.substr(1) : folder; }

bool NotFound(HRESULT result) {
  return result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) || result == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
}

class SystemTasks final : public TaskStore {
 public:
  long Register(const std::wstring& folder, const std::wstring& name, const std::wstring& xml) override {
    ComPtr<ITaskFolder> target;
    HRESULT result = Folder(folder, target);
    if (NotFound(result)) result = CreateFolder(folder, target);
    if (FAILED(result)) return result;
    const UniqueBstr taskName = Bstr(name);
    const UniqueBstr text = Bstr(xml);
    if (!taskName || !text) return E_OUTOFMEMORY;
    UniqueVariant system;
    system.get()->vt = VT_BSTR;
    system.get()->bstrVal = ::SysAllocString(L"S-1-5-18");
    UniqueVariant none;
    ComPtr<IRegisteredTask> task;
    return target->RegisterTask(taskName.get(), text.get(), TASK_CREATE_OR_UPDATE, *system.get(), *none.get(),
                                TASK_LOGON_SERVICE_ACCOUNT, *none.get(), task.put());
  }

  long Exists(const std::wstring& folder, const std::wstring& name, bool& exists) override {
    exists = false;
    ComPtr<ITaskFolder> target;
    HRESULT result = Folder(folder, target);
    if (NotFound(result)) return S_OK;
    if (FAILED(result)) return result;
    const UniqueBstr taskName = Bstr(name);
    ComPtr<IRegisteredTask> task;
    result = target->GetTask(taskName.get(), task.put());
    if (NotFound(result)) return S_OK;
    exists = SUCCEEDED(result);
    return SUCCEEDED(result) ? S_OK : result;
  }

  long Delete(const std::wstring& folder, const std::wstring& name) override {
    ComPtr<ITaskFolder> target;
    HRESULT result = Folder(folder, target);
    if (NotFound(result)) return S_OK;
    if (FAILED(result)) return result;
    const UniqueBstr taskName = Bstr(name);
    result = target->DeleteTask(taskName.get(), 0);
    return NotFound(result) ? S_OK : result;
  }

  long DeleteFolder(const std::wstring& folder) override {
    ComPtr<ITaskFolder> target;
    HRESULT result = Folder(folder, target);
    if (NotFound(result)) return S_OK;
    if (FAILED(result)) return result;
    // Tasks registered by others (say, from /xml) go too. Wine cannot count
    // a folder's tasks: there the folder goes with what the callers deleted.
    ComPtr<IRegisteredTaskCollection> tasks;
    result = target->GetTasks(TASK_ENUM_HIDDEN, tasks.put());
    if (FAILED(result)) return result;
    LONG count = 0;
    result = tasks->get_Count(&count);
    if (FAILED(result) && result != E_NOTIMPL) return result;
    for (LONG k = count; k >= 1; --k) {
      UniqueVariant index;
      index.get()->vt = VT_I4;
      index.get()->lVal = k;
      ComPtr<IRegisteredTask> task;
      BSTR name = nullptr;
      if (FAILED(result = tasks->get_Item(*index.get(), task.put()))) return result;
      if (FAILED(result = task->get_Name(&name))) return result;
      const UniqueBstr owned(name);
      result = target->DeleteTask(name, 0);
      if (FAILED(result) && !NotFound(result)) return result;
    }
    ComPtr<ITaskFolder> root;
    if (FAILED(result = Folder(L"\\", root))) return result;
    const UniqueBstr path = Bstr(BelowRoot(folder));
    result = root->DeleteFolder(path.get(), 0);
    return NotFound(result) ? S_OK : result;
  }

 private:
  HRESULT Connect() {
    if (service_) return S_OK;
    ComPtr<ITaskService> service;
    HRESULT result = ::CoCreateInstance(kTaskSchedulerClass, nullptr, CLSCTX_INPROC_SERVER, kTaskServiceInterface,
                                        service.put_void());
    if (FAILED(result)) return result;
    UniqueVariant none;
    result = service->Connect(*none.get(), *none.get(), *none.get(), *none.get());
    if (FAILED(result)) return result;
    service_ = std::move(service);
    return S_OK;
  }

  HRESULT Folder(const std::wstring& path, ComPtr<ITaskFolder>& folder) {
    if (const HRESULT result = Connect(); FAILED(result)) return result;
    const UniqueBstr text = Bstr(path);
    return service_->GetFolder(text.get(), folder.put());
  }

  HRESULT CreateFolder(const std::wstring& path, ComPtr<ITaskFolder>& folder) {
    ComPtr<ITaskFolder> root;
    if (const HRESULT result = Folder(L"\\", root); FAILED(result)) return result;
    const UniqueBstr text = Bstr(BelowRoot(path));
    UniqueVariant none;
    return root->CreateFolder(text.get(), *none.get(), folder.put());
  }

  ComPtr<ITaskService> service_;
};

}  // namespace

std::unique_ptr<TaskStore> SystemTaskStore() { return std::make_unique<SystemTasks>(); }

std::wstring TaskErrorText(long result) {
  if (result == kServiceNotRunning) return Say(TextId::TaskServiceNotRunning) + ResultErrorText(result);
  return ResultErrorText(result);
}

}  // namespace quav
