#pragma once

#include <utility>

namespace quav {

// Runs an action when the scope ends, also when it ends in an exception: what
// a procedure sets for its duration is put back however it leaves.
template <typename Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  ~ScopeExit() {
    try {
      action_();
    } catch (...) {
      // A destructor may not throw: a clean-up that fails is given up.
    }
  }

 private:
  Action action_;
};

}  // namespace quav
