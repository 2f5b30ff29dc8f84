#include "textmodel/listeners.h"

#include <algorithm>

namespace qs {

TListenerId TListenerList::Add(TSourceListener listener, const void* owner) {
  const TListenerId id = m_nextId++;
  m_entries.push_back({id, owner, std::make_shared<TSourceListener>(std::move(listener)), true});
  return id;
}

bool TListenerList::Remove(TListenerId id) {
  for (Entry& e : m_entries) {
    if (e.id == id && e.alive) {
      e.alive = false;
      Compact();
      return true;
    }
  }
  return false;
}

void TListenerList::RemoveOwner(const void* owner) {
  for (Entry& e : m_entries)
    if (e.owner == owner) e.alive = false;
  Compact();
}

std::size_t TListenerList::Size() const {
  return static_cast<std::size_t>(
      std::count_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.alive; }));
}

void TListenerList::Compact() {
  if (m_notifying > 0) return;
  std::erase_if(m_entries, [](const Entry& e) { return !e.alive; });
}

void TListenerList::Notify(TCustomMemoSource& source, std::int32_t first, std::int32_t last) {
  struct Round {
    TListenerList& list;
    explicit Round(TListenerList& l) : list(l) { ++list.m_notifying; }
    ~Round() {
      --list.m_notifying;
      list.Compact();
    }
  } round(*this);
  // Entries are only appended or marked while a round runs, so indexes stay valid.
  for (std::size_t i = m_entries.size(); i-- > 0;) {
    if (!m_entries[i].alive) continue;
    const std::shared_ptr<TSourceListener> call = m_entries[i].call;
    (*call)(source, first, last);
  }
}

TListenerLink& TListenerLink::operator=(TListenerLink&& o) noexcept {
  if (this != &o) {
    Reset();
    m_list = std::move(o.m_list);
    m_id = o.m_id;
    o.m_id = 0;
  }
  return *this;
}

void TListenerLink::Reset() {
  if (m_id != 0)
    if (auto list = m_list.lock()) list->Remove(m_id);
  m_id = 0;
  m_list.reset();
}

}  // namespace qs
