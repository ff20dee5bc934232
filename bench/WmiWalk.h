#pragma once

#include <windows.h>

#include <memory>

#include "adapters/WmiAdapterSource.h"
#include "platform/Handles.h"

namespace quav::bench {

// The properties quav.exe reads of each adapter configuration.
inline constexpr const wchar_t* kWmiProperties[] = {L"IPEnabled", L"Index", L"Description", L"IPAddress",
                                                    L"MACAddress"};

// Floor b's query: the adapter configurations through the locator, every
// instance walked with its properties read. Instances walked;
// -1 when the query fails.
inline int QueryThroughLocator() {
  const std::unique_ptr<WmiAdapterSource> source = MakeSystemWmiAdapterSource();
  if (!source->Open()) return -1;
  int count = 0;
  std::unique_ptr<WmiInstance> instance;
  bool failed = false;
  while (source->Next(instance, failed)) {
    for (const wchar_t* property : kWmiProperties) {
      UniqueVariant value;
      instance->Get(property, value.put());
    }
    ++count;
  }
  return failed ? -1 : count;
}

}  // namespace quav::bench
