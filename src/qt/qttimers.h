// Timers on the Qt event loop.
#pragma once

#include <QTimer>
#include <map>

#include "platform/timers.h"

namespace qs::qt {

class QtTimers final : public ITimers {
 public:
  QtTimers() = default;
  ~QtTimers() override;
  QtTimers(const QtTimers&) = delete;
  QtTimers& operator=(const QtTimers&) = delete;

  void StartTimer(int id, int intervalMs, TimerCallback callback) override;
  void StopTimer(int id) override;
  bool IsRunning(int id) const override { return m_timers.count(id) > 0; }

 private:
  std::map<int, QTimer*> m_timers;  // owned; deleted later, as a callback may be running in one
};

}  // namespace qs::qt
