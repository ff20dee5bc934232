#include "adapters/WmiAdapterSource.h"

#include <objbase.h>
#include <wbemcli.h>

#include "platform/Handles.h"

namespace quav {
namespace {

class SystemWmiInstance final : public WmiInstance {
 public:
  explicit SystemWmiInstance(ComPtr<IWbemClassObject> object) : object_(std::move(object)) {}

  bool Get(const wchar_t* property, VARIANT* value) override {
    ::VariantClear(value);
    return SUCCEEDED(object_->Get(property, 0, value, nullptr, nullptr));
  }

 private:
  ComPtr<IWbemClassObject> object_;
};

class SystemWmiAdapterSource final : public WmiAdapterSource {
 public:
  bool Open() override {
    // The locator is the service's own client interface, in process: the
    // scripting layer on top of it would first try an activation out of
    // process, which waits for the RPC service when that is slow to answer.
    ComPtr<IWbemLocator> locator;
    if (FAILED(::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                  locator.put_void()))) {
      return false;
    }
    UniqueBstr space(::SysAllocString(L"root\\cimv2"));
    UniqueBstr className(::SysAllocString(L"Win32_NetworkAdapterConfiguration"));
    if (!space || !className) return false;
    ComPtr<IWbemServices> service;
    if (FAILED(locator->ConnectServer(space.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, service.put()))) {
      return false;
    }
    // Calls into the service run as the user, as a script's
    // {impersonationLevel=impersonate} asks.
    if (FAILED(::CoSetProxyBlanket(service.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                                   RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE))) {
      return false;
    }
    return SUCCEEDED(service->CreateInstanceEnum(
        className.get(), WBEM_FLAG_RETURN_IMMEDIATELY | WBEM_FLAG_FORWARD_ONLY, nullptr, walk_.put()));
  }

  bool Next(std::unique_ptr<WmiInstance>& instance, bool& failed) override {
    failed = false;
    if (!walk_) {
      failed = true;
      return false;
    }
    ComPtr<IWbemClassObject> object;
    ULONG fetched = 0;
    const HRESULT hr = walk_->Next(static_cast<long>(WBEM_INFINITE), 1, object.put(), &fetched);
    if (hr == WBEM_S_FALSE && fetched == 0) return false;
    if (hr != WBEM_S_NO_ERROR || fetched != 1 || !object) {
      failed = true;
      return false;
    }
    instance = std::make_unique<SystemWmiInstance>(std::move(object));
    return true;
  }

 private:
  ComPtr<IEnumWbemClassObject> walk_;
};

}  // namespace

std::unique_ptr<WmiAdapterSource> MakeSystemWmiAdapterSource() { return std::make_unique<SystemWmiAdapterSource>(); }

}  // namespace quav
