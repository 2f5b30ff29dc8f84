#include "support/notifier.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace qs {
namespace {

TEST(Notifier, SubscriptionsUnregisterThemselves) {
  Notifier notifier;
  std::string heard;
  Subscription a = notifier.Subscribe([&] { heard += 'a'; });
  {
    Subscription b = notifier.Subscribe([&] { heard += 'b'; });
    notifier.Notify();
  }
  notifier.Notify();
  Subscription moved = std::move(a);
  notifier.Notify();
  moved.Reset();
  notifier.Notify();
  EXPECT_EQ(heard, "abaa");
  EXPECT_FALSE(moved.IsActive());
}

TEST(Notifier, AListenerRemovedDuringANotificationIsNotCalled) {
  Notifier notifier;
  std::string heard;
  Subscription second;
  Subscription first = notifier.Subscribe([&] {
    heard += '1';
    second.Reset();
  });
  second = notifier.Subscribe([&] { heard += '2'; });
  notifier.Notify();
  EXPECT_EQ(heard, "1");
}

TEST(Notifier, ASubscriptionMayOutliveItsNotifier) {
  Subscription s;
  {
    Notifier notifier;
    s = notifier.Subscribe([] {});
    EXPECT_TRUE(s.IsActive());
  }
  EXPECT_FALSE(s.IsActive());
  s.Reset();  // must not touch the dead notifier
}

}  // namespace
}  // namespace qs
