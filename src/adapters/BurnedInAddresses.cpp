#include "adapters/BurnedInAddresses.h"

#include <process.h>

#include <algorithm>
#include <memory>

namespace quav {

struct BurnedInAddresses::Question {
  BurnedInAddresses* owner;
  std::wstring adapterIndex;
  unsigned round;
};

class BurnedInAddresses::Locked {
 public:
  explicit Locked(CRITICAL_SECTION& section) : section_(section) { ::EnterCriticalSection(&section_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  ~Locked() { ::LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION& section_;
};

BurnedInAddresses::BurnedInAddresses(AdapterFacts& facts, std::function<void()> answered)
    : facts_(facts), answered_(std::move(answered)) {
  ::InitializeCriticalSection(&lock_);
}

BurnedInAddresses::~BurnedInAddresses() {
  std::vector<UniqueHandle> askers;
  {
    const Locked locked(lock_);
    askers.swap(askers_);
  }
  for (const UniqueHandle& asker : askers) ::WaitForSingleObject(asker.get(), INFINITE);
  ::DeleteCriticalSection(&lock_);
}

BurnedInAddresses::Answer BurnedInAddresses::Find(const std::wstring& adapterIndex) {
  const Locked locked(lock_);
  // Threads that have ended are let go here, so that they do not pile up
  // over a long session.
  askers_.erase(std::remove_if(askers_.begin(), askers_.end(),
                               [](const UniqueHandle& asker) {
                                 return ::WaitForSingleObject(asker.get(), 0) == WAIT_OBJECT_0;
                               }),
                askers_.end());
  const auto known = answers_.find(adapterIndex);
  if (known != answers_.end()) return known->second;
  auto question = std::make_unique<Question>(Question{this, adapterIndex, round_});
  // The thread waits for this lock before it can keep its answer.
  UniqueHandle asker(reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, &AskOnThread, question.get(), 0, nullptr)));
  if (!asker) return Answer{false, std::nullopt};
  static_cast<void>(question.release());
  askers_.push_back(std::move(asker));
  Answer asking;
  asking.asking = true;
  answers_.emplace(adapterIndex, asking);
  return asking;
}

void BurnedInAddresses::Forget() {
  const Locked locked(lock_);
  ++round_;
  answers_.clear();
}

unsigned __stdcall BurnedInAddresses::AskOnThread(void* question) {
  const std::unique_ptr<Question> asked(static_cast<Question*>(question));
  asked->owner->Ask(asked->adapterIndex, asked->round);
  return 0;
}

void BurnedInAddresses::Ask(const std::wstring& adapterIndex, unsigned round) {
  std::optional<std::wstring> address;
  try {
    address = facts_.PermanentAddress(adapterIndex);
  } catch (...) {
    // Nothing to report it to on this thread: the tip says it was not read.
  }
  bool kept = false;
  {
    const Locked locked(lock_);
    if (round == round_) {
      answers_[adapterIndex] = Answer{false, std::move(address)};
      kept = true;
    }
  }
  if (kept && answered_) answered_();
}

}  // namespace quav
