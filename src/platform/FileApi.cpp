#include "platform/FileApi.h"

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include "platform/DllSearch.h"
#include "platform/Handles.h"

namespace quav {
namespace {

struct LocalTraits {
  using Type = HLOCAL;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { ::LocalFree(h); }
};
using UniqueLocal = UniqueAny<LocalTraits>;

constexpr DWORD kLargestFile = 64u << 20;

std::wstring SidText(PSID sid) {
  LPWSTR text = nullptr;
  if (!sid || !::ConvertSidToStringSidW(sid, &text)) return {};
  const UniqueLocal owned(text);
  return text;
}

class Kernel32 final : public FileApi {
 public:
  DWORD CreateFolder(const std::wstring& path, const wchar_t* sddl) override {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (sddl && !::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
      return ::GetLastError();
    }
    const UniqueLocal owned(descriptor);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    return ::CreateDirectoryW(path.c_str(), sddl ? &attributes : nullptr) ? ERROR_SUCCESS : ::GetLastError();
  }
  DWORD CopyFile(const std::wstring& from, const std::wstring& to) override {
    return ::CopyFileW(from.c_str(), to.c_str(), FALSE) ? ERROR_SUCCESS : ::GetLastError();
  }
  DWORD ReadFile(const std::wstring& path, std::string& bytes) override {
    bytes.clear();
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return ::GetLastError();
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) return ::GetLastError();
    if (size.QuadPart > kLargestFile) return ERROR_FILE_TOO_LARGE;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
      return ::GetLastError();
    }
    if (read != bytes.size()) return ERROR_HANDLE_EOF;
    return ERROR_SUCCESS;
  }
  DWORD DeleteFile(const std::wstring& path) override {
    return ::DeleteFileW(path.c_str()) ? ERROR_SUCCESS : ::GetLastError();
  }
  DWORD RemoveFolder(const std::wstring& path) override {
    return ::RemoveDirectoryW(path.c_str()) ? ERROR_SUCCESS : ::GetLastError();
  }
  DWORD DeleteAtRestart(const std::wstring& path) override {
    return ::MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? ERROR_SUCCESS : ::GetLastError();
  }
  DWORD ReadAccess(const std::wstring& name, bool registryKey, ObjectAccess& access) override {
    access = {};
    // Windows' security functions load ntmarta.dll by its bare name, which
    // without SetDefaultDllDirectories would be looked for beside the
    // program first: loaded here from the system folder, it is found loaded.
    static const HMODULE marta = LoadSystemDll("ntmarta.dll");
    static_cast<void>(marta);
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD status = ::GetNamedSecurityInfoW(name.c_str(), registryKey ? SE_REGISTRY_KEY : SE_FILE_OBJECT,
                                                 OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                                                 nullptr, &dacl, nullptr, &descriptor);
    if (status != ERROR_SUCCESS) return status;
    const UniqueLocal owned(descriptor);
    access.owner = SidText(owner);
    access.hasDacl = dacl != nullptr;
    for (DWORD k = 0; dacl && k < dacl->AceCount; ++k) {
      void* ace = nullptr;
      if (!::GetAce(dacl, k, &ace)) return ::GetLastError();
      const auto* header = static_cast<const ACE_HEADER*>(ace);
      AccessEntry entry;
      entry.allows = header->AceType == ACCESS_ALLOWED_ACE_TYPE;
      entry.inheritOnly = (header->AceFlags & INHERIT_ONLY_ACE) != 0;
      if (entry.allows) {
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        entry.mask = allowed->Mask;
        entry.sid = SidText(&allowed->SidStart);
      }
      access.entries.push_back(std::move(entry));
    }
    return ERROR_SUCCESS;
  }
};

FileApi* g_current = nullptr;

}  // namespace

FileApi& SystemFileApi() {
  static Kernel32 api;
  return api;
}

FileApi& CurrentFileApi() { return g_current ? *g_current : SystemFileApi(); }

ScopedFileApi::ScopedFileApi(FileApi& api) : previous_(g_current) { g_current = &api; }

ScopedFileApi::~ScopedFileApi() { g_current = previous_; }

std::wstring AdministratorUserSid() {
  SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!::AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                                  0, &administrators)) {
    return {};
  }
  BOOL member = FALSE;
  const bool checked = ::CheckTokenMembership(nullptr, administrators, &member) != FALSE;
  ::FreeSid(administrators);
  if (!checked || !member) return {};
  UniqueHandle token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) return {};
  DWORD size = 0;
  ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  std::string buffer(size, '\0');
  if (size == 0 || !::GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size)) return {};
  return SidText(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid);
}

std::wstring AccountText(const std::wstring& sid) {
  PSID binary = nullptr;
  if (!::ConvertStringSidToSidW(sid.c_str(), &binary)) return sid;
  const UniqueLocal owned(binary);
  wchar_t name[256] = {};
  wchar_t domain[256] = {};
  DWORD nameSize = 256, domainSize = 256;
  SID_NAME_USE use{};
  if (!::LookupAccountSidW(nullptr, binary, name, &nameSize, domain, &domainSize, &use)) return sid;
  const std::wstring account = domain[0] && use != SidTypeWellKnownGroup && use != SidTypeAlias
                                   ? std::wstring(domain) + L'\\' + name
                                   : std::wstring(name);
  return account + L" (" + sid + L')';
}

std::wstring ProgramFilesFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder))) return {};
  return folder;
}

}  // namespace quav
