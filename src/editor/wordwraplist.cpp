#include "editor/wordwraplist.h"

#include <algorithm>

namespace qs {

TRowSpan TWordWrapList::RowAt(std::int64_t row) const {
  row = std::max<std::int64_t>(row, 0);
  const auto found = m_tree.LastWithRowAtMost(row);
  const std::size_t before = found ? found->index + 1 : 0;
  TRowSpan span;
  if (found && found->item.line + static_cast<std::int64_t>(before) == row) {
    span.line = found->item.line;
    span.start = found->item.record.column;
  } else {
    span.line = static_cast<std::int32_t>(row - static_cast<std::int64_t>(before));
    span.start = 0;
  }
  span.end = kRowToLineEnd;
  if (before < m_tree.Size()) {
    const Tree::Item next = m_tree.At(before);
    if (next.line == span.line) span.end = next.record.column;
  }
  return span;
}

}  // namespace qs
