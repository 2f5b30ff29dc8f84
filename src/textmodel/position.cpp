#include "textmodel/position.h"

#include <algorithm>

namespace qs {

TTrackedPosition::TTrackedPosition(TPositionList& list, TPosition at)
    : TPosition(at), m_list(list) {
  m_list.Add(this);
}

TTrackedPosition::~TTrackedPosition() {
  m_list.Remove(this);
}

void TPositionList::Remove(TTrackedPosition* p) noexcept {
  // Newest first: tracked copies are short-lived and usually the last ones added.
  for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
    if (*it == p) {
      m_items.erase(std::next(it).base());
      return;
    }
  }
}

void TPositionList::ShiftLinesFrom(std::int32_t from, std::int64_t delta) noexcept {
  for (TTrackedPosition* p : m_items) {
    if (p->Line < from) continue;
    bool canColumn = true;
    bool canLine = true;
    if (p->OnCheckShift) p->OnCheckShift(*p, canColumn, canLine);
    if (canLine) p->Line = ClampedAdd(p->Line, delta);
  }
}

void TPositionList::LinesRemoved(std::int32_t first, std::int64_t count) noexcept {
  for (TTrackedPosition* p : m_items) {
    if (p->Line < first) continue;
    bool canColumn = true;
    bool canLine = true;
    if (p->OnCheckShift) p->OnCheckShift(*p, canColumn, canLine);
    if (p->Line - std::int64_t{first} < count) {
      if (canLine) p->Line = first;
      if (canColumn) p->Column = 0;
    } else if (canLine) {
      p->Line = ClampedAdd(p->Line, -count);
    }
  }
}

void TPositionList::ResetAll() noexcept {
  for (TTrackedPosition* p : m_items) p->Assign({});
}

namespace {

void ShiftOne(TTrackedPosition& p, TShiftKind kind, TPosition caret, std::int64_t count) {
  bool canColumn = true;
  bool canLine = true;
  if (p.OnCheckShift) p.OnCheckShift(p, canColumn, canLine);
  const bool onLine = p.Line == caret.Line;
  const bool after =
      onLine && (p.ShiftsAtCaret ? p.Column >= caret.Column : p.Column > caret.Column);
  std::int64_t line = p.Line;
  std::int64_t column = p.Column;
  switch (kind) {
    case skInsertChars:
      if (after && canColumn) column += count;
      break;
    case skDeleteChars:
      if (after && canColumn) column = std::max<std::int64_t>(column - count, caret.Column);
      break;
    case skLineBreak:
      if (after) {
        if (canColumn) column -= caret.Column;
        if (canLine) line += 1;
      } else if (p.Line > caret.Line && canLine) {
        line += 1;
      }
      break;
    case skJoinLine:
      if (p.Line == static_cast<std::int64_t>(caret.Line) + 1) {
        if (canColumn) column += caret.Column;
        if (canLine) line -= 1;
      } else if (onLine && p.Column >= caret.Column) {
        if (canColumn) column = caret.Column;
      } else if (p.Line > static_cast<std::int64_t>(caret.Line) + 1 && canLine) {
        line -= 1;
      }
      break;
  }
  p.Line = ClampedAdd(line, 0);
  p.Column = ClampedAdd(column, 0);
}

}  // namespace

void TPositionList::Shift(TShiftKind kind, TPosition caret, std::int64_t count) noexcept {
  count = std::clamp<std::int64_t>(count, 0, kMaxIndex);
  for (TTrackedPosition* p : m_items)
    if (p->Line >= caret.Line) ShiftOne(*p, kind, caret, count);
}

}  // namespace qs
