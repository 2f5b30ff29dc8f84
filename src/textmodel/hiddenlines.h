// The lines hidden by collapsed regions, as a sorted list of line indexes, and
// the mapping between line indexes and visible rows. Lookups are binary
// searches, so a caret move costs the same however long the document is.
#pragma once

#include <cstdint>
#include <vector>

namespace qs {

class TVisibleLinesList {
 public:
  bool IsHidden(std::int32_t line) const noexcept;
  void Hide(std::int32_t line);
  void Show(std::int32_t line);
  void Clear() noexcept { m_hidden.clear(); }
  bool Empty() const noexcept { return m_hidden.empty(); }
  const std::vector<std::int32_t>& Lines() const noexcept { return m_hidden; }

  // A line was inserted after line `after`: later indexes move down.
  void LineInserted(std::int32_t after);
  // Line `line` was removed: it leaves the list and later indexes move up.
  void LineDeleted(std::int32_t line);

  // The line's index among visible lines (a hidden line maps to the row of
  // the first visible line after it).
  std::int32_t LineToRow(std::int32_t line) const noexcept;
  // The visible line shown on row.
  std::int32_t RowToLine(std::int32_t row) const noexcept;

 private:
  std::vector<std::int32_t> m_hidden;  // ascending, no duplicates
};

}  // namespace qs
