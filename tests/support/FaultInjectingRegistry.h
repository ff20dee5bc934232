#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"

namespace quav::test {

enum class RegCall {
  OpenKeyEx, CreateKeyEx, QueryValueEx, SetValueEx, DeleteValue, QueryInfoKey, EnumKeyEx, CloseKey, DeleteKey
};

const char* RegCallName(RegCall call);

struct RegCallRecord {
  RegCall call;
  std::string detail;  // the key path or value name the call named, if any
};

// Sits between the registry layer and advapi32 (install it with
// ScopedRegistryApi): records every call and, when told, makes one of them
// fail with a chosen code or throw. A failed close still closes the key, so
// nothing leaks in the test prefix.
class FaultInjectingRegistry final : public RegistryApi {
 public:
  // Fail the nth call (1-based) of the given kind, or of all kinds counted
  // together when kind is empty.
  void FailCall(std::optional<RegCall> kind, int nth, LONG code);
  // Fail every call of the kind whose detail equals the text.
  void FailEvery(RegCall kind, const std::string& detail, LONG code);
  void ThrowOnCall(RegCall kind, int nth);

  const std::vector<RegCallRecord>& Calls() const { return calls_; }
  int Count(RegCall kind) const;
  // Keys opened or created successfully, and keys closed.
  int KeysOpened() const { return opened_; }
  int KeysClosed() const { return closed_; }

  LONG OpenKeyEx(HKEY root, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result) override;
  LONG CreateKeyEx(HKEY root, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM sam,
                   LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) override;
  LONG QueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) override;
  LONG SetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) override;
  LONG DeleteValue(HKEY key, LPCSTR name) override;
  LONG QueryInfoKey(HKEY key, LPSTR keyClass, LPDWORD classLength, LPDWORD reserved, LPDWORD subKeys,
                    LPDWORD maxSubKeyLength, LPDWORD maxClassLength, LPDWORD values, LPDWORD maxValueNameLength,
                    LPDWORD maxValueLength, LPDWORD securityDescriptorSize, PFILETIME lastWriteTime) override;
  LONG EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLength, LPDWORD reserved, LPSTR keyClass,
                 LPDWORD classLength, PFILETIME lastWriteTime) override;
  LONG CloseKey(HKEY key) override;
  LONG DeleteKey(HKEY root, LPCSTR subKey) override;

 private:
  // The code to fail this call with, or 0 to let it through.
  LONG Intercept(RegCall kind, const char* detail);

  struct Rule {
    std::optional<RegCall> kind;
    int nth = 0;
    std::string detail;
    bool every = false;
    bool throws = false;
    LONG code = 0;
  };
  std::vector<Rule> rules_;
  std::vector<RegCallRecord> calls_;
  int opened_ = 0;
  int closed_ = 0;
};

}  // namespace quav::test
