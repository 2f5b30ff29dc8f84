// The undo and redo lists: small records of every primitive change, each
// knowing the absolute place it happened at, so replaying one restores the
// exact text whatever the caret options would clamp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/qschar.h"
#include "textmodel/position.h"

namespace qs {

enum class TUndoKind : std::uint8_t {
  ukCaretMoved = 0,
  ukInserted = 1,     // DeltaLine characters inserted at (Line, Index)
  ukLineBroken = 2,   // line Line broken at stored Index; DeltaColumn: the first half's break
  ukLinesJoined = 3,  // line Line joined with the next; Index was its length, DeltaColumn
                      // its break
  ukDeleted = 4,      // Text deleted at (Line, Index)
  ukStyleReplaced = 5,
  ukLinesAppended = 6,   // DeltaLine empty lines added after the last line
  ukLinesRemoved = 7,    // DeltaLine empty last lines removed; StyleData their breaks
  ukLinesInserted = 8,   // DeltaLine whole lines inserted before line Line
  ukLinesDeleted = 9,    // whole lines deleted at Line; Text holds them, LF-separated,
                         // StyleData their style bytes one after another, then their
                         // breaks, one byte a line
  ukReplaced = 10,       // Text deleted at (Line, Index), then DeltaLine characters
                         // inserted there
  ukBreaksChanged = 11,  // the breaks of DeltaLine lines from Line were StyleData, and
                         // the document's break DeltaColumn
};
using enum TUndoKind;

// A record is small and holds no memory of its own: its text, style bytes and
// line data lie in buffers its list shares among all records (read them
// through the list).
struct TUndoRecord {
  TUndoKind Kind = ukCaretMoved;
  bool First = false;
  std::uint8_t UpdateCode = 0;
  bool InBlock = false;
  std::int32_t DeltaLine = 0;
  std::int32_t DeltaColumn = 0;
  // Where the change happened (stored index, not a column), and the caret
  // when the record was written: replay puts it back there.
  std::int32_t Line = 0;
  std::int32_t Index = 0;
  TPosition Caret;
  // The payload: TextSize characters of the list's text from TextAt, and from
  // BytesAt in its byte buffer StyleSize style bytes followed by the
  // LineDataCount LineData strings of a whole-line deletion.
  std::uint32_t TextSize = 0;
  std::uint64_t TextAt = 0;
  std::uint64_t BytesAt = 0;
  std::uint32_t StyleSize = 0;
  std::uint32_t LineDataCount = 0;

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
  const TUndoRecord& Back() const { return m_records.back(); }
  // A new newest record, with an empty payload.
  TUndoRecord& Append();
  // Gives the newest record its payload; call once, right after Append.
  void AttachPayload(StringView text, std::string_view style,
                     const std::vector<std::string>& lineData = {});
  StringView Text(const TUndoRecord& r) const;
  std::string_view StyleData(const TUndoRecord& r) const;
  std::vector<std::string> LineData(const TUndoRecord& r) const;
  // Folds the newest record into the one before it when both are caret moves
  // of one step: replaying the older alone puts the caret where both would.
  void FoldCaretMoves();
  // Drops the newest record; storage halves when under a quarter is used.
  void RemoveLast();
  // Drops the oldest n records.
  void RemoveFirst(std::int32_t n);
  void Clear() noexcept;
  std::size_t Capacity() const noexcept { return m_records.capacity(); }
  // The memory the list holds: its records and payload buffers as allocated.
  std::size_t HeldBytes() const noexcept;
  // Index of the newest record that changed text, or -1.
  std::int32_t NewestTextChange() const noexcept;
  // Whether a record after index changes text.
  bool TextChangedAfter(std::int32_t index) const noexcept;

 private:
  std::vector<TUndoRecord> m_records;
  // The payloads of all records, in record order.
  String m_text;
  std::string m_bytes;
};

}  // namespace qs
