#pragma once

#include <windows.h>
#include <oleauto.h>

#include <memory>

namespace quav {

// One Win32_NetworkAdapterConfiguration instance.
class WmiInstance {
 public:
  virtual ~WmiInstance() = default;
  // Reads a property into value (cleared first): false when the read fails.
  // A property can be VT_NULL.
  virtual bool Get(const wchar_t* property, VARIANT* value) = 0;
};

// The WMI service's adapter configurations, walked once in the order the
// service returns them.
class WmiAdapterSource {
 public:
  virtual ~WmiAdapterSource() = default;
  // Connects to the service, asks for the instances and starts the walk;
  // false when any of that fails.
  virtual bool Open() = 0;
  // The next instance into instance; false at the end. Sets failed when the
  // walk itself fails.
  virtual bool Next(std::unique_ptr<WmiInstance>& instance, bool& failed) = 0;
};

// The local WMI service's root\cimv2 namespace through its locator, calls
// made at the impersonate level. One walk per object; the calling thread must
// have initialised COM.
std::unique_ptr<WmiAdapterSource> MakeSystemWmiAdapterSource();

}  // namespace quav
