// Repeating timers and the clock they run on. A timer's callback runs on the
// program's one event thread, never inside StartTimer or StopTimer.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace qs {

using TimerCallback = std::function<void()>;

class IClock {
 public:
  virtual ~IClock() = default;
  // Milliseconds from an arbitrary start; never goes backwards.
  [[nodiscard]] virtual std::int64_t Now() const = 0;
};

class ITimers {
 public:
  virtual ~ITimers() = default;
  // Calls callback every intervalMs (at least 1) until stopped. Starting an id
  // that runs already replaces that timer and restarts its interval.
  virtual void StartTimer(int id, int intervalMs, TimerCallback callback) = 0;
  // Stopping an id that does not run is harmless.
  virtual void StopTimer(int id) = 0;
  [[nodiscard]] virtual bool IsRunning(int id) const = 0;

  // An id no other caller of this process got from here, so that two
  // controls sharing one ITimers cannot stop each other's timers.
  [[nodiscard]] static int NewTimerId();
};

// A timer bound to its owner's lifetime: it stops when the owner dies.
class ScopedTimer {
 public:
  explicit ScopedTimer(ITimers& timers) : m_timers(timers), m_id(ITimers::NewTimerId()) {}
  ~ScopedTimer() { Stop(); }
  ScopedTimer(const ScopedTimer&) = delete;
  ScopedTimer& operator=(const ScopedTimer&) = delete;

  void Start(int intervalMs, TimerCallback callback) {
    m_timers.StartTimer(m_id, intervalMs, std::move(callback));
  }
  void Stop() { m_timers.StopTimer(m_id); }
  [[nodiscard]] bool IsRunning() const { return m_timers.IsRunning(m_id); }

 private:
  ITimers& m_timers;
  int m_id;
};

// The host's monotonic clock.
class SteadyClock final : public IClock {
 public:
  std::int64_t Now() const override;
};

}  // namespace qs
