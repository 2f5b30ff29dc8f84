#include "textmodel/undolist.h"

#include <algorithm>

namespace qs {

TUndoRecord& TUndoList::Append() {
  m_records.emplace_back();
  return m_records.back();
}

void TUndoList::RemoveLast() {
  if (m_records.empty()) return;
  m_records.pop_back();
  if (m_records.capacity() > 64 && m_records.size() < m_records.capacity() / 4) {
    std::vector<TUndoRecord> smaller;
    smaller.reserve(m_records.capacity() / 2);
    std::move(m_records.begin(), m_records.end(), std::back_inserter(smaller));
    m_records.swap(smaller);
  }
}

void TUndoList::RemoveFirst(std::int32_t n) {
  n = std::clamp<std::int32_t>(n, 0, Count());
  m_records.erase(m_records.begin(), m_records.begin() + n);
}

void TUndoList::Clear() noexcept {
  std::vector<TUndoRecord>().swap(m_records);
}

std::int32_t TUndoList::NewestTextChange() const noexcept {
  for (std::int32_t i = Count() - 1; i >= 0; --i)
    if ((*this)[i].ChangesText()) return i;
  return -1;
}

bool TUndoList::TextChangedAfter(std::int32_t index) const noexcept {
  for (std::int32_t i = std::max(index + 1, 0); i < Count(); ++i)
    if ((*this)[i].ChangesText()) return true;
  return false;
}

}  // namespace qs
