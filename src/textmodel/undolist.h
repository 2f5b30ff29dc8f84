// The undo and redo lists: small records of every primitive change, each
// knowing the absolute place it happened at, so replaying one restores the
// exact text whatever the caret options would clamp.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/qschar.h"
#include "textmodel/position.h"

namespace qs {

enum class TUndoKind : std::uint8_t {
  ukCaretMoved = 0,
  ukInserted = 1,     // DeltaLine characters inserted at (Line, Index)
  ukLineBroken = 2,   // line Line broken at stored Index
  ukLinesJoined = 3,  // line Line joined with the next; Index was its length
  ukDeleted = 4,      // Text deleted at (Line, Index)
  ukStyleReplaced = 5,
  ukLinesAppended = 6,  // DeltaLine empty lines added after the last line
  ukLinesRemoved = 7,   // DeltaLine empty last lines removed
  ukLinesInserted = 8,  // DeltaLine whole lines inserted before line Line
  ukLinesDeleted = 9,   // whole lines deleted at Line; Text holds them, LF-separated,
                        // StyleData their style bytes one after another
};
using enum TUndoKind;

struct TUndoRecord {
  TUndoKind Kind = ukCaretMoved;
  std::int32_t DeltaLine = 0;
  std::int32_t DeltaColumn = 0;
  String Text;
  std::string StyleData;
  // Kind 9: the LineData of each deleted line (empty when none had any).
  std::vector<std::string> LineData;
  bool First = false;
  std::uint8_t UpdateCode = 0;
  bool InBlock = false;
  // Where the change happened (stored index, not a column), and the caret
  // when the record was written: replay puts it back there.
  std::int32_t Line = 0;
  std::int32_t Index = 0;
  TPosition Caret;

  bool ChangesText() const noexcept { return Kind != ukCaretMoved && Kind != ukStyleReplaced; }
};

class TUndoList {
 public:
  bool Empty() const noexcept { return m_records.empty(); }
  std::int32_t Count() const noexcept { return static_cast<std::int32_t>(m_records.size()); }
  const TUndoRecord& operator[](std::int32_t i) const {
    return m_records[static_cast<std::size_t>(i)];
  }
  TUndoRecord& Back() { return m_records.back(); }
  TUndoRecord& Append();
  // Drops the newest record; the capacity halves when under a quarter is used.
  void RemoveLast();
  // Drops the oldest n records.
  void RemoveFirst(std::int32_t n);
  void Clear() noexcept;
  std::size_t Capacity() const noexcept { return m_records.capacity(); }
  // Index of the newest record that changed text, or -1.
  std::int32_t NewestTextChange() const noexcept;
  // Whether a record after index changes text.
  bool TextChangedAfter(std::int32_t index) const noexcept;

 private:
  std::vector<TUndoRecord> m_records;
};

}  // namespace qs
