#pragma once

#include <cstdint>
#include <string>

#include "adapters/AdapterFacts.h"
#include "change/AdapterDevices.h"
#include "change/RandomAddress.h"
#include "change/RecordedChange.h"
#include "schedule/NetworkKeyStore.h"
#include "schedule/ScheduleRules.h"

// What a task runs: a new address for one adapter at one moment, stored,
// the adapter restarted and checked, each step in the log beside the
// program. It shows nothing: nobody may be logged on.
namespace quav {

struct RunRequest {
  std::wstring adapter;
  Moment moment = Moment::Boot;
  AddressKind address;
};

struct RunServices {
  AdapterDevices& devices;
  AdapterFacts& facts;
  RandomSource& random;
};

enum class RunStatus {
  Changed,       // stored and restarted; restart says what the adapter now uses
  SkippedOwn,    // the adapter presents the address this schedule gave it moments ago
  NoAdapter,     // no adapter with that ID
  ScanFailed,    // the adapters could not all be listed, and this one was not found
  Disabled,      // the adapter is not in the interface table: disabled or not started
  UnsafeRecord,  // others than administrators can change the schedule's record
  NoRandom,      // the random source failed
  NoMaker,       // the maker of the kind of address cannot be had
  NotStored,     // the registry refused the new address
  NotRestarted,  // stored, but the restart was not possible or failed
  // The address of the network the adapter is on:
  AlreadyThere,  // the adapter presents it already: nothing done, nothing logged
  WindowsOwn,    // Windows gives the adapter a random address of its own on this network
  NoNetwork,     // the adapter is on no network, or which one cannot be told
  NoKey,         // the key cannot be used: network.key says why
};

struct RunOutcome {
  RunStatus status = RunStatus::Changed;
  RecordedChange change;    // NotStored, NotRestarted, Changed
  RecordedRestart restart;  // NotRestarted, Changed
  unsigned long logStatus = 0;  // 0 once the run's own line is in the log
  std::wstring sentence;    // what happened, for a console that may be watching
  NetworkKeyStatus key = NetworkKeyStatus::Ready;  // NoKey: why
};

// The run, logged in the log at logPath; nowSeconds is the system's clock
// in seconds (FILETIME / 10^7).
RunOutcome RunScheduled(const RunRequest& request, const RunServices& services, const std::wstring& logPath,
                        uint64_t nowSeconds);

// The system's clock now, as RunScheduled takes it.
uint64_t ClockSeconds();

}  // namespace quav
