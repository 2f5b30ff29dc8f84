#include "platform/fakeclock.h"

#include <algorithm>
#include <memory>

namespace qs {

void FakeClock::StartTimer(int id, int intervalMs, TimerCallback callback) {
  Timer timer;
  timer.interval = std::max(intervalMs, 1);
  timer.due = m_now + timer.interval;
  timer.order = m_started++;
  timer.callback = std::make_shared<TimerCallback>(std::move(callback));
  m_timers[id] = std::move(timer);
}

std::map<int, FakeClock::Timer>::iterator FakeClock::NextDue(std::int64_t until) {
  auto best = m_timers.end();
  for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
    if (it->second.due > until) continue;
    if (best == m_timers.end() || it->second.due < best->second.due ||
        (it->second.due == best->second.due && it->second.order < best->second.order))
      best = it;
  }
  return best;
}

void FakeClock::Advance(std::int64_t ms) {
  const std::int64_t until = m_now + std::max<std::int64_t>(ms, 0);
  // One timer at a time, looked up afresh each time, because a callback may
  // stop, restart or start any timer (its own included).
  for (auto it = NextDue(until); it != m_timers.end(); it = NextDue(until)) {
    Timer& timer = it->second;
    m_now = timer.due;
    timer.due += timer.interval;
    timer.order = m_started++;  // after the others due at the same moment
    const std::shared_ptr<TimerCallback> callback = timer.callback;  // survives StopTimer
    if (*callback) (*callback)();
  }
  m_now = until;
}

}  // namespace qs
