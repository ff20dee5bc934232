#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// Registry set-up for tests, written with advapi32's wide functions so that
// it does not depend on the layer under test.
namespace quav::test {

struct RawValue {
  DWORD type = 0;
  std::string bytes;
  bool operator==(const RawValue&) const = default;
};

// Stores bytes through the ANSI function: string types are converted from
// the ANSI code page as Windows does for any ANSI caller.
void SetRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::string& bytes);
// Stores UTF-16 data exactly as given (no terminating zero added).
void SetWide(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::wstring& data);
// Stores a text with its terminating zero, as most programs do.
void SetText(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text,
             DWORD type = REG_SZ);
// The value as the registry keeps it (string types in UTF-16).
std::optional<RawValue> ReadRaw(HKEY root, const std::wstring& path, const std::wstring& name);
// The stored UTF-16 data of a string value, zeros included.
std::wstring StoredText(const RawValue& value);
// A string value's text without the zeros at its end, or "<missing>".
std::wstring StoredString(HKEY root, const std::wstring& path, const std::wstring& name);
bool KeyExists(HKEY root, const std::wstring& path);

// Keys and values as they stand, read with the wide functions: "HKLM\path\"
// for a key (an empty value), "HKLM\path\:name" for a value.
using RegistrySnapshot = std::map<std::wstring, RawValue>;
std::wstring SnapshotEntry(HKEY root, const std::wstring& path, const std::wstring& valueName);
// The key and, unless subkeys is false, everything below it.
void AddToSnapshot(HKEY root, const std::wstring& path, RegistrySnapshot& snapshot, bool subkeys = true);
// The entries that differ, were added or were removed.
std::vector<std::wstring> ChangedEntries(const RegistrySnapshot& before, const RegistrySnapshot& after);
void CreateKeyPath(HKEY root, const std::wstring& path);
void DeleteTree(HKEY root, const std::wstring& path);
// Deletes every subkey (and value) below the key, keeping the key itself.
void EmptyKey(HKEY root, const std::wstring& path);

// A key of its own below HKEY_CURRENT_USER for one test, removed afterwards.
class ScratchKey {
 public:
  ScratchKey();
  ~ScratchKey();
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;
  const std::wstring& Path() const { return path_; }
  std::wstring Sub(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Replaces a key's DACL for the scope and puts the old one back. The default
// denies setting values to everyone, so a full-access open fails with 5 while
// a read-only open still works.
class DeniedKey {
 public:
  DeniedKey(HKEY root, const std::wstring& path, const wchar_t* sddl = L"D:(D;;0x0002;;;WD)(A;;KA;;;WD)");
  ~DeniedKey();
  DeniedKey(const DeniedKey&) = delete;
  DeniedKey& operator=(const DeniedKey&) = delete;

 private:
  HKEY root_;
  std::wstring path_;
  std::vector<BYTE> saved_;
};

// The network adapter keys of HKEY_LOCAL_MACHINE, emptied when the fixture
// starts and again when it ends, with helpers to seed a machine's adapters.
class AdapterRegistry {
 public:
  AdapterRegistry();
  ~AdapterRegistry();
  AdapterRegistry(const AdapterRegistry&) = delete;
  AdapterRegistry& operator=(const AdapterRegistry&) = delete;

  // A class subkey; a null text leaves that value out.
  void AddClass(const std::wstring& subkey, const wchar_t* driverDesc, const wchar_t* instanceId);
  void AddConnection(const std::wstring& guid);
  // The name the user knows the connection by (Connection\Name).
  void SetConnectionName(const std::wstring& guid, const std::wstring& name);
  void SetDhcpAddress(const std::wstring& guid, const std::wstring& address);
  // The static addresses, stored as a multi-string.
  void SetStaticAddresses(const std::wstring& guid, const std::vector<std::wstring>& addresses);
  // A whole adapter: class subkey, connection and interface with a DHCP address.
  void AddAdapter(const std::wstring& subkey, const std::wstring& description, const std::wstring& guid,
                  const std::wstring& dhcpAddress);
  void SetNetworkAddress(const std::wstring& subkey, const std::wstring& text, DWORD type = REG_SZ);
  std::optional<RawValue> NetworkAddress(const std::wstring& subkey) const;

  static std::wstring ClassKey(const std::wstring& subkey);
  static std::wstring InterfaceKey(const std::wstring& guid);
  // The connections, class and interface keys with all they hold.
  static RegistrySnapshot Snapshot();

 private:
  void Empty();
};

// The first IPv4 address of this machine with a hardware address, and that
// hardware address as text, from its interface table.
struct OwnInterface {
  std::wstring address;
  std::wstring hardwareAddress;
  std::wstring name;  // the interface's name: its instance GUID in braces
};
std::optional<OwnInterface> FirstOwnInterface();

}  // namespace quav::test
