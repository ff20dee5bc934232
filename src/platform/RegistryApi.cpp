#include "platform/RegistryApi.h"

namespace quav {
namespace {

class Advapi32 final : public RegistryApi {
 public:
  LONG OpenKeyEx(HKEY root, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result) override {
    return ::RegOpenKeyExA(root, subKey, options, sam, result);
  }
  LONG CreateKeyEx(HKEY root, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM sam,
                   LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) override {
    return ::RegCreateKeyExA(root, subKey, reserved, keyClass, options, sam, security, result, disposition);
  }
  LONG QueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) override {
    return ::RegQueryValueExA(key, name, reserved, type, data, size);
  }
  LONG SetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) override {
    return ::RegSetValueExA(key, name, reserved, type, data, size);
  }
  LONG DeleteValue(HKEY key, LPCSTR name) override { return ::RegDeleteValueA(key, name); }
  LONG QueryInfoKey(HKEY key, LPSTR keyClass, LPDWORD classLength, LPDWORD reserved, LPDWORD subKeys,
                    LPDWORD maxSubKeyLength, LPDWORD maxClassLength, LPDWORD values, LPDWORD maxValueNameLength,
                    LPDWORD maxValueLength, LPDWORD securityDescriptorSize, PFILETIME lastWriteTime) override {
    return ::RegQueryInfoKeyA(key, keyClass, classLength, reserved, subKeys, maxSubKeyLength, maxClassLength, values,
                              maxValueNameLength, maxValueLength, securityDescriptorSize, lastWriteTime);
  }
  LONG EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLength, LPDWORD reserved, LPSTR keyClass,
                 LPDWORD classLength, PFILETIME lastWriteTime) override {
    return ::RegEnumKeyExA(key, index, name, nameLength, reserved, keyClass, classLength, lastWriteTime);
  }
  LONG CloseKey(HKEY key) override { return ::RegCloseKey(key); }
  LONG DeleteKey(HKEY root, LPCSTR subKey) override { return ::RegDeleteKeyA(root, subKey); }
};

RegistryApi* g_current = nullptr;

}  // namespace

RegistryApi& SystemRegistryApi() {
  static Advapi32 api;
  return api;
}

RegistryApi& CurrentRegistryApi() { return g_current ? *g_current : SystemRegistryApi(); }

ScopedRegistryApi::ScopedRegistryApi(RegistryApi& api) : previous_(g_current) { g_current = &api; }

ScopedRegistryApi::~ScopedRegistryApi() { g_current = previous_; }

}  // namespace quav
