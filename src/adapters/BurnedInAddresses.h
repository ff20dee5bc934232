#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "adapters/AdapterFacts.h"

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
  void Ask(std::wstring adapterIndex, unsigned round);

  AdapterFacts& facts_;
  std::function<void()> answered_;
  std::mutex mutex_;  // guards what follows
  unsigned round_ = 0;
  std::map<std::wstring, Answer> answers_;
  std::vector<std::thread> askers_;
  std::vector<std::thread::id> finished_;
};

}  // namespace quav
