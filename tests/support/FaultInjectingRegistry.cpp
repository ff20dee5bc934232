#include "support/FaultInjectingRegistry.h"

#include <algorithm>
#include <new>

namespace quav::test {

const char* RegCallName(RegCall call) {
  switch (call) {
    case RegCall::OpenKeyEx: return "RegOpenKeyExA";
    case RegCall::CreateKeyEx: return "RegCreateKeyExA";
    case RegCall::QueryValueEx: return "RegQueryValueExA";
    case RegCall::SetValueEx: return "RegSetValueExA";
    case RegCall::DeleteValue: return "RegDeleteValueA";
    case RegCall::QueryInfoKey: return "RegQueryInfoKeyA";
    case RegCall::EnumKeyEx: return "RegEnumKeyExA";
    case RegCall::CloseKey: return "RegCloseKey";
    case RegCall::DeleteKey: return "RegDeleteKeyA";
  }
  return "?";
}

void FaultInjectingRegistry::FailCall(std::optional<RegCall> kind, int nth, LONG code) {
  rules_.push_back({kind, nth, {}, false, false, code});
}

void FaultInjectingRegistry::FailEvery(RegCall kind, const std::string& detail, LONG code) {
  rules_.push_back({kind, 0, detail, true, false, code});
}

void FaultInjectingRegistry::ThrowOnCall(RegCall kind, int nth) { rules_.push_back({kind, nth, {}, false, true, 0}); }

int FaultInjectingRegistry::Count(RegCall kind) const {
  return static_cast<int>(
      std::count_if(calls_.begin(), calls_.end(), [kind](const RegCallRecord& r) { return r.call == kind; }));
}

LONG FaultInjectingRegistry::Intercept(RegCall kind, const char* detail) {
  calls_.push_back({kind, detail ? detail : ""});
  const int ofKind = Count(kind);
  const int ofAll = static_cast<int>(calls_.size());
  for (const Rule& rule : rules_) {
    bool hit = false;
    if (rule.every) {
      hit = rule.kind == kind && rule.detail == calls_.back().detail;
    } else if (!rule.kind) {
      hit = rule.nth == ofAll;
    } else {
      hit = *rule.kind == kind && rule.nth == ofKind;
    }
    if (!hit) continue;
    if (rule.throws) throw std::bad_alloc();
    return rule.code;
  }
  return ERROR_SUCCESS;
}

LONG FaultInjectingRegistry::OpenKeyEx(HKEY root, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result) {
  if (LONG code = Intercept(RegCall::OpenKeyEx, subKey)) return code;
  const LONG status = SystemRegistryApi().OpenKeyEx(root, subKey, options, sam, result);
  if (status == ERROR_SUCCESS) ++opened_;
  return status;
}

LONG FaultInjectingRegistry::CreateKeyEx(HKEY root, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                                         REGSAM sam, LPSECURITY_ATTRIBUTES security, PHKEY result,
                                         LPDWORD disposition) {
  if (LONG code = Intercept(RegCall::CreateKeyEx, subKey)) return code;
  const LONG status =
      SystemRegistryApi().CreateKeyEx(root, subKey, reserved, keyClass, options, sam, security, result, disposition);
  if (status == ERROR_SUCCESS) ++opened_;
  return status;
}

LONG FaultInjectingRegistry::QueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                          LPDWORD size) {
  if (LONG code = Intercept(RegCall::QueryValueEx, name)) return code;
  return SystemRegistryApi().QueryValueEx(key, name, reserved, type, data, size);
}

LONG FaultInjectingRegistry::SetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                                        DWORD size) {
  if (LONG code = Intercept(RegCall::SetValueEx, name)) return code;
  return SystemRegistryApi().SetValueEx(key, name, reserved, type, data, size);
}

LONG FaultInjectingRegistry::DeleteValue(HKEY key, LPCSTR name) {
  if (LONG code = Intercept(RegCall::DeleteValue, name)) return code;
  return SystemRegistryApi().DeleteValue(key, name);
}

LONG FaultInjectingRegistry::QueryInfoKey(HKEY key, LPSTR keyClass, LPDWORD classLength, LPDWORD reserved,
                                          LPDWORD subKeys, LPDWORD maxSubKeyLength, LPDWORD maxClassLength,
                                          LPDWORD values, LPDWORD maxValueNameLength, LPDWORD maxValueLength,
                                          LPDWORD securityDescriptorSize, PFILETIME lastWriteTime) {
  if (LONG code = Intercept(RegCall::QueryInfoKey, nullptr)) return code;
  return SystemRegistryApi().QueryInfoKey(key, keyClass, classLength, reserved, subKeys, maxSubKeyLength,
                                          maxClassLength, values, maxValueNameLength, maxValueLength,
                                          securityDescriptorSize, lastWriteTime);
}

LONG FaultInjectingRegistry::EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLength, LPDWORD reserved,
                                       LPSTR keyClass, LPDWORD classLength, PFILETIME lastWriteTime) {
  if (LONG code = Intercept(RegCall::EnumKeyEx, nullptr)) return code;
  return SystemRegistryApi().EnumKeyEx(key, index, name, nameLength, reserved, keyClass, classLength, lastWriteTime);
}

LONG FaultInjectingRegistry::CloseKey(HKEY key) {
  const LONG code = Intercept(RegCall::CloseKey, nullptr);
  const LONG status = SystemRegistryApi().CloseKey(key);
  if (status == ERROR_SUCCESS) ++closed_;
  return code ? code : status;
}

LONG FaultInjectingRegistry::DeleteKey(HKEY root, LPCSTR subKey) {
  if (LONG code = Intercept(RegCall::DeleteKey, subKey)) return code;
  return SystemRegistryApi().DeleteKey(root, subKey);
}

}  // namespace quav::test
