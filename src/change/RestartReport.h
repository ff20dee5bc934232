#pragma once

#include <string>
#include <string_view>

#include "change/AdapterDevices.h"
#include "change/LogLine.h"

// What restarting an adapter did, and the sentence that tells the user.
namespace quav {

enum class AddressCheck {
  UsesNew,       // the adapter presents the overriding address
  Ignored,       // an overriding address is stored, the adapter presents another
  UsesOwn,       // no overriding address: the adapter presents its burned-in one
  Unknown,       // the adapter did not come back into the interface table
};

struct RestartReport {
  RestartResult restart;
  AddressCheck check = AddressCheck::Unknown;
  std::wstring expected;  // the stored overriding address, display form; empty when none
  std::wstring active;    // the address presented after the restart; empty when unknown
  std::wstring permanent{};  // the adapter's burned-in address; empty when its driver does not say
  bool windowsRandom = false;  // Windows gives the adapter random hardware addresses of its own
};

// How the addresses compare; letter case and separators do not count.
AddressCheck CheckAddresses(std::wstring_view expected, std::wstring_view active);

// For the user: why the restart was not possible, or, after it, one sentence
// saying which address the adapter now uses. The adapter's name (its
// description, as listed) stands beside its ID in English.
std::wstring RestartMessage(const RestartReport& report, std::wstring_view adapterIndex,
                            std::wstring_view adapterName);

// Whether the restart changed the device's state: it restarted, or it was
// left disabled. The change log records those.
bool RestartChangedDevice(const RestartReport& report);

// The change log's line for a restart that changed the device's state,
// without its line end.
std::wstring AddressCheckLine(const LogLineFields& fields, const RestartReport& report);

}  // namespace quav
