// The control's caret and page commands: moves by rows, pages and the
// window's edges, each taking the selection mode to extend in, and the one
// way a move extends the selection (the source's move hook, forced for the
// call).
#include <algorithm>

#include "editor/qsmemo.h"

namespace qs {

namespace {

// Restores the source's move hook when a forced move ends, thrown or not.
class ForcedMove {
 public:
  ForcedMove(TCustomMemoSource& s, std::int64_t lines, std::int64_t columns)
      : m_source(s), m_saved(std::move(s.OnMoveQuery)) {
    s.OnMoveQuery = [lines, columns](TCustomMemoSource&, std::int64_t& l, std::int64_t& c) {
      l = lines;
      c = columns;
    };
  }
  ~ForcedMove() { m_source.OnMoveQuery = std::move(m_saved); }
  ForcedMove(const ForcedMove&) = delete;
  ForcedMove& operator=(const ForcedMove&) = delete;

 private:
  TCustomMemoSource& m_source;
  TMoveQueryEvent m_saved;
};

}  // namespace

void TCustomQSMemo::MoveOrExtend(TSelectionType extend, std::int64_t lines, std::int64_t columns) {
  TCustomMemoSource& s = Source();
  if (extend == stNotSelected) {
    s.MoveCaret(lines, columns);
    return;
  }
  // The forced move below stands in for the wrap's own move hook, so the
  // wrap turns display rows into the line and column move first.
  if (m_wordWrap && lines != 0) AnswerMoveQuery(s, lines, columns);
  // The selection follows whatever move the source makes inside
  // ExtendSelection; the hook turns its one-line move into this one.
  const ForcedMove forced(s, lines, columns);
  s.ExtendSelection(extend, &TCustomMemoSource::CursorDown);
}

void TCustomQSMemo::MoveLines(TSelectionType extend, std::int64_t lines) {
  if (extend == stNotSelected && !Source().HasOption(soPersistentBlocks)) Source().ClearSelection();
  MoveOrExtend(extend, lines, 0);
}

void TCustomQSMemo::RowBegin(TSelectionType extend) {
  TCustomMemoSource& s = Source();
  // On a continuation row of a wrapped line the row, not the line, begins.
  if (m_wordWrap && RowBeginColumn() > 0) {
    if (extend == stNotSelected && !s.HasOption(soPersistentBlocks)) s.ClearSelection();
    MoveOrExtend(extend, 0, static_cast<std::int64_t>(RowBeginColumn()) - s.CaretColumn());
    return;
  }
  if (extend != stNotSelected) {
    s.ExtendSelection(extend, &TCustomMemoSource::JumpToLineBegin);
  } else {
    if (!s.HasOption(soPersistentBlocks)) s.ClearSelection();
    s.JumpToLineBegin();
  }
  if (m_hideCaret) {
    SetLeftChar(0);
    Repaint();
  }
}

void TCustomQSMemo::RowEnd(TSelectionType extend) {
  TCustomMemoSource& s = Source();
  if (m_wordWrap && !DisplayRowAt(CaretRow()).IsLast()) {
    if (extend == stNotSelected && !s.HasOption(soPersistentBlocks)) s.ClearSelection();
    MoveOrExtend(extend, 0, static_cast<std::int64_t>(RowEndColumn()) - s.CaretColumn());
    return;
  }
  if (extend != stNotSelected) {
    s.ExtendSelection(extend, &TCustomMemoSource::JumpToLineEnd);
    return;
  }
  if (!s.HasOption(soPersistentBlocks)) s.ClearSelection();
  s.JumpToLineEnd();
}

void TCustomQSMemo::CaretUp(TSelectionType extend) {
  if (m_hideCaret && extend == stNotSelected)
    ScrollLineUp();
  else
    MoveLines(extend, -1);
}

void TCustomQSMemo::CaretDown(TSelectionType extend) {
  if (m_hideCaret && extend == stNotSelected)
    ScrollLineDown();
  else
    MoveLines(extend, 1);
}

void TCustomQSMemo::CaretLeft(TSelectionType extend) {
  TCustomMemoSource& s = Source();
  if (m_hideCaret && extend == stNotSelected) {
    ScrollBy(0, -1);
    return;
  }
  // As the vertical moves do, a plain move ends a selection that does not persist.
  if (extend == stNotSelected && !s.HasOption(soPersistentBlocks)) s.ClearSelection();
  if (s.CaretColumn() == 0 && HasOption(moNotePadCursorStyle) && s.CaretLine() > 0)
    MoveOrExtend(extend, -1, s.LineLength(s.CaretLine() - 1));
  else if (extend != stNotSelected)
    s.ExtendSelection(extend, &TCustomMemoSource::CursorLeft);
  else
    s.CursorLeft();
}

void TCustomQSMemo::CaretRight() {
  TCustomMemoSource& s = Source();
  if (m_hideCaret) {
    ScrollBy(0, 1);
    return;
  }
  if (!s.HasOption(soPersistentBlocks)) s.ClearSelection();
  s.CursorRight();
}

std::int32_t TCustomQSMemo::PageRows() {
  return std::max(VisibleRows(), 1);
}

void TCustomQSMemo::PageUp(TSelectionType extend) {
  const std::int32_t rows = PageRows();
  ScrollBy(-rows, 0);
  MoveOrExtend(extend, -rows, 0);
}

void TCustomQSMemo::PageDown(TSelectionType extend) {
  const std::int32_t rows = PageRows();
  ScrollBy(rows, 0);
  MoveOrExtend(extend, rows, 0);
}

void TCustomQSMemo::CaretToWindowTop(TSelectionType extend) {
  const TCustomMemoSource& s = Source();
  MoveOrExtend(extend, s.RowToLine(m_topLine) - s.CaretLine(), 0);
}

void TCustomQSMemo::CaretToWindowBottom(TSelectionType extend) {
  const TCustomMemoSource& s = Source();
  const std::int64_t row = static_cast<std::int64_t>(m_topLine) + VisibleRows();
  std::int64_t line = s.RowToLine(static_cast<std::int32_t>(std::min<std::int64_t>(row, kToEnd)));
  if (!s.HasOption(soBeyondFileEnd)) line = std::min<std::int64_t>(line, s.LineCount() - 1);
  MoveOrExtend(extend, std::max<std::int64_t>(line, 0) - s.CaretLine(), 0);
}

}  // namespace qs
