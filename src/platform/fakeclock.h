// Time that moves only when a test says so. Advance fires every timer that
// falls due on the way, in order of due time (timers due at the same moment in
// the order they were started), each as often as its interval elapsed, with
// Now() reading the due time while its callback runs.
#pragma once

#include <map>
#include <memory>

#include "platform/timers.h"

namespace qs {

class FakeClock final : public IClock, public ITimers {
 public:
  std::int64_t Now() const override { return m_now; }
  void StartTimer(int id, int intervalMs, TimerCallback callback) override;
  void StopTimer(int id) override { m_timers.erase(id); }
  bool IsRunning(int id) const override { return m_timers.count(id) > 0; }

  void Advance(std::int64_t ms);
  [[nodiscard]] std::size_t RunningCount() const { return m_timers.size(); }

 private:
  struct Timer {
    std::int64_t interval = 1;
    std::int64_t due = 0;
    std::uint64_t order = 0;  // start order, to break ties
    std::shared_ptr<TimerCallback> callback;
  };
  // The running timer due first at or before until, or m_timers.end().
  std::map<int, Timer>::iterator NextDue(std::int64_t until);

  std::int64_t m_now = 0;
  std::uint64_t m_started = 0;
  std::map<int, Timer> m_timers;
};

}  // namespace qs
