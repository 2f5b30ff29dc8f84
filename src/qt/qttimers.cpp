#include "qt/qttimers.h"

#include "support/guardedcall.h"

namespace qs::qt {

QtTimers::~QtTimers() {
  for (auto& [id, timer] : m_timers) delete timer;
}

void QtTimers::StartTimer(int id, int intervalMs, TimerCallback callback) {
  StopTimer(id);
  auto* timer = new QTimer;
  timer->setInterval(std::max(intervalMs, 1));
  QObject::connect(timer, &QTimer::timeout, [callback = std::move(callback)] {
    if (callback) GuardedCall(callback);
  });
  m_timers[id] = timer;
  timer->start();
}

void QtTimers::StopTimer(int id) {
  const auto it = m_timers.find(id);
  if (it == m_timers.end()) return;
  it->second->stop();
  // The timer may be the one whose callback is running right now.
  it->second->deleteLater();
  m_timers.erase(it);
}

}  // namespace qs::qt
