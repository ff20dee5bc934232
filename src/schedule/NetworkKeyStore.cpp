#include "schedule/NetworkKeyStore.h"

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <optional>

#include "platform/Cng.h"
#include "platform/ErrorText.h"
#include "platform/FileApi.h"
#include "platform/Handles.h"
#include "platform/RegistryApi.h"
#include "platform/ScopeExit.h"
#include "platform/Texts.h"
#include "platform/modRegistry.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/WriterRules.h"

namespace quav {
namespace {

constexpr char kKeyPath[] = "SOFTWARE\\ORV\\QUAV12\\NetworkKey";
constexpr char kKeyValue[] = "Key";
// Owned by Administrators, readable by SYSTEM and Administrators only,
// nothing inherited from the keys above.
constexpr wchar_t kKeySecurity[] = L"O:BAD:P(A;;KA;;;SY)(A;;KA;;;BA)";

struct LocalTraits {
  using Type = HLOCAL;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::LocalFree(h); }
};

NetworkKeyOutcome Failure(NetworkKeyStatus status, std::wstring sentence) {
  return {status, NetworkKey{}, std::move(sentence)};
}

NetworkKeyOutcome RegistryFailure(long status) {
  return Failure(NetworkKeyStatus::Failed,
                 Say(TextId::NetworkKeyFailed, {kNetworkKeyKey, SystemErrorText(static_cast<DWORD>(status))}));
}

// Who besides Administrators and SYSTEM may read the key, or give himself
// the right to; the failure's sentence when that cannot be read.
std::optional<NetworkKeyOutcome> CheckReaders() {
  ObjectAccess access;
  const DWORD status = CurrentFileApi().ReadAccess(std::wstring(L"MACHINE\\") + kNetworkKeyKey, true, access);
  if (status != ERROR_SUCCESS) return RegistryFailure(static_cast<long>(status));
  const std::vector<std::wstring> readers = OtherWriters(access, kReadRights | kChangeRights, {});
  if (readers.empty()) return std::nullopt;
  std::wstring names;
  for (const std::wstring& sid : readers) names += (names.empty() ? L"" : Say(TextId::MomentJoin)) + AccountText(sid);
  return Failure(NetworkKeyStatus::Unsafe, Say(TextId::NetworkKeyUnsafe, {kNetworkKeyKey, names}));
}

// A new key under the program's machine key, readable by SYSTEM and
// Administrators only, holding 32 random bytes; none when it was made (or
// another run made it meanwhile), else why not.
std::optional<NetworkKeyOutcome> MakeKey() {
  NetworkKey bytes{};
  if (!SystemRandomBytes(bytes)) return Failure(NetworkKeyStatus::NoRandom, Say(TextId::NetworkKeyNoRandom));
  long status = ERROR_SUCCESS;
  if (UniqueHkey parent = CreateKey(HKEY_LOCAL_MACHINE, kMachineSettingsKey, status); !parent) {
    return RegistryFailure(status);
  }
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kKeySecurity, SDDL_REVISION_1, &descriptor, nullptr)) {
    return RegistryFailure(static_cast<long>(::GetLastError()));
  }
  const UniqueAny<LocalTraits> ownedDescriptor(descriptor);
  SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
  RegistryApi& api = CurrentRegistryApi();
  HKEY key = nullptr;
  char noClass[] = "";
  DWORD disposition = 0;
  status = api.CreateKeyEx(HKEY_LOCAL_MACHINE, kKeyPath, 0, noClass, REG_OPTION_NON_VOLATILE,
                           KEY_SET_VALUE | WRITE_DAC | WRITE_OWNER, &security, &key, &disposition);
  if (status != ERROR_SUCCESS) return RegistryFailure(status);
  const ScopeExit closeKey([&] { api.CloseKey(key); });
  if (disposition == REG_OPENED_EXISTING_KEY) return std::nullopt;
  // Set again on the key itself: not every registry takes it at creation
  // (Wine's gives a new key its default DACL).
  status = ::RegSetKeySecurity(
      key, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, descriptor);
  if (status != ERROR_SUCCESS) {
    DeleteNetworkKey();
    return RegistryFailure(status);
  }
  status = api.SetValueEx(key, kKeyValue, 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  if (status != ERROR_SUCCESS) return RegistryFailure(status);
  return std::nullopt;
}

// The stored key, after its readers are checked.
NetworkKeyOutcome ReadKey() {
  if (std::optional<NetworkKeyOutcome> unsafe = CheckReaders()) return std::move(*unsafe);
  RegistryApi& api = CurrentRegistryApi();
  HKEY key = nullptr;
  long status = api.OpenKeyEx(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_QUERY_VALUE, &key);
  if (status != ERROR_SUCCESS) return RegistryFailure(status);
  const ScopeExit closeKey([&] { api.CloseKey(key); });
  NetworkKeyOutcome outcome{NetworkKeyStatus::Ready, {}, L""};
  DWORD type = 0;
  // One byte more than a key: a longer value is no key either.
  uint8_t bytes[kNetworkKeySize + 1] = {};
  DWORD size = sizeof bytes;
  status = api.QueryValueEx(key, kKeyValue, nullptr, &type, bytes, &size);
  if (status == ERROR_SUCCESS && (type != REG_BINARY || size != kNetworkKeySize)) status = ERROR_INVALID_DATA;
  if (status == ERROR_MORE_DATA) status = ERROR_INVALID_DATA;
  if (status != ERROR_SUCCESS) return RegistryFailure(status);
  std::copy(bytes, bytes + kNetworkKeySize, outcome.key.begin());
  return outcome;
}

bool KeyExists(long& status) {
  RegistryApi& api = CurrentRegistryApi();
  HKEY key = nullptr;
  status = api.OpenKeyEx(HKEY_LOCAL_MACHINE, kKeyPath, 0, READ_CONTROL, &key);
  if (status == ERROR_SUCCESS) api.CloseKey(key);
  if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
  return key != nullptr;
}

}  // namespace

NetworkKeyOutcome OpenNetworkKey(bool make) {
  long status = ERROR_SUCCESS;
  if (!KeyExists(status)) {
    if (status != ERROR_SUCCESS) return RegistryFailure(status);
    if (!make) return {NetworkKeyStatus::Missing, {}, L""};
    if (std::optional<NetworkKeyOutcome> failed = MakeKey()) return std::move(*failed);
  }
  // Read back, the new key too: its DACL is checked as any other's.
  return ReadKey();
}

long DeleteNetworkKey() {
  const long status = DeleteRegKey(HKEY_LOCAL_MACHINE, kNetworkKeyKey);
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

}  // namespace quav
