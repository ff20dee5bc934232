#include "adapters/BurnedInAddresses.h"

#include <algorithm>

namespace quav {

BurnedInAddresses::BurnedInAddresses(AdapterFacts& facts, std::function<void()> answered)
    : facts_(facts), answered_(std::move(answered)) {}

BurnedInAddresses::~BurnedInAddresses() {
  std::vector<std::thread> askers;
  {
    const std::lock_guard lock(mutex_);
    askers.swap(askers_);
  }
  for (std::thread& asker : askers) asker.join();
}

BurnedInAddresses::Answer BurnedInAddresses::Find(const std::wstring& adapterIndex) {
  const std::lock_guard lock(mutex_);
  // Threads whose question is answered are joined here, so that they do not
  // pile up over a long session.
  for (const std::thread::id id : finished_) {
    const auto asker = std::find_if(askers_.begin(), askers_.end(), [id](const std::thread& t) { return t.get_id() == id; });
    if (asker == askers_.end()) continue;
    asker->join();
    askers_.erase(asker);
  }
  finished_.clear();
  const auto known = answers_.find(adapterIndex);
  if (known != answers_.end()) return known->second;
  // The thread waits for this lock before it can keep its answer.
  askers_.emplace_back(&BurnedInAddresses::Ask, this, adapterIndex, round_);
  Answer asking;
  asking.asking = true;
  answers_.emplace(adapterIndex, asking);
  return asking;
}

void BurnedInAddresses::Forget() {
  const std::lock_guard lock(mutex_);
  ++round_;
  answers_.clear();
}

void BurnedInAddresses::Ask(std::wstring adapterIndex, unsigned round) {
  std::optional<std::wstring> address;
  try {
    address = facts_.PermanentAddress(adapterIndex);
  } catch (...) {
    // Nothing to report it to on this thread: the tip says it was not read.
  }
  bool kept = false;
  {
    const std::lock_guard lock(mutex_);
    if (round == round_) {
      answers_[adapterIndex] = Answer{false, std::move(address)};
      kept = true;
    }
    finished_.push_back(std::this_thread::get_id());
  }
  if (kept && answered_) answered_();
}

}  // namespace quav
