#include "platform/fakeclock.h"

#include <gtest/gtest.h>

#include <string>

namespace qs {
namespace {

TEST(FakeClock, FiresDueTimersInTimeOrderAsOftenAsTheyElapsed) {
  FakeClock clock;
  std::string log;
  clock.StartTimer(1, 30, [&] { log += "a" + std::to_string(clock.Now()) + " "; });
  clock.StartTimer(2, 20, [&] { log += "b" + std::to_string(clock.Now()) + " "; });
  clock.Advance(10);
  EXPECT_EQ(log, "");
  clock.Advance(55);
  // b at 20, 40, 60; a at 30, 60; at 60 both are due and a, started first, goes first.
  EXPECT_EQ(log, "b20 a30 b40 a60 b60 ");
  EXPECT_EQ(clock.Now(), 65);
}

TEST(FakeClock, CallbacksMayStopAndStartTimers) {
  FakeClock clock;
  int ticks = 0, other = 0;
  clock.StartTimer(1, 10, [&] {
    if (++ticks == 2) clock.StopTimer(1);  // stops itself mid-callback
  });
  clock.StartTimer(2, 25, [&] {
    ++other;
    clock.StopTimer(2);
    clock.StartTimer(3, 5, [&] { other += 100; });
  });
  clock.Advance(100);
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(clock.IsRunning(1));
  EXPECT_FALSE(clock.IsRunning(2));
  EXPECT_EQ(other, 1 + 100 * 15);  // timer 3 ran from 25, every 5 ms up to 100
}

TEST(FakeClock, RestartingAnIdReplacesTheTimerAndItsInterval) {
  FakeClock clock;
  int first = 0, second = 0;
  clock.StartTimer(7, 10, [&] { ++first; });
  clock.Advance(5);
  clock.StartTimer(7, 10, [&] { ++second; });
  clock.Advance(10);  // due at 15, not at 10
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);
  EXPECT_EQ(clock.RunningCount(), 1u);
}

TEST(ScopedTimer, StopsWithItsOwnerAndGetsItsOwnId) {
  FakeClock clock;
  int ticks = 0;
  {
    ScopedTimer a(clock), b(clock);
    a.Start(10, [&] { ++ticks; });
    b.Start(10, [&] { ++ticks; });
    b.Stop();  // must not stop a
    EXPECT_TRUE(a.IsRunning());
    clock.Advance(10);
  }
  EXPECT_EQ(clock.RunningCount(), 0u);
  clock.Advance(100);
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace qs
