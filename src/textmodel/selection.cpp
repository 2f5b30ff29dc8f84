// The selection: its bounds and modes, how moves extend it, and what it holds.
#include <algorithm>
#include <utility>

#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

// One coordinate of a column block following the caret from old to now.
void FollowCoordinate(std::int32_t& begin, std::int32_t& end, std::int32_t old, std::int32_t now) {
  if (begin == end && begin == old) {
    (begin < now ? end : begin) = now;
  } else if (begin == old) {
    begin = now;
  } else if (end == old) {
    end = now;
  }
  if (end < begin) std::swap(begin, end);
}

}  // namespace

void TCustomMemoSource::GetBlockBounds(std::int32_t& beginColumn, std::int32_t& beginLine,
                                       std::int32_t& endColumn, std::int32_t& endLine) const {
  beginColumn = m_blockBegin.Column;
  beginLine = m_blockBegin.Line;
  endColumn = m_blockEnd.Column;
  endLine = m_blockEnd.Line;
}

std::pair<std::int32_t, std::int32_t> TCustomMemoSource::SelectedRange(std::int32_t line) const {
  const TPosition b = BlockBegin();
  const TPosition e = BlockEnd();
  if (line < b.Line || line > e.Line) return {0, 0};
  if (m_selType == stBlockSel) return {b.Column, ClampedAdd(e.Column, 1)};
  if (m_selType != stStreamSel) return {0, 0};
  if (b.Line == e.Line) return {b.Column, e.Column};
  if (line == b.Line) return {b.Column, kMaxIndex};
  if (line == e.Line) return {0, e.Column};
  return {0, kMaxIndex};
}

bool TCustomMemoSource::IsInSelection(std::int32_t column, std::int32_t line) const {
  const auto [from, to] = SelectedRange(line);
  return column >= from && column < to;
}

int TCustomMemoSource::SelectionLineCount() const {
  if (!HasSelection()) return 0;
  // Lines past the document read empty; one of them belongs to a selection
  // that ends at column 0 below the last line, more would only be padding.
  const std::int64_t end = std::min<std::int64_t>(BlockEnd().Line, LineCount());
  return static_cast<int>(std::max<std::int64_t>(end - BlockBegin().Line + 1, 0));
}

String TCustomMemoSource::SelectionLine(int index) const {
  if (index < 0 || index >= SelectionLineCount()) return {};
  const TPosition b = BlockBegin();
  const TPosition e = BlockEnd();
  const std::int32_t line = b.Line + index;
  const String text = ExpandedLine(line);
  const auto cut = [&](std::int64_t from, std::int64_t width, bool pad) {
    String part;
    if (from < static_cast<std::int64_t>(text.size()))
      part = text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(width));
    if (pad && static_cast<std::int64_t>(part.size()) < width)
      part.append(static_cast<std::size_t>(width) - part.size(), U' ');
    return part;
  };
  const auto size = static_cast<std::int64_t>(text.size());
  if (m_selType == stBlockSel) return cut(b.Column, std::int64_t{e.Column} - b.Column + 1, true);
  if (b.Line == e.Line) return cut(b.Column, std::int64_t{e.Column} - b.Column, true);
  if (line == b.Line) return cut(b.Column, size, false);
  if (line == e.Line) return cut(0, e.Column, false);
  return text;
}

void TCustomMemoSource::AdjustSelectionType(TSelectionType& type) {
  if (type != stNotSelected) {
    switch (m_blockOption) {
      case bkStreamSel:
        type = stStreamSel;
        break;
      case bkBlockSel:
        type = stBlockSel;
        break;
      case bkNone:
        type = stNotSelected;
        break;
      case bkBoth:
        break;
    }
  }
  if (OnGetSelectionType) OnGetSelectionType(*this, type);
}

void TCustomMemoSource::ExtendSelection(TSelectionType mode, MoveOperation move) {
  AdjustSelectionType(mode);
  const TUpdateBracket update(*this, upd::kExtendSelection);
  const TPosition c0 = m_caret;
  const auto runMove = [&] {
    const bool wasColumn = std::exchange(m_columnSelecting, mode == stBlockSel);
    if (move) (this->*move)();
    m_columnSelecting = wasColumn;
    return m_caret;
  };
  if (mode == stNotSelected) {
    runMove();
    m_selType = stNotSelected;
    return;
  }
  TPosition b = BlockBegin();
  TPosition e = BlockEnd();
  const bool onCorner =
      HasSelection() && (mode == stStreamSel ? (c0 == b || c0 == e)
                                             : ((c0.Line == b.Line || c0.Line == e.Line) &&
                                                (c0.Column == b.Column || c0.Column == e.Column)));
  if (onCorner) {
    const TPosition c1 = runMove();
    if (mode == stStreamSel) {
      (c0 == b ? b : e) = c1;
      if (e < b) std::swap(b, e);
    } else {
      FollowCoordinate(b.Column, e.Column, c0.Column, c1.Column);
      FollowCoordinate(b.Line, e.Line, c0.Line, c1.Line);
    }
  } else {
    b = e = c0;
    const TPosition c1 = runMove();
    if (c1.Line == c0.Line)
      (c1.Column > c0.Column ? e.Column : b.Column) = c1.Column;
    else
      (c1.Line < c0.Line ? b : e) = c1;
    if (mode == stBlockSel) {
      // A column block is a rectangle: each coordinate pair in order.
      if (e.Column < b.Column) std::swap(b.Column, e.Column);
      if (e.Line < b.Line) std::swap(b.Line, e.Line);
    }
  }
  m_blockBegin.Assign(b);
  m_blockEnd.Assign(e);
  m_selType = mode;
}

void TCustomMemoSource::MarkBlockBegin() {
  const TUpdateBracket update(*this, upd::kMarkBlockBegin);
  m_blockBegin.Assign(m_caret);
  if (!HasSelection()) m_selType = stStreamSel;
}

void TCustomMemoSource::MarkBlockEnd() {
  const TUpdateBracket update(*this, upd::kMarkBlockEnd);
  m_blockEnd.Assign(m_caret);
  if (!HasSelection()) m_selType = stStreamSel;
}

void TCustomMemoSource::MarkLine() {
  const TUpdateBracket update(*this, upd::kMarkLine);
  m_blockBegin.Assign({m_caret.Line, 0});
  m_blockEnd.Assign({ClampedAdd(m_caret.Line, 1), 0});
  m_selType = stStreamSel;
}

void TCustomMemoSource::MarkWord() {
  const TUpdateBracket update(*this, upd::kMarkWord);
  ClearSelection();
  if (const auto word = WordBounds(m_caret.Column, m_caret.Line, wsWordOnly)) {
    m_blockBegin.Assign({m_caret.Line, word->first});
    m_blockEnd.Assign({m_caret.Line, word->second + 1});
    m_selType = stStreamSel;
    SetCaretPos(word->second + 1, m_caret.Line);
  }
}

void TCustomMemoSource::SelectAll() {
  if (m_blockOption == bkNone) return;
  const TUpdateBracket update(*this, upd::kSelectAll);
  ClearSelection();
  JumpToFileBegin();
  MarkBlockBegin();
  JumpToFileEnd();
  MarkBlockEnd();
}

void TCustomMemoSource::ClearSelection() {
  if (!HasSelection()) return;
  const TUpdateBracket update(*this, upd::kSetSelectionType);
  m_selType = stNotSelected;
}

void TCustomMemoSource::SetSelectionType(TSelectionType type) {
  const TUpdateBracket update(*this, upd::kSetSelectionType);
  m_selType = type;
  AdjustSelectionType(m_selType);
}

void TCustomMemoSource::SelectRange(TSelectionType mode, std::int32_t beginColumn,
                                    std::int32_t beginLine, std::int32_t endColumn,
                                    std::int32_t endLine) {
  const TUpdateBracket update(*this, upd::kSelectRange);
  m_selType = mode;
  m_blockBegin.Assign({std::max(beginLine, 0), std::max(beginColumn, 0)});
  m_blockEnd.Assign({std::max(endLine, 0), std::max(endColumn, 0)});
}

void TCustomMemoSource::SetBlockBounds(const TMemoRect& bounds) {
  const TUpdateBracket update(*this, upd::kSetBlockBounds);
  m_blockBegin.Assign({std::max(bounds.Top, 0), std::max(bounds.Left, 0)});
  m_blockEnd.Assign({std::max(bounds.Bottom, 0), std::max(bounds.Right, 0)});
}

std::optional<std::pair<std::int32_t, std::int32_t>> TCustomMemoSource::WordBounds(
    std::int32_t column, std::int32_t line, TWordSelectionType kind) const {
  const String text = ExpandedLine(line);
  const auto size = static_cast<std::int64_t>(text.size());
  if (size == 0) return std::nullopt;
  const auto delim = [&](std::int64_t i) {
    return IsDelimiterChar(text[static_cast<std::size_t>(i)]);
  };
  const std::int64_t at = std::clamp<std::int64_t>(column, 0, size - 1);
  std::int64_t i = at;
  while (i >= 0 && delim(i)) --i;
  if (i >= 0) {
    while (i > 0 && !delim(i - 1)) --i;
  } else {
    i = at;
    while (i < size && delim(i)) ++i;
    if (i == size) return std::nullopt;
  }
  std::int64_t last = i;
  while (last + 1 < size && !delim(last + 1)) ++last;
  if (kind == wsWordWithSpace && last + 1 < size &&
      text[static_cast<std::size_t>(last + 1)] == U' ')
    ++last;
  if (kind == wsUntilNextWord)
    while (last + 1 < size && delim(last + 1)) ++last;
  return std::pair{static_cast<std::int32_t>(i), static_cast<std::int32_t>(last)};
}

}  // namespace qs
