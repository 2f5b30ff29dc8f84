#include "editor/memowraprow.h"

#include <algorithm>

namespace qs {

TDisplayRow RowCells(const TDisplayRow& line, const TRowSpan& row) {
  if (row.start == 0 && row.IsLast()) return line;
  const auto size = static_cast<std::int64_t>(line.text.size());
  const std::int64_t from = std::min<std::int64_t>(row.start, size);
  const std::int64_t to = std::clamp<std::int64_t>(row.end, from, size);
  const auto at = static_cast<std::size_t>(from);
  const auto n = static_cast<std::size_t>(to - from);
  TDisplayRow cells;
  cells.text = line.text.substr(at, n);
  if (!line.styles.empty()) cells.styles = line.styles.substr(std::min(at, line.styles.size()), n);
  return cells;
}

TColumnSpan RowColumns(const TRowSpan& row, TColumnSpan span) {
  const std::int32_t from = std::max(span.from, row.start);
  std::int32_t to = span.to;
  if (!row.IsLast()) {
    if (from >= row.end) return {};
    if (to > row.end) to = kRowToLineEnd;
  }
  if (to <= from) return {};
  const std::int32_t shiftedTo = to == kRowToLineEnd ? kRowToLineEnd : to - row.start;
  return {from - row.start, shiftedTo};
}

}  // namespace qs
