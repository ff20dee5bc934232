#pragma once

#include <windows.h>

namespace quav {

// The advapi32 registry functions the registry layer calls, one to one. The
// layer reaches them only through CurrentRegistryApi(), so a test can put a
// decorator in between that counts calls or makes one fail with a chosen code.
class RegistryApi {
 public:
  virtual ~RegistryApi() = default;
  virtual LONG OpenKeyEx(HKEY root, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result) = 0;
  virtual LONG CreateKeyEx(HKEY root, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM sam,
                           LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) = 0;
  virtual LONG QueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) = 0;
  virtual LONG SetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) = 0;
  virtual LONG DeleteValue(HKEY key, LPCSTR name) = 0;
  virtual LONG QueryInfoKey(HKEY key, LPSTR keyClass, LPDWORD classLength, LPDWORD reserved, LPDWORD subKeys,
                            LPDWORD maxSubKeyLength, LPDWORD maxClassLength, LPDWORD values,
                            LPDWORD maxValueNameLength, LPDWORD maxValueLength, LPDWORD securityDescriptorSize,
                            PFILETIME lastWriteTime) = 0;
  virtual LONG EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLength, LPDWORD reserved, LPSTR keyClass,
                         LPDWORD classLength, PFILETIME lastWriteTime) = 0;
  virtual LONG CloseKey(HKEY key) = 0;
  virtual LONG DeleteKey(HKEY root, LPCSTR subKey) = 0;
};

// advapi32 itself.
RegistryApi& SystemRegistryApi();

// What the registry layer calls now: the system's unless a scope below says otherwise.
RegistryApi& CurrentRegistryApi();

// Routes the registry layer's calls through another implementation for the
// lifetime of the object (tests only; scopes nest).
class ScopedRegistryApi {
 public:
  explicit ScopedRegistryApi(RegistryApi& api);
  ScopedRegistryApi(const ScopedRegistryApi&) = delete;
  ScopedRegistryApi& operator=(const ScopedRegistryApi&) = delete;
  ~ScopedRegistryApi();

 private:
  RegistryApi* previous_;
};

}  // namespace quav
