// Runs a step when a scope is left, however it is left: the restoring half of
// a pair whose first half may be followed by an exception.
#pragma once

#include <utility>

namespace qs {

template <typename Step>
class ScopeExit {
 public:
  explicit ScopeExit(Step step) : m_step(std::move(step)) {}
  ~ScopeExit() { m_step(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Step m_step;
};

}  // namespace qs
