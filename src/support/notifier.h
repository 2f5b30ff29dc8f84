// A list of parameterless change listeners with subscriptions that unregister
// themselves, so a listener that dies first never leaves a dangling callback
// and a notifier that dies first leaves its subscriptions harmless.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace qs {

namespace notifier_detail {
struct Listeners {
  std::vector<std::pair<std::uint64_t, std::function<void()>>> entries;
  std::uint64_t nextId = 1;
};
}  // namespace notifier_detail

// Owns one registration; destroying or resetting it unregisters the listener.
class Subscription {
 public:
  Subscription() = default;
  Subscription(std::weak_ptr<notifier_detail::Listeners> list, std::uint64_t id)
      : m_list(std::move(list)), m_id(id) {}
  ~Subscription() { Reset(); }
  Subscription(Subscription&& other) noexcept
      : m_list(std::move(other.m_list)), m_id(std::exchange(other.m_id, 0)) {}
  Subscription& operator=(Subscription&& other) noexcept;
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;

  void Reset();
  bool IsActive() const;

 private:
  std::weak_ptr<notifier_detail::Listeners> m_list;
  std::uint64_t m_id = 0;
};

class Notifier {
 public:
  Notifier() : m_list(std::make_shared<notifier_detail::Listeners>()) {}
  Notifier(const Notifier&) = delete;
  Notifier& operator=(const Notifier&) = delete;

  [[nodiscard]] Subscription Subscribe(std::function<void()> listener);
  // Calls the listeners in subscription order. A listener removed by an earlier
  // one during the same call is not called; one added during the call waits
  // for the next.
  void Notify() const;

 private:
  std::shared_ptr<notifier_detail::Listeners> m_list;
};

}  // namespace qs
