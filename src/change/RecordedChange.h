#pragma once

#include <windows.h>

#include <string>

#include "change/AdapterRestart.h"
#include "change/AddressStore.h"

// A change of an adapter together with its line in the change log: the one
// sequence the window and the command line both run. Each outcome carries the
// sentence to show when something went wrong; the caller only presents it.
namespace quav {

struct RecordedChange {
  ChangeOutcome registry;  // the value written or deleted, as read back
  DWORD logStatus = 0;     // 0 once the line is in the log, else AppendLogLine's code
  std::wstring problem;    // what went wrong, one sentence; empty when nothing did
  std::wstring detail;     // the system's words for it
};

// Stores digits as the adapter's overriding address and, once the registry
// holds them, logs the change from fromAddress to shown (digits as displayed).
// The adapter's name (its description, as listed) is for the sentences.
RecordedChange ChangeAndRecord(const std::wstring& adapterIndex, const std::wstring& adapterName,
                               const std::wstring& digits, const std::wstring& shown, const std::wstring& fromAddress,
                               const std::wstring& logPath);

// Deletes the adapter's overriding address and, once it is gone, logs it.
RecordedChange RemoveAndRecord(const std::wstring& adapterIndex, const std::wstring& adapterName,
                               const std::wstring& logPath);

struct RecordedRestart {
  RestartReport report;
  DWORD logStatus = 0;
  std::wstring problem;  // the log's failure, one sentence; empty when there is none
  std::wstring detail;
};

// Restarts the adapter, checks the address it then uses and logs the check
// when the device was touched.
RecordedRestart RestartAndRecord(const std::wstring& adapterIndex, AdapterDevices& devices, AdapterFacts& facts,
                                 const std::wstring& logPath, unsigned waitMilliseconds = 15000,
                                 const RestartPause& pause = {});

}  // namespace quav
