#include "textmodel/linechangelog.h"

#include <algorithm>

namespace qs {

void TLineChangeLog::Clear() noexcept {
  m_entries.clear();
  m_replaced = false;
  m_overflowed = false;
}

void TLineChangeLog::Edited(std::int32_t first, std::int32_t last) {
  if (last < first) return;
  // Commands that walk a block edit line after line: one entry for the run.
  if (!m_entries.empty()) {
    Entry& back = m_entries.back();
    if (back.kind == Kind::Edited && first <= back.last + 1 && last >= back.first - 1) {
      back.first = std::min(back.first, first);
      back.last = std::max(back.last, last);
      return;
    }
  }
  Add({Kind::Edited, first, last, 0});
}

void TLineChangeLog::Inserted(std::int32_t at, std::int32_t count) {
  if (count > 0) Add({Kind::Inserted, at, 0, count});
}

void TLineChangeLog::Removed(std::int32_t at, std::int32_t count) {
  if (count > 0) Add({Kind::Removed, at, 0, count});
}

void TLineChangeLog::Replaced() noexcept {
  m_entries.clear();
  m_replaced = true;
}

void TLineChangeLog::Add(const Entry& e) {
  if (m_replaced || m_overflowed) return;
  if (m_entries.size() >= kMaxEntries) {
    m_overflowed = true;
    m_entries.clear();
    return;
  }
  m_entries.push_back(e);
}

}  // namespace qs
