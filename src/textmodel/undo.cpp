// Undo and redo: writing records, replaying steps, the undo limit and the
// saved-position marker that decides whether the document is modified.
#include <algorithm>

#include "support/scopeexit.h"
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

TUndoRecord* TCustomMemoSource::AddUndoRecord(TUndoKind kind) {
  if (!m_allowUndo) return nullptr;
  m_active->FoldCaretMoves();
  ApplyUndoLimit();
  TUndoRecord& r = m_active->Append();
  r.Kind = kind;
  r.First = m_undoStepPending;
  r.UpdateCode = static_cast<std::uint8_t>(std::clamp(m_updateCode, 0, 255));
  r.InBlock = m_undoBlockDepth > 0;
  r.Caret = m_caret;
  m_undoStepPending = false;
  return &r;
}

void TCustomMemoSource::RecordInsertion(std::int32_t line, std::int64_t index, std::int64_t count) {
  // Text put where the same step just deleted some (a replacement, typing in
  // overwrite mode) joins the deletion's record.
  if (m_allowUndo && !m_undoStepPending && !m_active->Empty()) {
    TUndoRecord& back = m_active->Back();
    if (back.Kind == ukDeleted && back.Line == line && back.Index == index &&
        back.UpdateCode == std::clamp(m_updateCode, 0, 255) &&
        back.InBlock == (m_undoBlockDepth > 0)) {
      back.Kind = ukReplaced;
      back.DeltaLine = static_cast<std::int32_t>(count);
      return;
    }
  }
  if (TUndoRecord* r = Record(ukInserted, line, index))
    r->DeltaLine = static_cast<std::int32_t>(count);
}

void TCustomMemoSource::NoteUnrecordedChange() noexcept {
  // A change no record can take back: the saved text is out of reach.
  m_savedLost = true;
}

void TCustomMemoSource::ApplyUndoLimit() {
  if (m_replaying || m_undoLimit <= 0 || m_undo.Count() <= m_undoLimit + 100) return;
  std::int32_t n = m_undo.Count() - m_undoLimit - 1;
  while (n > 0 && m_undo[n].InBlock) --n;
  if (n <= 0) return;
  bool textRemoved = false;
  for (std::int32_t i = 0; i <= n; ++i) textRemoved = textRemoved || m_undo[i].ChangesText();
  m_undo.RemoveFirst(n + 1);
  m_savedMarker -= n + 1;
  if (m_savedMarker < 0) {
    m_savedMarker = -1;
    if (textRemoved) m_savedLost = true;
  }
}

void TCustomMemoSource::EndUndoBlock() {
  if (m_undoBlockDepth <= 0 || --m_undoBlockDepth > 0) return;
  // The closing mark keeps two blocks in a row apart; a block that recorded
  // nothing needs none.
  if (m_allowUndo && !m_active->Empty() && m_active->Back().InBlock) {
    if (TUndoRecord* r = AddUndoRecord(ukCaretMoved)) r->First = false;
  }
}

void TCustomMemoSource::ClearUndo() {
  m_undo.Clear();
  m_redo.Clear();
  // Without the history the saved text can only come back by saving again.
  if (m_docModified) m_savedLost = true;
  m_savedMarker = -1;
}

void TCustomMemoSource::SetAllowUndo(bool allow) {
  if (m_allowUndo == allow) return;
  m_allowUndo = allow;
  if (!allow) ClearUndo();
}

bool TCustomMemoSource::ComputeModified() const noexcept {
  return m_savedLost || m_undo.TextChangedAfter(m_savedMarker);
}

void TCustomMemoSource::SetDocModified(bool modified) {
  if (m_docModified == modified) return;
  const TUpdateBracket update(*this, upd::kSetModified);
  m_docModified = modified;
  if (!modified) m_savedMarker = m_undo.NewestTextChange();
}

void TCustomMemoSource::ResetModified() {
  m_savedLost = false;
  m_savedMarker = m_undo.NewestTextChange();
  SetDocModified(false);
}

void TCustomMemoSource::Undo() {
  if (GetReadOnly() || m_undo.Empty()) return;
  Replay(m_undo, m_redo);
}

void TCustomMemoSource::Redo() {
  if (GetReadOnly() || m_redo.Empty()) return;
  Replay(m_redo, m_undo);
}

bool TCustomMemoSource::ApplyInverse(const TUndoList& list, const TUndoRecord& r) {
  // The record's style bytes, when the highlighter keeps them.
  std::string style;
  const auto styleOf = [&]() -> const std::string* {
    if (!KeepsStyleBytes() || r.StyleSize == 0) return nullptr;
    style.assign(list.StyleData(r));
    return &style;
  };
  bool done = true;
  switch (r.Kind) {
    case ukCaretMoved:
      if (r.Caret != m_caret) {
        if (TUndoRecord* back = AddUndoRecord(ukCaretMoved)) {
          back->DeltaLine = m_caret.Line - r.Caret.Line;
          back->DeltaColumn = m_caret.Column - r.Caret.Column;
        }
      }
      break;
    case ukInserted:
      done = r.Index + std::int64_t{r.DeltaLine} <=
                 static_cast<std::int64_t>(StoredLine(r.Line).size()) &&
             RawDelete(r.Line, r.Index, r.DeltaLine);
      break;
    case ukDeleted:
      done = RawInsert(r.Line, r.Index, list.Text(r), styleOf());
      break;
    case ukReplaced:
      done = r.Index + std::int64_t{r.DeltaLine} <=
                 static_cast<std::int64_t>(StoredLine(r.Line).size()) &&
             RawDelete(r.Line, r.Index, r.DeltaLine) &&
             RawInsert(r.Line, r.Index, list.Text(r), styleOf());
      break;
    case ukLineBroken:
      done = r.Line + 1 < LineCount() &&
             static_cast<std::int64_t>(StoredLine(r.Line).size()) == r.Index && RawJoin(r.Line);
      break;
    case ukLinesJoined:
      done = RawBreak(r.Line, r.Index, ToLineBreak(static_cast<char>(r.DeltaColumn)));
      break;
    case ukStyleReplaced:
      if (const std::string* bytes = styleOf()) {
        ReplaceStyleBytes(r.DeltaLine, r.DeltaColumn, *bytes);
        if (TStringItem* item = GetLineItem(r.DeltaLine)) {
          item->SetFlag(kLineParsed, false);
          LineEdited(r.DeltaLine, false);
        }
      }
      break;
    case ukLinesAppended:
      done = LineCount() - r.DeltaLine == r.Line && RawRemoveLastLines(r.DeltaLine);
      break;
    case ukLinesRemoved:
      done = LineCount() == r.Line && RawAppendLines(r.DeltaLine, list.StyleData(r));
      break;
    case ukLinesInserted:
      done = RawDeleteLines(r.Line, r.DeltaLine);
      break;
    case ukLinesDeleted: {
      std::vector<String> lines;
      String current;
      for (Char c : list.Text(r)) {
        if (c == U'\n') {
          lines.push_back(std::move(current));
          current.clear();
        } else {
          current.push_back(c);
        }
      }
      lines.push_back(std::move(current));
      // The style bytes, then one break a line.
      const std::string_view bytes = list.StyleData(r);
      const std::size_t breaksAt = bytes.size() - std::min(bytes.size(), lines.size());
      style.assign(bytes.substr(0, breaksAt));
      const std::vector<std::string> lineData = list.LineData(r);
      done = static_cast<std::int32_t>(lines.size()) == r.DeltaLine &&
             RawInsertLines(r.Line, lines, style.empty() ? nullptr : &style,
                            lineData.empty() ? nullptr : &lineData, bytes.substr(breaksAt));
      break;
    }
    case ukBreaksChanged:
      done = r.Line + r.DeltaLine <= LineCount() &&
             RawSetLineBreaks(r.Line, list.StyleData(r),
                              ToLineBreak(static_cast<char>(r.DeltaColumn)));
      break;
  }
  if (done) m_caret = r.Caret;
  return done;
}

void TCustomMemoSource::Replay(TUndoList& from, TUndoList& to) {
  const bool wasAbsolute = std::exchange(m_absolute, true);
  m_replaying = true;
  m_active = &to;
  // However the replay ends, later edits are recorded as usual again.
  const ScopeExit recordAgain([this, wasAbsolute] {
    m_replaying = false;
    m_active = &m_undo;
    m_absolute = wasAbsolute;
  });
  const int code = from.Back().UpdateCode;
  const TUpdateBracket update(*this, code);
  AddChanges({msUndo});
  // The inverses form one block, so the step comes back whole whatever the
  // grouping option says.
  BeginUndoBlock();
  const ScopeExit closeBlock([this] { EndUndoBlock(); });
  bool first = true;
  bool sawBlock = false;
  while (!from.Empty()) {
    m_undoStepPending = true;
    const TUndoRecord& r = from.Back();
    if (!first && ((r.UpdateCode != code && !r.InBlock) || (sawBlock && !r.InBlock))) break;
    if (!ApplyInverse(from, r)) break;  // refused: the record stays for a later try
    if (&from == &m_undo && from.Count() == m_savedMarker + 1) {
      m_savedMarker = -1;
      m_savedLost = true;
    }
    const bool stop = r.First && !r.InBlock && !HasOption(soGroupUndo);
    sawBlock = sawBlock || r.InBlock;
    from.RemoveLast();
    first = false;
    if (stop) break;
  }
  m_selType = stNotSelected;
}

}  // namespace qs
