#include "support/notifier.h"

#include <algorithm>

namespace qs {

Subscription& Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    Reset();
    m_list = std::move(other.m_list);
    m_id = std::exchange(other.m_id, 0);
  }
  return *this;
}

void Subscription::Reset() {
  if (auto list = m_list.lock()) {
    std::erase_if(list->entries, [this](const auto& e) { return e.first == m_id; });
  }
  m_list.reset();
  m_id = 0;
}

bool Subscription::IsActive() const {
  auto list = m_list.lock();
  return list && std::any_of(list->entries.begin(), list->entries.end(),
                             [this](const auto& e) { return e.first == m_id; });
}

Subscription Notifier::Subscribe(std::function<void()> listener) {
  const std::uint64_t id = m_list->nextId++;
  m_list->entries.emplace_back(id, std::move(listener));
  return Subscription(m_list, id);
}

void Notifier::Notify() const {
  // Keep the list alive even if a listener destroys this notifier's owner.
  const std::shared_ptr<notifier_detail::Listeners> list = m_list;
  std::vector<std::uint64_t> ids;
  ids.reserve(list->entries.size());
  for (const auto& e : list->entries) ids.push_back(e.first);
  for (std::uint64_t id : ids) {
    auto it = std::find_if(list->entries.begin(), list->entries.end(),
                           [id](const auto& e) { return e.first == id; });
    if (it == list->entries.end()) continue;
    const std::function<void()> call = it->second;  // the entry may go away during the call
    call();
  }
}

}  // namespace qs
