// Word wrap of a whole document for one view: where every line breaks into
// display rows at a row capacity, kept in step with the document's edits so
// that a keystroke re-breaks only its line and every row count stays exact.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/lineinfolist.h"
#include "editor/wordwraplist.h"
#include "support/qschar.h"

namespace qs {

class TCustomMemoSource;

// Appends to out the columns where the rows of text after its first start.
// A row holds up to capacity + 1 characters: it ends after the rightmost
// delimiter that keeps it within that, so the delimiter stays at the end of
// the row, or is cut inside the word when the room holds no delimiter.
template <class IsDelimiter>
void AppendBreakColumns(StringView text, int capacity, IsDelimiter isDelimiter,
                        std::vector<std::int32_t>& out) {
  const std::int64_t room = capacity < 1 ? 1 : capacity;
  const auto n = static_cast<std::int64_t>(text.size());
  std::int64_t start = 0;
  while (n - start > room + 1) {
    std::int64_t next = start + room + 1;
    for (std::int64_t i = start + room; i >= start; --i) {
      if (isDelimiter(text[static_cast<std::size_t>(i)])) {
        next = i + 1;
        break;
      }
    }
    out.push_back(static_cast<std::int32_t>(next));
    start = next;
  }
}

class TWordWrap {
 public:
  // Breaks every line of source again with room for capacity + 1 characters
  // a row (capacity at least 1).
  void WrapAll(const TCustomMemoSource& source, int capacity);
  // Replays the line changes of the update source has just notified:
  // moves the records of moved lines and re-breaks the edited ones. False
  // when the changes cannot be replayed (the caller wraps everything);
  // rowsChanged tells whether a line now has another number of rows.
  [[nodiscard]] bool Follow(const TCustomMemoSource& source, bool& rowsChanged);
  // Re-breaks lines first..last; true when a row count changed.
  bool WrapLines(const TCustomMemoSource& source, std::int32_t first, std::int32_t last);
  void Clear() noexcept;

  [[nodiscard]] bool IsBuilt() const noexcept { return m_capacity > 0; }
  [[nodiscard]] int Capacity() const noexcept { return m_capacity; }
  [[nodiscard]] std::int32_t LineCount() const noexcept { return m_lineCount; }
  [[nodiscard]] std::int64_t RowCount() const noexcept {
    return m_lineCount + static_cast<std::int64_t>(m_breaks.Count());
  }
  [[nodiscard]] const TWordWrapList& Breaks() const noexcept { return m_breaks; }
  [[nodiscard]] const TLineInfoList& LineInfos() const noexcept { return m_infos; }

  [[nodiscard]] TRowSpan RowAt(std::int64_t row) const { return m_breaks.RowAt(row); }
  [[nodiscard]] std::int64_t RowOf(std::int32_t line, std::int64_t column) const noexcept {
    return m_breaks.RowOf(line, column);
  }
  [[nodiscard]] std::int64_t FirstRowOf(std::int64_t line) const noexcept {
    return m_breaks.FirstRowOf(line);
  }
  [[nodiscard]] std::int64_t LastRowOf(std::int64_t line) const noexcept {
    return m_breaks.FirstRowOf(line + 1) - 1;
  }

  // Lines broken since the last reset: what following an edit cost.
  [[nodiscard]] std::int64_t WrappedLines() const noexcept { return m_wrappedLines; }
  void ResetWrappedLines() noexcept { m_wrappedLines = 0; }

 private:
  void AppendBreaksOf(const TCustomMemoSource& source, std::int32_t line,
                      std::vector<std::int32_t>& out) const;
  bool WrapLine(const TCustomMemoSource& source, std::int32_t line);

  TWordWrapList m_breaks;
  TLineInfoList m_infos;
  int m_capacity = 0;
  std::int32_t m_lineCount = 0;
  std::int64_t m_wrappedLines = 0;
};

}  // namespace qs
