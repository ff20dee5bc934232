#include "adapters/WmiAdapterSource.h"

#include <objbase.h>

#include "platform/Handles.h"

namespace quav {
namespace {

// Late binding, as a script reaches the service: names are looked up on each
// object. Wine's scripting objects answer property reads only when the call
// may also be a method call, which Windows accepts as well.
HRESULT InvokeByName(IDispatch* object, const wchar_t* name, WORD flags, DISPPARAMS& parameters, VARIANT* result) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr, nullptr);
}

// The interface an object result holds, or none.
template <typename T>
bool QueryResult(const VARIANT& result, REFIID iid, ComPtr<T>& target) {
  if ((result.vt != VT_DISPATCH && result.vt != VT_UNKNOWN) || !result.punkVal) return false;
  return SUCCEEDED(result.punkVal->QueryInterface(iid, target.put_void()));
}

class SystemWmiInstance final : public WmiInstance {
 public:
  explicit SystemWmiInstance(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  bool Get(const wchar_t* property, VARIANT* value) override {
    ::VariantClear(value);
    DISPPARAMS none{};
    return SUCCEEDED(InvokeByName(object_.get(), property, DISPATCH_PROPERTYGET | DISPATCH_METHOD, none, value));
  }

 private:
  ComPtr<IDispatch> object_;
};

class SystemWmiAdapterSource final : public WmiAdapterSource {
 public:
  bool Open() override {
    ComPtr<IDispatch> service;
    if (FAILED(
            ::CoGetObject(L"winmgmts:{impersonationLevel=impersonate}", nullptr, IID_IDispatch, service.put_void()))) {
      return false;
    }

    UniqueBstr className(::SysAllocString(L"Win32_NetworkAdapterConfiguration"));
    if (!className) return false;
    VARIANTARG argument;
    ::VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = className.get();
    DISPPARAMS query{&argument, nullptr, 1, 0};
    UniqueVariant instances;
    if (FAILED(InvokeByName(service.get(), L"InstancesOf", DISPATCH_METHOD, query, instances.put()))) return false;
    ComPtr<IDispatch> collection;
    if (!QueryResult(*instances.get(), IID_IDispatch, collection)) return false;

    DISPPARAMS none{};
    UniqueVariant enumerator;
    if (FAILED(collection->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                                  &none, enumerator.put(), nullptr, nullptr))) {
      return false;
    }
    return QueryResult(*enumerator.get(), IID_IEnumVARIANT, walk_);
  }

  bool Next(std::unique_ptr<WmiInstance>& instance, bool& failed) override {
    failed = false;
    if (!walk_) {
      failed = true;
      return false;
    }
    UniqueVariant item;
    ULONG fetched = 0;
    const HRESULT hr = walk_->Next(1, item.put(), &fetched);
    if (hr == S_FALSE && fetched == 0) return false;
    ComPtr<IDispatch> object;
    if (hr != S_OK || fetched != 1 || !QueryResult(*item.get(), IID_IDispatch, object)) {
      failed = true;
      return false;
    }
    instance = std::make_unique<SystemWmiInstance>(std::move(object));
    return true;
  }

 private:
  ComPtr<IEnumVARIANT> walk_;
};

}  // namespace

std::unique_ptr<WmiAdapterSource> MakeSystemWmiAdapterSource() { return std::make_unique<SystemWmiAdapterSource>(); }

}  // namespace quav
