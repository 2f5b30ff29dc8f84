#include "platform/timers.h"

#include <atomic>
#include <chrono>

namespace qs {

int ITimers::NewTimerId() {
  // Far above the small ids code picks by hand.
  static std::atomic<int> next{1 << 20};
  return next++;
}

std::int64_t SteadyClock::Now() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace qs
