#include "change/SetupApiAdapterDevices.h"

#include <windows.h>
#include <setupapi.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "change/DriverKeyMatch.h"
#include "platform/Handles.h"

namespace quav {

namespace {

// GUID_DEVCLASS_NET, which devguid.h defines only with INITGUID.
constexpr GUID kNetworkClass = {0x4D36E972, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

// A call that failed without saying why still has to report an error.
unsigned long LastError() {
  const DWORD error = ::GetLastError();
  return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

RestartResult Failure(unsigned long error) { return {StatusForError(error), error}; }

// The device's driver key, or nothing for a device without a driver or
// whose key is no string.
std::optional<std::wstring> DriverKey(HDEVINFO devices, SP_DEVINFO_DATA& device) {
  DWORD type = 0, size = 0;
  if (!::SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_DRIVER, &type, nullptr, 0, &size) &&
      ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
    return std::nullopt;
  if (type != REG_SZ || size == 0) return std::nullopt;
  std::vector<BYTE> data(size);
  if (!::SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_DRIVER, &type, data.data(), size, &size) ||
      type != REG_SZ)
    return std::nullopt;
  // The stored string need not end in a null, and may hold more than one.
  const size_t length = std::min<size_t>(size, data.size()) / sizeof(wchar_t);
  std::wstring key(reinterpret_cast<const wchar_t*>(data.data()), length);
  while (!key.empty() && key.back() == L'\0') key.pop_back();
  return key;
}

// Asks the class installer to disable or enable the device in the current
// hardware profile; ERROR_SUCCESS or why it did not.
unsigned long ChangeState(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD state) {
  SP_PROPCHANGE_PARAMS params{};
  params.ClassInstallHeader.cbSize = sizeof(params.ClassInstallHeader);
  params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
  params.StateChange = state;
  params.Scope = DICS_FLAG_CONFIGSPECIFIC;
  params.HwProfile = 0;
  if (!::SetupDiSetClassInstallParamsW(devices, &device, &params.ClassInstallHeader, sizeof(params)) ||
      !::SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, devices, &device))
    return LastError();
  return ERROR_SUCCESS;
}

}  // namespace

RestartResult DisableAndEnable(const std::function<unsigned long(unsigned long state)>& changeState) {
  if (const unsigned long error = changeState(DICS_DISABLE)) return Failure(error);
  // A disabled device is always enabled again, a second time when the first
  // attempt fails; if both fail it stays disabled, which the caller has to
  // tell the user.
  if (changeState(DICS_ENABLE) != ERROR_SUCCESS) {
    if (const unsigned long error = changeState(DICS_ENABLE)) return {RestartStatus::LeftDisabled, error};
  }
  return {RestartStatus::Restarted, ERROR_SUCCESS};
}

RestartResult SetupApiAdapterDevices::Restart(const std::wstring& adapterIndex) {
  UniqueDeviceInfoSet devices(::SetupDiGetClassDevsW(&kNetworkClass, nullptr, nullptr, DIGCF_PRESENT));
  if (!devices) return Failure(LastError());

  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof(device);
  bool found = false;
  for (DWORD index = 0; !found; ++index) {
    if (!::SetupDiEnumDeviceInfo(devices.get(), index, &device)) {
      const unsigned long error = LastError();
      if (error == ERROR_NO_MORE_ITEMS) return {RestartStatus::NoDevice, ERROR_NOT_FOUND};
      return Failure(error);
    }
    const std::optional<std::wstring> key = DriverKey(devices.get(), device);
    found = key && DriverKeyNames(*key, adapterIndex);
  }

  const RestartResult cycled = DisableAndEnable(
      [&](unsigned long state) { return ChangeState(devices.get(), device, static_cast<DWORD>(state)); });
  if (cycled.status != RestartStatus::Restarted) return cycled;

  // A driver that cannot let go of the device until the system restarts
  // keeps the old address until then. The installer only adds these flags,
  // so they also tell of a disable that needed a restart.
  SP_DEVINSTALL_PARAMS_W install{};
  install.cbSize = sizeof(install);
  if (!::SetupDiGetDeviceInstallParamsW(devices.get(), &device, &install)) return Failure(LastError());
  if (install.Flags & (DI_NEEDRESTART | DI_NEEDREBOOT))
    return {RestartStatus::Failed, ERROR_SUCCESS_REBOOT_REQUIRED};
  return {RestartStatus::Restarted, ERROR_SUCCESS};
}

}  // namespace quav
