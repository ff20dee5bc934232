#pragma once

#include <windows.h>
#include <oleauto.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "adapters/WmiAdapterSource.h"
#include "platform/Handles.h"

// A WMI service made of VARIANTs, for the adapter scan.
namespace quav::test {

// Property values, shared between the instances built from them.
using WmiValue = std::shared_ptr<UniqueVariant>;
using WmiInstanceData = std::map<std::wstring, WmiValue>;  // a missing property fails to read

template <typename Fill>
WmiValue MakeWmiValue(VARTYPE type, Fill fill) {
  auto value = std::make_shared<UniqueVariant>();
  value->get()->vt = type;
  fill(*value->get());
  return value;
}
inline WmiValue WmiNull() {
  return MakeWmiValue(VT_NULL, [](VARIANT&) {});
}
inline WmiValue WmiBool(bool b) {
  return MakeWmiValue(VT_BOOL, [&](VARIANT& v) { v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE; });
}
inline WmiValue WmiInt(long n) {
  return MakeWmiValue(VT_I4, [&](VARIANT& v) { v.lVal = n; });
}
inline WmiValue WmiText(const wchar_t* s) {
  return MakeWmiValue(VT_BSTR, [&](VARIANT& v) { v.bstrVal = ::SysAllocString(s); });
}
// A one-dimensional array of texts, as BSTRs or as VARIANTs holding them.
inline WmiValue WmiTexts(std::vector<const wchar_t*> texts, VARTYPE element = VT_BSTR) {
  return MakeWmiValue(VT_ARRAY | element, [&](VARIANT& v) {
    v.parray = ::SafeArrayCreateVector(element, 0, static_cast<ULONG>(texts.size()));
    for (LONG i = 0; i < static_cast<LONG>(texts.size()); ++i) {
      const WmiValue text = WmiText(texts[static_cast<size_t>(i)]);
      ::SafeArrayPutElement(v.parray, &i, element == VT_BSTR ? static_cast<void*>(text->get()->bstrVal) : text->get());
    }
  });
}

inline WmiInstanceData WmiAdapter(long index, WmiValue ipEnabled, const wchar_t* description, WmiValue addresses,
                                  WmiValue mac) {
  return {{L"Index", WmiInt(index)},
          {L"IPEnabled", ipEnabled},
          {L"Description", WmiText(description)},
          {L"IPAddress", addresses},
          {L"MACAddress", mac}};
}

// Walks its instances once. Every step the scan takes (the open, each step
// of the walk, each property read) is counted and named, and any one of them
// can be made to fail.
class FakeWmi final : public WmiAdapterSource {
 public:
  class Object final : public WmiInstance {
   public:
    Object(FakeWmi& owner, size_t number, WmiInstanceData properties)
        : owner_(owner), number_(number), properties_(std::move(properties)) {}
    bool Get(const wchar_t* property, VARIANT* value) override {
      ::VariantClear(value);
      if (!owner_.Step(L"instance " + std::to_wstring(number_) + L" " + property)) return false;
      const auto found = properties_.find(property);
      return found != properties_.end() && SUCCEEDED(::VariantCopy(value, found->second->get()));
    }

   private:
    FakeWmi& owner_;
    size_t number_;
    WmiInstanceData properties_;
  };

  // Each open starts the walk again, as a new connection would.
  bool Open() override {
    next_ = 0;
    return Step(L"open") && !openFails;
  }
  bool Next(std::unique_ptr<WmiInstance>& instance, bool& failed) override {
    failed = !Step(L"walk " + std::to_wstring(next_ + 1)) || walkFailsAt == next_;
    if (failed || next_ == instances.size()) return false;
    instance = std::make_unique<Object>(*this, next_ + 1, instances[next_]);
    ++next_;
    return true;
  }

  std::vector<WmiInstanceData> instances;
  bool openFails = false;
  std::optional<size_t> walkFailsAt;
  // The step (1-based, in the order taken) that fails, if any.
  std::optional<size_t> failStep;
  std::vector<std::wstring> steps;

 private:
  bool Step(std::wstring name) {
    steps.push_back(std::move(name));
    return failStep != steps.size();
  }
  size_t next_ = 0;
};

}  // namespace quav::test
