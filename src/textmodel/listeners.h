// The views and other followers of a document, called once per outermost
// update. A listener may add or remove listeners (itself included) while it is
// being called: removals only mark entries until the round is over, and
// entries added during a round wait for the next one.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace qs {

class TCustomMemoSource;

using TSourceListener =
    std::function<void(TCustomMemoSource& source, std::int32_t first, std::int32_t last)>;
using TListenerId = std::uint64_t;

class TListenerList {
 public:
  TListenerId Add(TSourceListener listener, const void* owner);
  bool Remove(TListenerId id);
  // Drops every registration of owner (the owner is going away).
  void RemoveOwner(const void* owner);
  std::size_t Size() const;
  // Newest registration first.
  void Notify(TCustomMemoSource& source, std::int32_t first, std::int32_t last);

 private:
  struct Entry {
    TListenerId id;
    const void* owner;
    std::shared_ptr<TSourceListener> call;  // kept alive while it runs, even if removed
    bool alive;
  };
  void Compact();
  std::vector<Entry> m_entries;
  TListenerId m_nextId = 1;
  int m_notifying = 0;
};

// Removes its registration when destroyed; harmless when the document went first.
class TListenerLink {
 public:
  TListenerLink() = default;
  TListenerLink(std::weak_ptr<TListenerList> list, TListenerId id)
      : m_list(std::move(list)), m_id(id) {}
  ~TListenerLink() { Reset(); }
  TListenerLink(TListenerLink&& o) noexcept : m_list(std::move(o.m_list)), m_id(o.m_id) {
    o.m_id = 0;
  }
  TListenerLink& operator=(TListenerLink&& o) noexcept;
  TListenerLink(const TListenerLink&) = delete;
  TListenerLink& operator=(const TListenerLink&) = delete;
  void Reset();
  TListenerId Id() const { return m_id; }

 private:
  std::weak_ptr<TListenerList> m_list;
  TListenerId m_id = 0;
};

}  // namespace qs
