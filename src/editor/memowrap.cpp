// Word wrap in the editor control: display rows and their mapping to
// positions, vertical caret moves by rows, and keeping the wrap data in step
// with the source, the window size and the layout.
#include <algorithm>
#include <limits>

#include "editor/qsmemo.h"

namespace qs {
namespace {

// The hooks a control installs on its source. Their type tells a control's
// own hooks from another view's, so it only ever removes its own.
struct MoveQueryHook {
  TCustomQSMemo* memo;
  void operator()(TCustomMemoSource& s, std::int64_t& lineDelta, std::int64_t& columnDelta) const {
    memo->AnswerMoveQuery(s, lineDelta, columnDelta);
  }
};

struct NewLineIndentHook {
  TCustomQSMemo* memo;
  void operator()(TCustomMemoSource& s, std::int32_t& column) const {
    memo->AnswerNewLineIndent(s, column);
  }
};

std::int32_t ToRow(std::int64_t row) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(row, 0, std::numeric_limits<std::int32_t>::max()));
}

// Column and stream selection stay; column selection cannot follow rows.
TBlockOption WithoutColumnBlocks(TBlockOption b) {
  if (b == bkBoth) return bkStreamSel;
  if (b == bkBlockSel) return bkNone;
  return b;
}

}  // namespace

// ---- Switching ----------------------------------------------------------------

void TCustomQSMemo::SetWordWrap(bool on) {
  if (on == m_wordWrap) return;
  const TRowSpan top = DisplayRowAt(m_topLine);
  m_wordWrap = on;
  MaskBlockOption(Source(), on);
  m_keptX.reset();
  if (on) {
    m_leftChar = 0;
    m_wrap.WrapAll(Source(), RowCapacity());
    m_topLine = ToRow(m_wrap.FirstRowOf(top.line));
  } else {
    m_wrap.Clear();
    m_topLine = Source().LineToRow(top.line);
  }
  LayoutChanged();
}

void TCustomQSMemo::MaskBlockOption(TCustomMemoSource& source, bool masked) {
  if (masked) {
    m_blockBeforeWrap = source.BlockOption();
    m_blockMaskedTo = WithoutColumnBlocks(m_blockBeforeWrap);
    if (m_blockMaskedTo != m_blockBeforeWrap) source.SetBlockOption(m_blockMaskedTo);
  } else if (source.BlockOption() == m_blockMaskedTo) {
    // Set meanwhile to something else: that choice stays.
    source.SetBlockOption(m_blockBeforeWrap);
  }
}

int TCustomQSMemo::RowCapacity() {
  if (HasOption(moBreakWordAtMargin)) return std::max(m_marginPos - 1, 1);
  return std::max(Layout().visibleColumns, 1);
}

void TCustomQSMemo::RewrapAll() {
  if (!m_wordWrap) return;
  const TRowSpan top = DisplayRowAt(m_topLine);
  m_wrap.WrapAll(Source(), RowCapacity());
  m_topLine = ToRow(m_wrap.RowOf(top.line, top.start));
}

bool TCustomQSMemo::CheckWrapCapacity() {
  if (!m_wordWrap || RowCapacity() == m_wrap.Capacity()) return false;
  RewrapAll();
  m_topLine = std::min(m_topLine, LastRow());
  UpdateScrollBars();
  UpdateCaret();
  Repaint();
  return true;
}

void TCustomQSMemo::WrapResized() {
  if (!m_wordWrap || HasOption(moBreakWordAtMargin) || RowCapacity() == m_wrap.Capacity()) return;
  TCustomMemoSource& s = Source();
  const TPosition caret = s.Caret();
  if (caret.Line < s.LineCount() && caret.Column > s.LineLength(caret.Line))
    s.SetCaretPos(s.LineLength(caret.Line), caret.Line);
  CheckWrapCapacity();
}

bool TCustomQSMemo::FollowSourceWrap(TCustomMemoSource& source) {
  const TMemoStates changes = source.Changes();
  if (changes.Has(msPositionChanged)) {
    if (m_verticalMovePending)
      m_keptAt = source.Caret();
    else
      m_keptX.reset();
  }
  m_verticalMovePending = false;
  if (!m_wordWrap) return false;
  if (!changes.Has(msEdited) && !changes.Has(msCountChanged) && !changes.Has(msParserChanged))
    return false;
  bool rowsMoved = false;
  // A new highlighter or new tab stops may change every line's cells.
  if (changes.Has(msParserChanged) || !m_wrap.Follow(source, rowsMoved)) {
    RewrapAll();
    return true;
  }
  return rowsMoved;
}

// ---- Rows -----------------------------------------------------------------------

std::int32_t TCustomQSMemo::RowCount() const {
  if (m_wordWrap && m_wrap.IsBuilt()) return ToRow(m_wrap.RowCount());
  const TCustomMemoSource& s = Source();
  if (s.LineCount() == 0) return 0;
  return std::max(s.LineToRow(s.LineCount() - 1), 0) + 1;
}

TRowSpan TCustomQSMemo::DisplayRowAt(std::int32_t row) const {
  if (m_wordWrap && m_wrap.IsBuilt()) return m_wrap.RowAt(row);
  return {Source().RowToLine(std::max(row, 0)), 0, kRowToLineEnd};
}

std::vector<TRowSpan> TCustomQSMemo::DisplayRows(std::int32_t firstRow, int count) const {
  std::vector<TRowSpan> rows;
  rows.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i)
    rows.push_back(DisplayRowAt(ToRow(static_cast<std::int64_t>(firstRow) + i)));
  return rows;
}

std::int32_t TCustomQSMemo::PositionToRow(TPosition p) const {
  if (m_wordWrap && m_wrap.IsBuilt()) return ToRow(m_wrap.RowOf(p.Line, p.Column));
  return Source().LineToRow(p.Line);
}

std::int32_t TCustomQSMemo::FirstRowOfLine(std::int32_t line) const {
  if (m_wordWrap && m_wrap.IsBuilt()) return ToRow(m_wrap.FirstRowOf(line));
  return Source().LineToRow(line);
}

std::int32_t TCustomQSMemo::LastRowOfLine(std::int32_t line) const {
  if (m_wordWrap && m_wrap.IsBuilt()) return ToRow(m_wrap.LastRowOf(line));
  return Source().LineToRow(line);
}

std::int32_t TCustomQSMemo::RowColumnOf(TPosition p) const {
  if (!m_wordWrap || !m_wrap.IsBuilt()) return p.Column;
  return p.Column - DisplayRowAt(PositionToRow(p)).start;
}

TPosition TCustomQSMemo::RowColumnToPosition(std::int32_t row, std::int64_t rowColumn) const {
  const TRowSpan span = DisplayRowAt(row);
  std::int64_t column = span.start + std::max<std::int64_t>(rowColumn, 0);
  if (!span.IsLast()) column = std::min<std::int64_t>(column, span.end - 1);
  return {span.line, ToRow(column)};
}

// ---- Caret moves ------------------------------------------------------------------

void TCustomQSMemo::InstallMoveHooks() {
  TCustomMemoSource& s = Source();
  s.OnMoveQuery = MoveQueryHook{this};
  s.OnNewLineIndent = NewLineIndentHook{this};
}

void TCustomQSMemo::RemoveMoveHooks(TCustomMemoSource& source) {
  if (const auto* hook = source.OnMoveQuery.target<MoveQueryHook>(); hook && hook->memo == this)
    source.OnMoveQuery = nullptr;
  if (const auto* hook = source.OnNewLineIndent.target<NewLineIndentHook>();
      hook && hook->memo == this)
    source.OnNewLineIndent = nullptr;
}

void TCustomQSMemo::AnswerMoveQuery(TCustomMemoSource& s, std::int64_t& lineDelta,
                                    std::int64_t& columnDelta) {
  m_verticalMovePending = false;
  if (columnDelta != 0 || lineDelta == 0) {
    m_keptX.reset();
    return;
  }
  if (!m_wordWrap && UseMonoFont() && !s.HasOption(soRetainColumn)) return;
  const TPosition caret = s.Caret();
  const int cw = CharWidth();
  if (!m_keptX || caret != m_keptAt) m_keptX = RowColumnOf(caret) * cw;
  std::int64_t to = static_cast<std::int64_t>(PositionToRow(caret)) + lineDelta;
  to = std::max<std::int64_t>(to, 0);
  // At the end of the text the caret stops on the last row unless it may
  // go beyond.
  if (!s.HasOption(soBeyondFileEnd)) to = std::min<std::int64_t>(to, LastRow());
  const TPosition target = RowColumnToPosition(ToRow(to), *m_keptX / cw);
  lineDelta = std::int64_t{target.Line} - caret.Line;
  columnDelta = std::int64_t{target.Column} - caret.Column;
  m_verticalMovePending = lineDelta != 0 || columnDelta != 0;
}

void TCustomQSMemo::AnswerNewLineIndent(TCustomMemoSource& s, std::int32_t& column) {
  m_keptX.reset();
  m_verticalMovePending = false;
  if (!m_wordWrap) return;
  const TRowSpan row = DisplayRowAt(PositionToRow(s.Caret()));
  if (!row.IsFirst()) column = row.start;
}

void TCustomQSMemo::CaretRowUp() {
  InstallMoveHooks();
  Source().MoveCaret(-1, 0);
}

void TCustomQSMemo::CaretRowDown() {
  InstallMoveHooks();
  Source().MoveCaret(1, 0);
}

void TCustomQSMemo::CaretPageUp() {
  InstallMoveHooks();
  Source().MoveCaret(-std::max(VisibleRows(), 1), 0);
}

void TCustomQSMemo::CaretPageDown() {
  InstallMoveHooks();
  Source().MoveCaret(std::max(VisibleRows(), 1), 0);
}

std::int32_t TCustomQSMemo::RowBeginColumn() const {
  return DisplayRowAt(CaretRow()).start;
}

std::int32_t TCustomQSMemo::RowEndColumn() const {
  const TCustomMemoSource& s = Source();
  const std::int32_t line = s.CaretLine();
  const std::int32_t lineEnd =
      s.KeepTrailingBlanks() ? s.LineLength(line) : s.TrimmedLineLength(line);
  const TRowSpan row = DisplayRowAt(CaretRow());
  if (row.IsLast()) return lineEnd;
  return std::min(row.end - 1, s.LineLength(line));
}

}  // namespace qs
