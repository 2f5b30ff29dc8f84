// The break records of a wrapped view: one per display row after the first
// row of a line, in line and column order. They number the display rows:
// break record i is row line + i + 1, so a position and a row find each
// other with one descent of the tree, however many lines there are.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/wordwraptree.h"

namespace qs {

struct TWrapBreak {
  std::int32_t column = 0;  // where the next row starts (0-based)
  // Measured rows (without UseMonoFont) only: the row's width and height in
  // pixels and the font overhang its text extent adds.
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t extra = 0;
  bool operator==(const TWrapBreak&) const = default;
};

// One display row: the part [start, end) of a line; end is kRowToLineEnd on
// the last row of a line.
struct TRowSpan {
  std::int32_t line = 0;
  std::int32_t start = 0;
  std::int32_t end = 0;
  [[nodiscard]] bool IsFirst() const noexcept { return start == 0; }
  [[nodiscard]] bool IsLast() const noexcept;
  bool operator==(const TRowSpan&) const = default;
};

inline constexpr std::int32_t kRowToLineEnd = 2147483647;

inline bool TRowSpan::IsLast() const noexcept {
  return end == kRowToLineEnd;
}

class TWordWrapList {
 public:
  using Tree = TLineRecordTree<TWrapBreak>;

  [[nodiscard]] std::size_t Count() const noexcept { return m_tree.Size(); }
  void Clear() noexcept { m_tree.Clear(); }
  void Assign(const std::vector<Tree::Item>& items) { m_tree.Assign(items); }
  [[nodiscard]] std::vector<Tree::Item> Items() const { return m_tree.Items(); }
  [[nodiscard]] std::vector<TWrapBreak> BreaksOf(std::int32_t line) const {
    return m_tree.RecordsOf(line);
  }
  void SetBreaks(std::int32_t line, const std::vector<TWrapBreak>& breaks) {
    m_tree.ReplaceLine(line, breaks);
  }
  void LinesInserted(std::int32_t at, std::int32_t count) { m_tree.LinesInserted(at, count); }
  void LinesRemoved(std::int32_t at, std::int32_t count) { m_tree.LinesRemoved(at, count); }
  void RemoveFrom(std::int32_t line) { m_tree.RemoveFrom(line); }

  // The row showing (line, column): a column at or past a break is on the
  // row that break starts, so a column past the end is on the line's last row.
  [[nodiscard]] std::int64_t RowOf(std::int32_t line, std::int64_t column) const noexcept {
    return line + static_cast<std::int64_t>(m_tree.CountUpTo(line, column));
  }
  [[nodiscard]] std::int64_t FirstRowOf(std::int64_t line) const noexcept {
    return line + static_cast<std::int64_t>(m_tree.CountBeforeLine(line));
  }
  // The line and columns a row shows; rows past the last line continue with
  // one row per (empty) line.
  [[nodiscard]] TRowSpan RowAt(std::int64_t row) const;

 private:
  Tree m_tree;
};

}  // namespace qs
