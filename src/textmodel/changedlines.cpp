#include "textmodel/changedlines.h"

#include <algorithm>

namespace qs {

void TChangedLines::Replace(std::int32_t start, std::int32_t count, std::int32_t newCount) {
  const std::int32_t end = start + count;
  // The hunks the run touches or borders merge with it into one.
  auto first = std::find_if(m_hunks.begin(), m_hunks.end(),
                            [&](const TLineHunk& h) { return h.start + h.newCount >= start; });
  auto last = first;
  while (last != m_hunks.end() && last->start <= end) ++last;
  std::int32_t spanStart = start;
  std::int32_t spanEnd = end;
  std::int32_t oldCount = 0;
  std::int32_t heldByHunks = 0;
  for (auto h = first; h != last; ++h) {
    spanStart = std::min(spanStart, h->start);
    spanEnd = std::max(spanEnd, h->start + h->newCount);
    oldCount += h->oldCount;
    heldByHunks += h->newCount;
  }
  // Lines of the span outside every hunk are old lines, one each.
  oldCount += (spanEnd - spanStart) - heldByHunks;
  const TLineHunk merged{spanStart, oldCount, (spanEnd - spanStart) - count + newCount};
  const auto next = m_hunks.erase(first, last);
  const std::int32_t shift = newCount - count;
  for (auto h = next; h != m_hunks.end(); ++h) h->start += shift;
  if (merged.oldCount != 0 || merged.newCount != 0) m_hunks.insert(next, merged);
}

bool TChangedLines::Follow(const TLineChangeLog& log, std::int32_t linesAfter) {
  if (!log.Complete()) return false;
  // An edit may be reported for a line that is gone by then (the range of a
  // join, say); only lines that exist at that moment count.
  std::int32_t lines = linesAfter;
  for (const TLineChangeLog::Entry& entry : log.Entries()) {
    if (entry.kind == TLineChangeLog::Kind::Inserted) lines -= entry.count;
    if (entry.kind == TLineChangeLog::Kind::Removed) lines += entry.count;
  }
  for (const TLineChangeLog::Entry& entry : log.Entries()) {
    switch (entry.kind) {
      case TLineChangeLog::Kind::Edited: {
        const std::int32_t first = std::max(entry.first, 0);
        const std::int32_t count = std::min(entry.last, lines - 1) - first + 1;
        if (count > 0) Replace(first, count, count);
        break;
      }
      case TLineChangeLog::Kind::Inserted:
        Replace(entry.first, 0, entry.count);
        lines += entry.count;
        break;
      case TLineChangeLog::Kind::Removed:
        Replace(entry.first, entry.count, 0);
        lines -= entry.count;
        break;
    }
  }
  return true;
}

}  // namespace qs
