#pragma once

#include <string_view>

#include "change/AdapterDevices.h"

// The decisions behind restarting an adapter's device, without any system
// call: which device is the adapter's, and what a failure means.
namespace quav {

// Whether a device's driver key ("{4D36E972-E325-11CE-BFC1-08002BE10318}\0007")
// is the network class key's subkey adapterIndex: the class GUID in braces, in
// any case, one backslash, then exactly that subkey name.
bool DriverKeyNames(std::wstring_view driverKey, std::wstring_view adapterIndex);

// What a failed device call's error means to the caller: a refusal for want
// of rights, as a system error or an HRESULT, is AccessDenied; the refusal of
// a 32-bit process on 64-bit Windows is WrongArchitecture.
RestartStatus StatusForError(unsigned long error);

}  // namespace quav
