// The view origin, the scroll bars, the caret and the reaction to changes
// of the source.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "editor/memorichmode.h"
#include "editor/qsmemo.h"

namespace qs {

namespace {

int ClampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min() / 2,
                                                   std::numeric_limits<int>::max() / 2));
}

bool HasVerticalBar(TScrollStyle s) {
  return s == ssVertical || s == ssBoth;
}
bool HasHorizontalBar(TScrollStyle s) {
  return s == ssHorizontal || s == ssBoth;
}

}  // namespace

int TCustomQSMemo::ColumnX(const TMemoLayout& layout, std::int64_t column) {
  return ClampToInt(layout.textLeft +
                    static_cast<std::int64_t>(CharWidth()) * (column - m_leftChar));
}

TPoint TCustomQSMemo::PositionToClient(TPosition p) {
  const TMemoLayout layout = Layout();
  const std::int64_t row = static_cast<std::int64_t>(PositionToRow(p)) - m_topLine;
  return {ColumnX(layout, RowColumnOf(p)), ClampToInt(row * LineHeight())};
}

TPoint TCustomQSMemo::ClientToScreen(TPoint p) const {
  return m_host.ClientToScreen(p);
}

std::int32_t TCustomQSMemo::LastRow() const {
  return std::max(RowCount() - 1, 0);
}

void TCustomQSMemo::SetTopLine(std::int32_t row) {
  ApplyView(row, m_leftChar);
}
void TCustomQSMemo::SetLeftChar(std::int32_t column) {
  ApplyView(m_topLine, column);
}

void TCustomQSMemo::ScrollBy(std::int32_t rows, std::int32_t columns) {
  ApplyView(ClampToInt(static_cast<std::int64_t>(m_topLine) + rows),
            ClampToInt(static_cast<std::int64_t>(m_leftChar) + columns));
}

void TCustomQSMemo::ApplyView(std::int32_t topLine, std::int32_t leftChar) {
  const std::int32_t lastTop =
      Source().HasOption(soBeyondFileEnd) ? std::numeric_limits<std::int32_t>::max() : LastRow();
  topLine = std::clamp(topLine, 0, lastTop);
  leftChar = std::clamp(leftChar, 0, HorzRange());
  const std::int32_t rows = topLine - m_topLine;
  const std::int32_t columns = leftChar - m_leftChar;
  if (rows == 0 && columns == 0) return;
  const int digitsBefore = Layout().numberDigits;
  m_topLine = topLine;
  m_leftChar = leftChar;
  const TMemoLayout layout = Layout();
  const TRect client = m_host.ClientRect();
  if (layout.numberDigits != digitsBefore) {
    m_numberDigits = layout.numberDigits;
    CheckWrapCapacity();
    Repaint();
  } else if (m_memoBackground.IsInUse()) {
    // The picture stays where it is while the text moves over it.
    Repaint();
  } else if (std::abs(rows) == 1 && columns == 0) {
    m_host.ScrollClient(0, -rows * LineHeight(), client);
    if (m_gutterBackground.IsInUse() || m_gutterBrush.Style() != bsSolid)
      m_host.Invalidate({0, client.Top, layout.gutter, client.Bottom});
  } else if (rows == 0 && std::abs(columns) == 1) {
    TRect text = client;
    text.Left = layout.textLeft;
    m_host.ScrollClient(-columns * CharWidth(), 0, text);
  } else {
    Repaint();
  }
  UpdateScrollBars();
  UpdateCaret();
  if (OnMemoScroll && columns != 0) OnMemoScroll(*this, ssHorizontal, columns);
  if (OnMemoScroll && rows != 0) OnMemoScroll(*this, ssVertical, rows);
}

void TCustomQSMemo::MakeCaretVisible() {
  const TMemoLayout layout = Layout();
  const TCustomMemoSource& s = Source();
  const std::int32_t row = CaretRow();
  std::int32_t top = m_topLine;
  if (row < top)
    top = row;
  else if (row > top + layout.visibleRows)
    top = row - layout.visibleRows;
  const int cw = CharWidth();
  const int x = ColumnToX(s.CaretLine(), s.CaretColumn());
  const int clientWidth = m_host.ClientRect().Width();
  std::int64_t left = m_leftChar;
  if (x < layout.textLeft)
    left -= (layout.textLeft + cw - x - 1) / cw;
  else if (x >= clientWidth)
    // A caret exactly at the edge would be drawn outside the window.
    left += (x - clientWidth) / cw + 1;
  ApplyView(top, ClampToInt(left));
}

void TCustomQSMemo::InvalidateLines(std::int32_t first, std::int32_t last) {
  const TCustomMemoSource& s = Source();
  const TRect client = m_host.ClientRect();
  const int lh = LineHeight();
  first = std::max(first, 0);
  const std::int64_t firstRow = static_cast<std::int64_t>(FirstRowOfLine(first)) - m_topLine;
  TRect band = client;
  band.Top = ClampToInt(std::max<std::int64_t>(firstRow * lh, client.Top));
  if (last < s.LineCount() - 1 && s.LineCount() > 0 && last >= first) {
    const std::int64_t lastRow = static_cast<std::int64_t>(LastRowOfLine(last)) - m_topLine;
    band.Bottom = ClampToInt(std::min<std::int64_t>((lastRow + 1) * lh, client.Bottom));
  }
  if (band.Top < band.Bottom) m_host.Invalidate(band);
}

// The columns the view may scroll over: at least HorzMaxPos, as far as the
// widest line the view has shown, and always as far as the caret, so a caret
// at the end of a long line is never out of reach. Only shown lines are
// measured: tracking the longest line of the whole text would rescan it
// whenever that line shrinks, at every keystroke on it.
std::int32_t TCustomQSMemo::HorzRange() const {
  return std::max({m_horzMaxPos, m_widestSeen, Source().CaretColumn(), 0});
}

void TCustomQSMemo::NoteShownWidths(const TMemoLayout& layout) {
  const TCustomMemoSource& s = Source();
  for (const TRowSpan& row : DisplayRows(m_topLine, layout.visibleRows + 1))
    if (row.line < s.LineCount()) m_widestSeen = std::max(m_widestSeen, s.LineLength(row.line));
}

void TCustomQSMemo::UpdateScrollBars() {
  const TMemoLayout layout = Layout();
  const bool vertical = HasVerticalBar(m_scrollBars);
  if (vertical) {
    const int page = layout.visibleRows + 1;
    m_host.SetScrollRange(ScrollBarKind::Vertical, 0, std::max(LastRow(), page - 1), page);
    m_host.SetScrollPos(ScrollBarKind::Vertical, m_topLine);
  }
  m_host.SetScrollBarVisible(ScrollBarKind::Vertical, vertical);
  const bool horizontal = HasHorizontalBar(m_scrollBars);
  if (horizontal) {
    NoteShownWidths(layout);
    const int page = std::max(layout.visibleColumns + 1, 1);
    m_host.SetScrollRange(ScrollBarKind::Horizontal, 0, HorzRange(), page);
    m_host.SetScrollPos(ScrollBarKind::Horizontal, m_leftChar);
  }
  m_host.SetScrollBarVisible(ScrollBarKind::Horizontal, horizontal);
}

void TCustomQSMemo::UpdateCaret() {
  ShapeCaret();
}

void TCustomQSMemo::FocusChanged(bool focused) {
  if (focused == m_focused) return;
  m_focused = focused;
  if (focused) {
    InstallMoveHooks();
    m_caretSize = {};  // created afresh
    UpdateCaret();
  } else {
    RemoveMoveHooks(Source());
    CancelMouseAction();
    m_host.DestroyCaret();
  }
  if (m_hideSelection && Source().HasSelection()) Repaint();
}

void TCustomQSMemo::Resized() {
  WrapResized();
  const int digits = Layout().numberDigits;
  UpdateScrollBars();
  UpdateCaret();
  if (digits != m_numberDigits) {
    m_numberDigits = digits;
    CheckWrapCapacity();
    Repaint();
  }
}

void TCustomQSMemo::SourceChanged(TCustomMemoSource& source, std::int32_t first,
                                  std::int32_t last) {
  m_rich->SourceChanged(source);
  const bool rowsMoved = FollowSourceWrap(source);
  const TMemoStates changes = source.Changes();
  const std::int32_t oldTop = m_topLine;
  const std::int32_t oldLeft = m_leftChar;
  // Lines may have gone from under the view.
  if (changes.Has(msCountChanged) || rowsMoved) m_topLine = std::min(m_topLine, LastRow());
  if (changes.Has(msPositionChanged)) MakeCaretVisible();

  const bool contentChanged = changes.Has(msEdited) || changes.Has(msBlockChanged) ||
                              changes.Has(msFoundRectChanged) || changes.Has(msNeedInvalidate) ||
                              changes.Has(msParserChanged);
  const int digits = Layout().numberDigits;
  if (digits != m_numberDigits) {
    m_numberDigits = digits;
    CheckWrapCapacity();
    Repaint();
  } else if (m_topLine != oldTop || m_leftChar != oldLeft) {
    if (contentChanged) Repaint();
  } else if (contentChanged) {
    // Lines below an insertion or deletion all move.
    InvalidateLines(first, changes.Has(msCountChanged) || rowsMoved ? kToEnd : last);
  }
  if (changes.Has(msReadOnlyChanged) && m_color != m_readOnlyColor) Repaint();
  if (changes.Has(msCountChanged) || changes.Has(msPositionChanged) || rowsMoved)
    UpdateScrollBars();
  UpdateCaret();
}

}  // namespace qs
