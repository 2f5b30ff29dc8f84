// Caret moves: the relative primitive and the commands built on it.
#include <algorithm>
#include <utility>

#include "textmodel/qsstring.h"
#include "textmodel/textload.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

class Flag {
 public:
  explicit Flag(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
  ~Flag() { m_flag = m_old; }
  Flag(const Flag&) = delete;
  Flag& operator=(const Flag&) = delete;

 private:
  bool& m_flag;
  bool m_old;
};

}  // namespace

std::int64_t TCustomMemoSource::SnapToTabEdge(std::int32_t line, std::int64_t column) const {
  const StringView text = StoredLine(line);
  const TTabStops::Place place = m_tabStops.Locate(text, column);
  const bool onTab = place.index < static_cast<std::int64_t>(text.size()) &&
                     text[static_cast<std::size_t>(place.index)] == kTab;
  if (!onTab || column == place.start) return column;
  const std::int64_t after = place.start + place.width;
  return column - place.start < after - column ? place.start : after;
}

void TCustomMemoSource::TrimLineOnLeave(std::int32_t line) {
  // Only a line the user has just edited: opening and browsing a file must
  // not change a byte of it.
  const bool edited = std::exchange(m_trimCandidate, -1) == line;
  if (!edited || m_keepTrailingBlanks || !CanEditLine(line)) return;
  TStringItem* item = GetLineItem(line);
  if (!item) return;
  const std::size_t kept = TrimmedSize(item->Text());
  if (kept == item->Text().size()) return;
  // Recorded, so undo puts back exactly the blanks the user typed.
  RawDelete(line, static_cast<std::int64_t>(kept),
            static_cast<std::int64_t>(item->Text().size() - kept), false);
  m_trimCandidate = -1;
}

void TCustomMemoSource::MoveCaret(std::int64_t lineDelta, std::int64_t columnDelta) {
  if (!m_absolute && OnMoveQuery) OnMoveQuery(*this, lineDelta, columnDelta);
  // Deltas may be anything a caller computed; targets are clamped, never wrapped.
  lineDelta = std::clamp<std::int64_t>(lineDelta, -kMaxIndex, kMaxIndex);
  columnDelta = std::clamp<std::int64_t>(columnDelta, -kMaxIndex, kMaxIndex);
  std::int64_t line = ClampedAdd(m_caret.Line, lineDelta);
  std::int64_t column = ClampedAdd(m_caret.Column, columnDelta);
  const std::int64_t lastLine = std::max(LineCount() - 1, 0);
  if (!HasOption(soBeyondFileEnd) && line > lastLine && lineDelta > 0)
    line = std::max<std::int64_t>(lastLine, std::min<std::int64_t>(m_caret.Line, line));
  const auto target = static_cast<std::int32_t>(line);
  if (HasOption(soLimitEOL)) column = std::min<std::int64_t>(column, LineLength(target));
  if (HasOption(soCursorAlwaysOnTabs)) column = SnapToTabEdge(target, column);
  if (target == m_caret.Line && column == m_caret.Column && !m_bookmarkJump) return;

  const TUpdateBracket update(*this, upd::kCaretMove);
  if (target != m_caret.Line) TrimLineOnLeave(m_caret.Line);
  if (TUndoRecord* r = AddUndoRecord(ukCaretMoved)) {
    r->DeltaLine = target - m_caret.Line;
    r->DeltaColumn = static_cast<std::int32_t>(column - m_caret.Column);
  }
  m_caret = {target, static_cast<std::int32_t>(column)};
  if (m_absolute && !IsLineVisible(target)) ExpandRegionAbove(target);
}

void TCustomMemoSource::PlaceCaret(TPosition p) {
  p.Line = std::max(p.Line, 0);
  p.Column = std::max(p.Column, 0);
  if (p == m_caret) return;
  const TUpdateBracket update(*this, upd::kCaretMove);
  if (p.Line != m_caret.Line) TrimLineOnLeave(m_caret.Line);
  if (TUndoRecord* r = AddUndoRecord(ukCaretMoved)) {
    r->DeltaLine = p.Line - m_caret.Line;
    r->DeltaColumn = p.Column - m_caret.Column;
  }
  m_caret = p;
}

void TCustomMemoSource::SetCaretPos(std::int64_t column, std::int64_t line) {
  Flag absolute(m_absolute);
  line = std::clamp<std::int64_t>(line, 0, kMaxIndex);
  column = std::clamp<std::int64_t>(column, 0, kMaxIndex);
  MoveCaret(line - m_caret.Line, column - m_caret.Column);
}

void TCustomMemoSource::CursorLeft() {
  const std::int32_t column = m_caret.Column;
  if (column == 0) return;
  if (HasOption(soCursorOnTabs) || HasOption(soCursorAlwaysOnTabs)) {
    const StringView text = StoredLine(m_caret.Line);
    const TTabStops::Place place = m_tabStops.Locate(text, column - 1);
    if (place.index < static_cast<std::int64_t>(text.size()) &&
        text[static_cast<std::size_t>(place.index)] == kTab) {
      MoveCaret(0, place.start - column);
      return;
    }
  }
  MoveCaret(0, -1);
}

void TCustomMemoSource::CursorRight() {
  const std::int32_t column = m_caret.Column;
  if (HasOption(soCursorOnTabs) || HasOption(soCursorAlwaysOnTabs)) {
    const StringView text = StoredLine(m_caret.Line);
    const TTabStops::Place place = m_tabStops.Locate(text, column);
    if (place.index < static_cast<std::int64_t>(text.size()) &&
        text[static_cast<std::size_t>(place.index)] == kTab) {
      MoveCaret(0, place.start + place.width - column);
      return;
    }
  }
  if (HasOption(soLimitEOL) && column >= LineLength(m_caret.Line)) {
    if (!m_columnSelecting && m_caret.Line + 1 < LineCount()) MoveCaret(1, -std::int64_t{column});
    return;
  }
  MoveCaret(0, 1);
}

void TCustomMemoSource::WordRight() {
  const String text = ExpandedLine(m_caret.Line);
  const auto size = static_cast<std::int64_t>(text.size());
  const std::int64_t column = m_caret.Column;
  if (column >= size) {
    if (m_caret.Line + 1 < LineCount()) MoveCaret(1, -column);
    return;
  }
  std::int64_t i = column;
  while (i < size && !IsDelimiterChar(text[static_cast<std::size_t>(i)])) ++i;
  while (i < size && IsDelimiterChar(text[static_cast<std::size_t>(i)])) ++i;
  MoveCaret(0, i - column);
}

void TCustomMemoSource::WordLeft() {
  const String text = ExpandedLine(m_caret.Line);
  const std::int64_t column = m_caret.Column;
  std::int64_t i = std::min<std::int64_t>(column, static_cast<std::int64_t>(text.size()));
  while (i > 0 && IsDelimiterChar(text[static_cast<std::size_t>(i - 1)])) --i;
  if (i == 0) {
    if (m_caret.Line == 0) {
      MoveCaret(0, -column);
      return;
    }
    const TUpdateBracket update(*this, upd::kCaretMove);
    MoveCaret(-1, 0);
    JumpToLineEnd();
    return;
  }
  while (i > 0 && !IsDelimiterChar(text[static_cast<std::size_t>(i - 1)])) --i;
  MoveCaret(0, i - column);
}

void TCustomMemoSource::JumpToLineBegin() {
  MoveCaret(0, -std::int64_t{m_caret.Column});
}

void TCustomMemoSource::JumpToLineEnd() {
  const std::int32_t end =
      m_keepTrailingBlanks ? LineLength(m_caret.Line) : TrimmedLineLength(m_caret.Line);
  MoveCaret(0, std::int64_t{end} - m_caret.Column);
}

void TCustomMemoSource::JumpToFileBegin() {
  SetCaretPos(0, 0);
}

void TCustomMemoSource::JumpToFileEnd() {
  const TUpdateBracket update(*this, upd::kCaretMove);
  SetCaretPos(m_caret.Column, std::max(LineCount() - 1, 0));
  JumpToLineEnd();
}

void TCustomMemoSource::JumpToBlockBegin() {
  if (HasSelection()) SetCaretPos(BlockBegin().Column, BlockBegin().Line);
}

void TCustomMemoSource::JumpToBlockEnd() {
  if (HasSelection()) SetCaretPos(BlockEnd().Column, BlockEnd().Line);
}

}  // namespace qs
