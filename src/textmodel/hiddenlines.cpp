#include "textmodel/hiddenlines.h"

#include <algorithm>
#include <cstdint>

namespace qs {

bool TVisibleLinesList::IsHidden(std::int32_t line) const noexcept {
  return std::binary_search(m_hidden.begin(), m_hidden.end(), line);
}

void TVisibleLinesList::Hide(std::int32_t line) {
  const auto it = std::lower_bound(m_hidden.begin(), m_hidden.end(), line);
  if (it == m_hidden.end() || *it != line) m_hidden.insert(it, line);
}

void TVisibleLinesList::Show(std::int32_t line) {
  const auto it = std::lower_bound(m_hidden.begin(), m_hidden.end(), line);
  if (it != m_hidden.end() && *it == line) m_hidden.erase(it);
}

void TVisibleLinesList::LineInserted(std::int32_t after) {
  for (auto it = std::upper_bound(m_hidden.begin(), m_hidden.end(), after); it != m_hidden.end();
       ++it)
    ++*it;
}

void TVisibleLinesList::LineDeleted(std::int32_t line) {
  // Removing the deleted line's own entry first keeps the line that moves up
  // into its place visible; shifting alone would hide it.
  Show(line);
  for (auto it = std::upper_bound(m_hidden.begin(), m_hidden.end(), line); it != m_hidden.end();
       ++it)
    --*it;
}

std::int32_t TVisibleLinesList::LineToRow(std::int32_t line) const noexcept {
  const auto before = std::lower_bound(m_hidden.begin(), m_hidden.end(), line) - m_hidden.begin();
  return line - static_cast<std::int32_t>(before);
}

std::int32_t TVisibleLinesList::RowToLine(std::int32_t row) const noexcept {
  // With k hidden lines before it, row r sits on line r + k; h[k] - k never
  // decreases, so the first k with h[k] - k > r is found by bisection.
  std::size_t lo = 0;
  std::size_t hi = m_hidden.size();
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (m_hidden[mid] - static_cast<std::int64_t>(mid) > row)
      hi = mid;
    else
      lo = mid + 1;
  }
  const std::int64_t line = std::int64_t{row} + static_cast<std::int64_t>(lo);
  return static_cast<std::int32_t>(std::min<std::int64_t>(line, INT32_MAX));
}

}  // namespace qs
