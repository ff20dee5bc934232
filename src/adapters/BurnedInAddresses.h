#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "adapters/AdapterFacts.h"
#include "platform/Handles.h"

namespace quav {

// The burned-in addresses of the listed adapters, for a window that must not
// wait for a driver: each adapter's driver is asked once, on a thread of its
// own, and its answer (or that it gave none) is kept until the list is
// filled again. A driver may hold the question up to its time limit.
class BurnedInAddresses {
 public:
  // answered is called on the asking thread once an answer is kept.
  BurnedInAddresses(AdapterFacts& facts, std::function<void()> answered);
  BurnedInAddresses(const BurnedInAddresses&) = delete;
  BurnedInAddresses& operator=(const BurnedInAddresses&) = delete;
  // Waits for the questions still asked: they use the facts.
  ~BurnedInAddresses();

  struct Answer {
    bool asking = false;                  // the driver has not answered yet
    std::optional<std::wstring> address;  // none when it could not say
  };
  // What the adapter's driver said; the first call for an adapter asks it.
  Answer Find(const std::wstring& adapterIndex);
  // The list was filled anew: each driver is asked again once, and answers
  // still coming to earlier questions are dropped.
  void Forget();

 private:
  struct Question;
  class Locked;
  static unsigned __stdcall AskOnThread(void* question);
  void Ask(const std::wstring& adapterIndex, unsigned round);

  AdapterFacts& facts_;
  std::function<void()> answered_;
  // Guards what follows; a critical section, as the C++ mutex's error
  // reporting would pull the library's system-error texts into the program.
  CRITICAL_SECTION lock_;
  unsigned round_ = 0;
  std::map<std::wstring, Answer> answers_;
  std::vector<UniqueHandle> askers_;  // the threads, until they are seen to have ended
};

}  // namespace quav
