// Winsock must come before windows.h, which the fixture's header includes.
// clang-format off
#include <winsock2.h>
#include "support/RegistryFixture.h"

#include <windows.h>
#include <iphlpapi.h>
#include <sddl.h>
#include <shlwapi.h>
// clang-format on

#include <gtest/gtest.h>

#include <memory>

#include "adapters/AdapterKeys.h"
#include "adapters/AddressRules.h"

namespace quav::test {

void SetRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
      << "creating " << std::string(path.begin(), path.end());
  const std::string ansiName(name.begin(), name.end());
  const LONG result = ::RegSetValueExA(key, ansiName.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size()));
  ::RegCloseKey(key);
  ASSERT_EQ(ERROR_SUCCESS, result);
}

void SetText(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text, DWORD type) {
  SetWide(root, path, name, type, std::wstring(text.c_str(), text.size() + 1));
}

void SetWide(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::wstring& data) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
  const LONG result = ::RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                       static_cast<DWORD>(data.size() * sizeof(wchar_t)));
  ::RegCloseKey(key);
  ASSERT_EQ(ERROR_SUCCESS, result);
}

std::optional<RawValue> ReadRaw(HKEY root, const std::wstring& path, const std::wstring& name) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  RawValue value;
  DWORD size = 0;
  LONG result = ::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    value.bytes.assign(size, '\0');
    result = ::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()),
                                &size);
    value.bytes.resize(size);
  }
  ::RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  return value;
}

std::wstring StoredText(const RawValue& value) {
  return std::wstring(reinterpret_cast<const wchar_t*>(value.bytes.data()), value.bytes.size() / sizeof(wchar_t));
}

std::wstring StoredString(HKEY root, const std::wstring& path, const std::wstring& name) {
  const auto raw = ReadRaw(root, path, name);
  if (!raw) return L"<missing>";
  std::wstring text = StoredText(*raw);
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

bool KeyExists(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

std::wstring SnapshotEntry(HKEY root, const std::wstring& path, const std::wstring& valueName) {
  return (root == HKEY_LOCAL_MACHINE ? L"HKLM\\" : L"HKCU\\") + path + L"\\:" + valueName;
}

void AddToSnapshot(HKEY root, const std::wstring& path, RegistrySnapshot& snapshot, bool subkeys) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  snapshot[(root == HKEY_LOCAL_MACHINE ? L"HKLM\\" : L"HKCU\\") + path + L"\\"] = {};
  std::vector<std::wstring> values;
  std::vector<std::wstring> children;
  for (DWORD index = 0;; ++index) {
    wchar_t name[16384];
    DWORD length = 16384;
    if (::RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    values.emplace_back(name, length);
  }
  for (DWORD index = 0; subkeys; ++index) {
    wchar_t name[512];
    DWORD length = 512;
    if (::RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    children.emplace_back(name, length);
  }
  ::RegCloseKey(key);
  for (const std::wstring& name : values) {
    if (auto value = ReadRaw(root, path, name)) snapshot[SnapshotEntry(root, path, name)] = *value;
  }
  for (const std::wstring& child : children) AddToSnapshot(root, path + L"\\" + child, snapshot, true);
}

std::vector<std::wstring> ChangedEntries(const RegistrySnapshot& before, const RegistrySnapshot& after) {
  std::vector<std::wstring> changed;
  for (const auto& [name, value] : before) {
    const auto now = after.find(name);
    if (now == after.end() || !(now->second == value)) changed.push_back(name);
  }
  for (const auto& [name, value] : after) {
    if (!before.count(name)) changed.push_back(name);
  }
  return changed;
}

void CreateKeyPath(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
  ::RegCloseKey(key);
}

void DeleteTree(HKEY root, const std::wstring& path) { ::SHDeleteKeyW(root, path.c_str()); }

void EmptyKey(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  for (;;) {
    wchar_t name[512];
    DWORD length = 512;
    if (::RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (::SHDeleteKeyW(key, name) != ERROR_SUCCESS) break;
  }
  for (;;) {
    wchar_t name[512];
    DWORD length = 512;
    if (::RegEnumValueW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (::RegDeleteValueW(key, name) != ERROR_SUCCESS) break;
  }
  ::RegCloseKey(key);
}

ScratchKey::ScratchKey() {
  static int counter = 0;
  path_ = L"Software\\QUAV tests\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  DeleteTree(HKEY_CURRENT_USER, path_);
}

ScratchKey::~ScratchKey() { DeleteTree(HKEY_CURRENT_USER, path_); }

DeniedKey::DeniedKey(HKEY root, const std::wstring& path, const wchar_t* sddl) : root_(root), path_(path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot open key to change its DACL";
    return;
  }
  DWORD size = 0;
  ::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
  saved_.resize(size);
  if (size == 0 || ::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS) {
    saved_.clear();
  }
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
    ADD_FAILURE() << "bad SDDL";
  } else {
    EXPECT_EQ(ERROR_SUCCESS, ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor));
    ::LocalFree(descriptor);
  }
  ::RegCloseKey(key);
}

DeniedKey::~DeniedKey() {
  HKEY key = nullptr;
  // The denying DACL still allows changing the DACL itself.
  if (::RegOpenKeyExW(root_, path_.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
  if (!saved_.empty()) {
    ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data());
  } else {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &descriptor,
                                                               nullptr)) {
      ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
      ::LocalFree(descriptor);
    }
  }
  ::RegCloseKey(key);
}

AdapterRegistry::AdapterRegistry() { Empty(); }

AdapterRegistry::~AdapterRegistry() { Empty(); }

void AdapterRegistry::Empty() {
  const std::wstring classKey(kNetworkClassKey.substr(0, kNetworkClassKey.size() - 1));
  const std::wstring interfaces(kTcpipInterfacesKey.substr(0, kTcpipInterfacesKey.size() - 1));
  for (const std::wstring& key : {std::wstring(kNetworkConnectionsKey), classKey, interfaces}) {
    CreateKeyPath(HKEY_LOCAL_MACHINE, key);
    EmptyKey(HKEY_LOCAL_MACHINE, key);
  }
}

std::wstring AdapterRegistry::ClassKey(const std::wstring& subkey) { return std::wstring(kNetworkClassKey) + subkey; }

std::wstring AdapterRegistry::InterfaceKey(const std::wstring& guid) {
  return std::wstring(kTcpipInterfacesKey) + guid;
}

RegistrySnapshot AdapterRegistry::Snapshot() {
  RegistrySnapshot snapshot;
  const std::wstring classKey(kNetworkClassKey.substr(0, kNetworkClassKey.size() - 1));
  const std::wstring interfaces(kTcpipInterfacesKey.substr(0, kTcpipInterfacesKey.size() - 1));
  for (const std::wstring& key : {std::wstring(kNetworkConnectionsKey), classKey, interfaces}) {
    AddToSnapshot(HKEY_LOCAL_MACHINE, key, snapshot);
  }
  return snapshot;
}

void AdapterRegistry::AddClass(const std::wstring& subkey, const wchar_t* driverDesc, const wchar_t* instanceId) {
  CreateKeyPath(HKEY_LOCAL_MACHINE, ClassKey(subkey));
  if (driverDesc) SetText(HKEY_LOCAL_MACHINE, ClassKey(subkey), L"DriverDesc", driverDesc);
  if (instanceId) SetText(HKEY_LOCAL_MACHINE, ClassKey(subkey), L"NetCfgInstanceID", instanceId);
}

void AdapterRegistry::AddConnection(const std::wstring& guid) {
  CreateKeyPath(HKEY_LOCAL_MACHINE, std::wstring(kNetworkConnectionsKey) + L"\\" + guid);
}

void AdapterRegistry::SetConnectionName(const std::wstring& guid, const std::wstring& name) {
  SetText(HKEY_LOCAL_MACHINE, std::wstring(kNetworkConnectionsKey) + L"\\" + guid + L"\\Connection", L"Name", name);
}

void AdapterRegistry::SetDhcpAddress(const std::wstring& guid, const std::wstring& address) {
  SetText(HKEY_LOCAL_MACHINE, InterfaceKey(guid), L"DhcpIPAddress", address);
}

void AdapterRegistry::SetStaticAddresses(const std::wstring& guid, const std::vector<std::wstring>& addresses) {
  std::wstring multi;
  for (const std::wstring& address : addresses) {
    multi += address;
    multi.push_back(L'\0');
  }
  multi.push_back(L'\0');
  SetWide(HKEY_LOCAL_MACHINE, InterfaceKey(guid), L"IPAddress", REG_MULTI_SZ, multi);
}

void AdapterRegistry::AddAdapter(const std::wstring& subkey, const std::wstring& description, const std::wstring& guid,
                                 const std::wstring& dhcpAddress) {
  AddClass(subkey, description.c_str(), guid.c_str());
  AddConnection(guid);
  SetDhcpAddress(guid, dhcpAddress);
}

void AdapterRegistry::SetNetworkAddress(const std::wstring& subkey, const std::wstring& text, DWORD type) {
  SetText(HKEY_LOCAL_MACHINE, ClassKey(subkey), std::wstring(kNetworkAddressValue), text, type);
}

std::optional<RawValue> AdapterRegistry::NetworkAddress(const std::wstring& subkey) const {
  return ReadRaw(HKEY_LOCAL_MACHINE, ClassKey(subkey), std::wstring(kNetworkAddressValue));
}

std::optional<OwnInterface> FirstOwnInterface() {
  ULONG size = 0;
  if (::GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW) return std::nullopt;
  auto buffer = std::make_unique<unsigned char[]>(size);
  auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.get());
  if (::GetAdaptersInfo(first, &size) != ERROR_SUCCESS) return std::nullopt;
  for (const IP_ADAPTER_INFO* adapter = first; adapter; adapter = adapter->Next) {
    const std::string ip = adapter->IpAddressList.IpAddress.String;
    if (adapter->AddressLength != 6 || ip.empty() || ip == "0.0.0.0") continue;
    const std::string name = adapter->AdapterName;
    return OwnInterface{std::wstring(ip.begin(), ip.end()), HardwareAddressText(adapter->Address, 6),
                        std::wstring(name.begin(), name.end())};
  }
  return std::nullopt;
}

}  // namespace quav::test
