// Gives a Wine prefix this machine's network adapters, registered under
// HKEY_LOCAL_MACHINE the way Windows' device installer registers them, so
// QUAV has real adapters to show under Wine (which registers none).
// Safe to run again: it only creates keys and writes the values it owns when
// they differ, and never touches an adapter's NetworkAddress override.

#include <windows.h>
#include <iphlpapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "adapters/AdapterKeys.h"

namespace {

class Key {
 public:
  Key() = default;
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() {
    if (h_) ::RegCloseKey(h_);
  }
  HKEY get() const { return h_; }
  HKEY* put() { return &h_; }

 private:
  HKEY h_ = nullptr;
};

struct RegistryError {
  std::wstring path;
  LONG code;
};

// Console handles take UTF-16; pipes and files (Wine run from a Linux shell)
// get UTF-8.
void Write(DWORD stream, const std::wstring& text) {
  const HANDLE out = ::GetStdHandle(stream);
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(out, &mode)) {
    ::WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
  ::WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// GetAdaptersInfo speaks the ANSI code page.
std::wstring FromAnsi(const char* text) {
  const int size = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (size <= 1) return {};
  std::wstring wide(static_cast<size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), size);
  wide.resize(static_cast<size_t>(size - 1));
  return wide;
}

// The adapter's class subkey name, also how it is shown: index 4 -> 0004.
std::wstring IndexText(DWORD index) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%04lu", static_cast<unsigned long>(index));
  return text;
}

std::wstring HardwareAddressText(const IP_ADAPTER_INFO& adapter) {
  std::wstring text;
  for (UINT i = 0; i < adapter.AddressLength; ++i) {
    wchar_t byte[4];
    std::swprintf(byte, 4, i == 0 ? L"%02X" : L"-%02X", adapter.Address[i]);
    text += byte;
  }
  return text;
}

std::vector<std::wstring> Ipv4Addresses(const IP_ADAPTER_INFO& adapter) {
  std::vector<std::wstring> addresses;
  for (const IP_ADDR_STRING* ip = &adapter.IpAddressList; ip; ip = ip->Next) {
    std::wstring address = FromAnsi(ip->IpAddress.String);
    if (!address.empty() && address != L"0.0.0.0") addresses.push_back(std::move(address));
  }
  if (addresses.empty()) addresses.push_back(L"0.0.0.0");
  return addresses;
}

void CreateKey(const std::wstring& path, Key& key) {
  const LONG status = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key.put(), nullptr);
  if (status != ERROR_SUCCESS) throw RegistryError{path, status};
}

// `data` holds the value's characters with their terminators. Writes only
// when the stored value differs; returns whether it wrote.
bool SetValue(const Key& key, const std::wstring& path, const wchar_t* name, DWORD type, const std::wstring& data) {
  const DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  DWORD storedType = 0;
  DWORD storedBytes = 0;
  if (::RegQueryValueExW(key.get(), name, nullptr, &storedType, nullptr, &storedBytes) == ERROR_SUCCESS &&
      storedType == type && storedBytes == bytes) {
    std::wstring stored(data.size(), L'\0');
    if (::RegQueryValueExW(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(stored.data()),
                           &storedBytes) == ERROR_SUCCESS &&
        stored == data) {
      return false;
    }
  }
  const LONG status = ::RegSetValueExW(key.get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()), bytes);
  if (status != ERROR_SUCCESS) throw RegistryError{path + L"\\" + name, status};
  return true;
}

std::wstring Sz(const std::wstring& text) { return text + L'\0'; }

std::wstring MultiSz(const std::vector<std::wstring>& items) {
  std::wstring data;
  for (const std::wstring& item : items) data += item + L'\0';
  return data + L'\0';
}

// Returns whether anything was written.
bool Provision(const IP_ADAPTER_INFO& adapter, const std::vector<std::wstring>& addresses) {
  const std::wstring guid = FromAnsi(adapter.AdapterName);
  bool wrote = false;

  const std::wstring classPath = std::wstring(quav::kNetworkClassKey) + IndexText(adapter.Index);
  Key classKey;
  CreateKey(classPath, classKey);
  wrote |= SetValue(classKey, classPath, L"DriverDesc", REG_SZ, Sz(FromAnsi(adapter.Description)));
  wrote |= SetValue(classKey, classPath, L"NetCfgInstanceID", REG_SZ, Sz(guid));

  Key connection;
  CreateKey(std::wstring(quav::kNetworkConnectionsKey) + L"\\" + guid, connection);

  const std::wstring tcpipPath = std::wstring(quav::kTcpipInterfacesKey) + guid;
  Key tcpip;
  CreateKey(tcpipPath, tcpip);
  wrote |= SetValue(tcpip, tcpipPath, L"DhcpIPAddress", REG_SZ, Sz(addresses.front()));
  wrote |= SetValue(tcpip, tcpipPath, L"IPAddress", REG_MULTI_SZ, MultiSz(addresses));
  return wrote;
}

}  // namespace

int main() {
  ULONG size = 0;
  DWORD status = ::GetAdaptersInfo(nullptr, &size);
  std::unique_ptr<unsigned char[]> buffer;
  // The list can grow between the two calls.
  while (status == ERROR_BUFFER_OVERFLOW) {
    buffer = std::make_unique<unsigned char[]>(size);
    status = ::GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.get()), &size);
  }
  if (status == ERROR_NO_DATA) return 0;
  if (status != ERROR_SUCCESS) {
    Write(STD_ERROR_HANDLE, L"error: GetAdaptersInfo failed (" + std::to_wstring(status) + L")\n");
    return 1;
  }

  try {
    Key descriptions;
    CreateKey(std::wstring(quav::kNetworkConnectionsKey) + L"\\" + std::wstring(quav::kDescriptionsSubkey),
              descriptions);
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.get()); adapter; adapter = adapter->Next) {
      if (adapter->AddressLength == 0) continue;
      const std::vector<std::wstring> addresses = Ipv4Addresses(*adapter);
      const bool wrote = Provision(*adapter, addresses);
      Write(STD_OUTPUT_HANDLE, L"adapter " + IndexText(adapter->Index) + L"  " + FromAnsi(adapter->Description) + L"  " +
                                   HardwareAddressText(*adapter) + L"  " + addresses.front() +
                                   (wrote ? L"" : L"  (unchanged)") + L"\n");
    }
  } catch (const RegistryError& error) {
    Write(STD_ERROR_HANDLE, L"error: cannot write HKEY_LOCAL_MACHINE\\" + error.path + L" (" +
                                std::to_wstring(error.code) + L")\n");
    return 1;
  }
  return 0;
}
